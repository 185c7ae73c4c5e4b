// Listing the mod folders and a folder's mod files.
#include "kestrune/ModFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"

namespace {

using Names = std::vector<std::string>;

class ModFoldersTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(m_dir.path() / "Mods"); }
    void Folder(const std::string& relative) {
        std::filesystem::create_directories(m_dir.path() / "Mods" / relative);
    }
    void File(const std::string& relative) {
        testsupport::WriteFile(m_dir.path() / "Mods" / relative, "x");
    }
    std::string Mods() const { return kestrune::ModsFolderPath(m_dir.folder()); }

    testsupport::TempDir m_dir;
};

TEST_F(ModFoldersTest, FolderListHoldsFoldersAndFilesSortedIgnoringCase) {
    Folder("YaBB 2.1");
    Folder("yabb 1 Final");
    Folder(".hidden");
    Folder("Zeta");
    File("readme.txt");
    EXPECT_EQ(kestrune::ListModFolders(Mods()),
              (Names{".hidden", "readme.txt", "yabb 1 Final", "YaBB 2.1", "Zeta"}));
}

TEST_F(ModFoldersTest, ModListHoldsOnlyFilesEndingInMod) {
    Folder("YaBB 2.1/Nested.mod");
    Folder("YaBB 2.1/sub");
    File("YaBB 2.1/sub/Deep.mod");
    File("YaBB 2.1/b.mod");
    File("YaBB 2.1/A.MOD");
    File("YaBB 2.1/.hidden.mod");
    File("YaBB 2.1/notes.txt");
    File("YaBB 2.1/x.mod.bak");
    EXPECT_EQ(kestrune::ListModFiles(Mods() + "YaBB 2.1/"),
              (Names{".hidden.mod", "A.MOD", "b.mod"}));
}

TEST_F(ModFoldersTest, MissingFoldersListNothing) {
    EXPECT_TRUE(kestrune::ListModFolders(m_dir.folder() + "NoSuch/").empty());
    File("readme.txt");
    EXPECT_TRUE(kestrune::ListModFiles(Mods() + "readme.txt/").empty());
}

TEST(ModPathsTest, PathsUseSlashesAndLogKeysABackslash) {
    EXPECT_EQ(kestrune::ModsFolderPath("/opt/k/"), "/opt/k/Mods/");
    EXPECT_EQ(kestrune::ModFilePath("/opt/k/", "YaBB 2.1", "Polls.mod"),
              "/opt/k/Mods/YaBB 2.1/Polls.mod");
    EXPECT_EQ(kestrune::ModLogKey("YaBB 2.1", "Polls.mod"), "YaBB 2.1\\Polls.mod");
}

}  // namespace
