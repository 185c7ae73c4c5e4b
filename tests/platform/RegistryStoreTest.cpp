#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "TestSupport.h"
#include "platform/RegistryStore.h"

using namespace std::string_literals;
using platform::RegistryStore;
using testsupport::FaultyFileSystem;
using testsupport::FsCall;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

class RegistryStoreTest : public ::testing::Test {
  protected:
    TempDir m_dir;
    RegistryStore m_store{m_dir.folder()};
};

TEST_F(RegistryStoreTest, SetCreatesTheKeyAndItsParents) {
    ASSERT_TRUE(m_store.setDefaultValue("modfile\\shell\\open\\command", "/opt/oxel \"%1\""));

    EXPECT_EQ(m_store.defaultValue("modfile\\shell\\open\\command"), "/opt/oxel \"%1\"");
    for (const char* parent : {"modfile", "modfile\\shell", "modfile\\shell\\open"}) {
        EXPECT_TRUE(m_store.keyExists(parent)) << parent;
        EXPECT_EQ(m_store.defaultValue(parent), std::nullopt) << parent;
    }
    EXPECT_FALSE(m_store.keyExists("modfile\\shell\\print"));
    EXPECT_FALSE(m_store.keyExists("shell"));
}

TEST_F(RegistryStoreTest, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
    ASSERT_TRUE(m_store.setDefaultValue("ModFile\\DefaultIcon", "/opt/oxel,0"));
    EXPECT_EQ(m_store.defaultValue("MODFILE\\defaulticon"), "/opt/oxel,0");

    ASSERT_TRUE(m_store.setDefaultValue("modfile\\DEFAULTICON", "/usr/bin/oxel,0"));
    EXPECT_EQ(m_store.defaultValue("ModFile\\DefaultIcon"), "/usr/bin/oxel,0");
    const std::string file = ReadFile(m_store.filePath());
    EXPECT_NE(file.find("[ModFile\\DefaultIcon]"), std::string::npos) << file;
    EXPECT_EQ(file.find("DEFAULTICON"), std::string::npos) << file;
}

TEST_F(RegistryStoreTest, ValuesKeepEveryByte) {
    const std::string value = "a \\ \"b\"\r\n\tc\x01\0 \xE9 \xC3\xA9\n[x]\n@=\"y\""s;
    ASSERT_TRUE(m_store.setDefaultValue("odd", value));
    ASSERT_TRUE(m_store.setDefaultValue("empty", ""));

    RegistryStore again(m_dir.folder());
    EXPECT_EQ(again.defaultValue("odd"), value);
    EXPECT_EQ(again.defaultValue("empty"), std::string());
}

TEST_F(RegistryStoreTest, DeleteTreeRemovesTheKeyAndSubkeysOnly) {
    ASSERT_TRUE(m_store.setDefaultValue(".mod", "modfile"));
    ASSERT_TRUE(m_store.setDefaultValue("modfile", "YaBB Mod File"));
    ASSERT_TRUE(m_store.setDefaultValue("modfile\\DefaultIcon", "/opt/oxel,0"));
    ASSERT_TRUE(m_store.setDefaultValue("modfile\\shell\\open\\command", "/opt/oxel \"%1\""));
    // Names that merely begin like the deleted key are other keys.
    ASSERT_TRUE(m_store.setDefaultValue("modfile2", "other"));
    ASSERT_TRUE(m_store.setDefaultValue("modfile.backup\\x", "other"));

    EXPECT_TRUE(m_store.deleteKeyTree("MODFILE"));

    for (const char* gone :
         {"modfile", "modfile\\DefaultIcon", "modfile\\shell", "modfile\\shell\\open\\command"}) {
        EXPECT_FALSE(m_store.keyExists(gone)) << gone;
    }
    EXPECT_EQ(m_store.defaultValue(".mod"), "modfile");
    EXPECT_EQ(m_store.defaultValue("modfile2"), "other");
    EXPECT_EQ(m_store.defaultValue("modfile.backup\\x"), "other");
}

TEST_F(RegistryStoreTest, DeletingAMissingKeyFailsWithoutError) {
    EXPECT_FALSE(m_store.deleteKeyTree("modfile"));
    EXPECT_EQ(m_store.lastError(), "");
    EXPECT_FALSE(std::filesystem::exists(m_store.filePath()));
}

TEST_F(RegistryStoreTest, ChangesAreSeenByOtherInstances) {
    RegistryStore other(m_dir.folder());
    ASSERT_TRUE(m_store.setDefaultValue(".mod", "modfile"));
    EXPECT_EQ(other.defaultValue(".mod"), "modfile");

    ASSERT_TRUE(other.deleteKeyTree(".mod"));
    EXPECT_FALSE(m_store.keyExists(".mod"));
}

TEST(RegistryStore, CreatesItsFolderOnFirstWrite) {
    TempDir dir;
    RegistryStore store(dir.file("config/oxel"));
    ASSERT_TRUE(store.setDefaultValue(".mod", "modfile"));
    EXPECT_EQ(store.filePath(), dir.file("config/oxel/classes-registry.ini"));
    EXPECT_TRUE(std::filesystem::is_regular_file(store.filePath()));
}

TEST_F(RegistryStoreTest, RejectsMalformedKeyNames) {
    for (const char* bad : {"", "\\modfile", "modfile\\", "modfile\\\\shell", "a\nb", "a\rb"}) {
        EXPECT_FALSE(m_store.setDefaultValue(bad, "x")) << bad;
        EXPECT_NE(m_store.lastError(), "") << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(m_store.filePath()));
}

TEST(RegistryStore, AFailedWriteIsReportedAndChangesNothing) {
    TempDir dir;
    ASSERT_TRUE(RegistryStore(dir.folder()).setDefaultValue(".mod", "old"));
    const std::string before = ReadFile(dir.file("classes-registry.ini"));

    FaultyFileSystem full(FsCall::Write, 1, ENOSPC);
    RegistryStore store(dir.folder(), full);
    EXPECT_FALSE(store.setDefaultValue(".mod", "new"));
    EXPECT_EQ(store.lastError(), "No space left on device");
    EXPECT_FALSE(store.deleteKeyTree("other"));

    FaultyFileSystem denied(FsCall::Rename, 1, EACCES);
    RegistryStore store2(dir.folder(), denied);
    EXPECT_FALSE(store2.deleteKeyTree(".mod"));
    EXPECT_EQ(store2.lastError(), "Permission denied");

    EXPECT_EQ(ReadFile(dir.file("classes-registry.ini")), before);
    EXPECT_EQ(RegistryStore(dir.folder()).defaultValue(".mod"), "old");
}

TEST(RegistryStore, AnUnreadableStoreIsReported) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("classes-registry.ini"));
    RegistryStore store(dir.folder());
    EXPECT_FALSE(store.keyExists(".mod"));
    EXPECT_NE(store.lastError(), "");
    EXPECT_FALSE(store.setDefaultValue(".mod", "modfile"));
    EXPECT_NE(store.lastError(), "");
}

TEST(RegistryStore, DefaultFolderFollowsXdgConfigHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string restore = saved != nullptr ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/srv/conf", 1);
    EXPECT_EQ(RegistryStore::DefaultFolder(), "/srv/conf/oxel/");
    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    const std::string fallback = RegistryStore::DefaultFolder();
    EXPECT_TRUE(fallback.size() > 14 && fallback.substr(fallback.size() - 14) == "/.config/oxel/")
        << fallback;
    if (saved != nullptr) {
        ::setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

}  // namespace
