// The .mod association: the four file-type keys, the desktop's mime package, desktop entry,
// icon and default-application line, and their exact removal, over temporary folders.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "FileAssociation.h"
#include "FileAssociationXdg.h"
#include "TestSupport.h"
#include "platform/RegistryStore.h"

namespace {

using oxelgui::XdgAssociation;
using testsupport::ReadFile;
using testsupport::WriteFile;

struct RunCall {
    std::string program;
    std::vector<std::string> args;
    bool operator==(const RunCall&) const = default;
};

constexpr const char* kProgram = "/opt/forum tools/oxel";
constexpr const char* kIconPng = "\x89PNG fake icon bytes";

class FileAssociationTest : public ::testing::Test {
  protected:
    FileAssociationTest()
        : m_registry(m_dir.folder() + "registry/"),
          m_xdg(
              {m_dir.folder() + "data", m_dir.folder() + "config"},
              [this](const std::string& program, const std::vector<std::string>& args) {
                  m_runs.push_back({program, args});
              },
              kIconPng, 64) {}

    std::string Data(const std::string& relative) const { return m_dir.file("data/" + relative); }
    std::string Config(const std::string& relative) const {
        return m_dir.file("config/" + relative);
    }
    std::optional<std::string> Value(const std::string& key) const {
        return m_registry.defaultValue(key);
    }
    std::optional<std::string> RegisterMod() {
        return oxelgui::RegisterFileType(".mod", "modfile", "YaBB Mod File", kProgram,
                                         std::string(kProgram) + ",0", m_registry, m_xdg);
    }
    // Every file under the temporary folder with its content, to compare whole states.
    std::vector<std::pair<std::string, std::string>> Snapshot() const {
        std::vector<std::pair<std::string, std::string>> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_dir.path())) {
            if (entry.is_regular_file()) {
                files.emplace_back(entry.path().string(), ReadFile(entry.path()));
            }
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    testsupport::TempDir m_dir;
    platform::RegistryStore m_registry;
    std::vector<RunCall> m_runs;
    XdgAssociation m_xdg;
};

TEST_F(FileAssociationTest, RegisterWritesTheFourValuesAndTheDesktopFiles) {
    ASSERT_EQ(RegisterMod(), std::nullopt);

    EXPECT_EQ(Value(".mod"), "modfile");
    EXPECT_EQ(Value("modfile"), "YaBB Mod File");
    EXPECT_EQ(Value("modfile\\DefaultIcon"), "/opt/forum tools/oxel,0");
    EXPECT_EQ(Value("modfile\\shell\\open\\command"), "/opt/forum tools/oxel \"%1\"");
    // The keys between are only created, with no value of their own.
    EXPECT_TRUE(m_registry.keyExists("modfile\\shell\\open"));
    EXPECT_EQ(Value("modfile\\shell"), std::nullopt);
    EXPECT_EQ(Value("modfile\\shell\\open"), std::nullopt);

    EXPECT_EQ(ReadFile(Data("mime/packages/oxel-mod.xml")),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
              "  <mime-type type=\"text/x-yabb-mod\">\n"
              "    <comment>YaBB Mod File</comment>\n"
              "    <sub-class-of type=\"text/plain\"/>\n"
              "    <icon name=\"oxel\"/>\n"
              "    <glob pattern=\"*.mod\" weight=\"60\"/>\n"
              "  </mime-type>\n"
              "</mime-info>\n");
    EXPECT_EQ(ReadFile(Data("applications/oxel.desktop")),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Oxel\n"
              "Exec=\"/opt/forum tools/oxel\" %f\n"
              "Icon=oxel\n"
              "MimeType=text/x-yabb-mod;\n"
              "NoDisplay=true\n"
              "Terminal=false\n");
    EXPECT_EQ(ReadFile(Data("icons/hicolor/64x64/apps/oxel.png")), kIconPng);
    EXPECT_EQ(ReadFile(Config("mimeapps.list")),
              "[Default Applications]\ntext/x-yabb-mod=oxel.desktop;\n");
    EXPECT_EQ(m_runs, (std::vector<RunCall>{
                          {"update-mime-database", {Data("mime")}},
                          {"update-desktop-database", {Data("applications")}},
                      }));
}

TEST_F(FileAssociationTest, RegisteringTwiceGivesTheSameFiles) {
    ASSERT_EQ(RegisterMod(), std::nullopt);
    const auto once = Snapshot();
    ASSERT_EQ(RegisterMod(), std::nullopt);
    EXPECT_EQ(Snapshot(), once);
}

TEST_F(FileAssociationTest, UnregisterRemovesExactlyWhatWasRegistered) {
    // Another program's entries and keys, and the user's own defaults, written beforehand.
    const std::string mimeApps =
        "# chosen by the user\r\n"
        "[Added Associations]\r\n"
        "text/x-yabb-mod=kate.desktop;\r\n"
        "[Default Applications]\r\n"
        "text/html=firefox.desktop;\r\n"
        "text/x-yabb-mod=kate.desktop;\r\n";
    WriteFile(Config("mimeapps.list"), mimeApps);
    WriteFile(Data("applications/kate.desktop"), "[Desktop Entry]\nName=Kate\n");
    WriteFile(Data("mime/packages/other.xml"), "<mime-info/>\n");
    ASSERT_TRUE(m_registry.setDefaultValue(".txt", "txtfile"));
    ASSERT_TRUE(m_registry.setDefaultValue("txtfile\\shell\\open\\command", "kate \"%1\""));
    const std::string registryBefore = ReadFile(m_registry.filePath());
    const auto before = Snapshot();

    ASSERT_EQ(RegisterMod(), std::nullopt);
    EXPECT_NE(
        ReadFile(Config("mimeapps.list"))
            .find("text/html=firefox.desktop;\r\ntext/x-yabb-mod=oxel.desktop;kate.desktop;\r\n"),
        std::string::npos);

    m_runs.clear();
    ASSERT_EQ(oxelgui::UnregisterFileType(".mod", m_registry, m_xdg), std::nullopt);
    EXPECT_EQ(ReadFile(m_registry.filePath()), registryBefore);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(m_runs.size(), 2u) << "the desktop's caches must forget the type";
}

TEST_F(FileAssociationTest, UnregisterDeletesTheTypeThatTheExtensionNames) {
    ASSERT_TRUE(m_registry.setDefaultValue(".mod", "trackerfile"));
    ASSERT_TRUE(m_registry.setDefaultValue("trackerfile\\shell\\open\\command", "player \"%1\""));
    ASSERT_TRUE(m_registry.setDefaultValue("modfile", "left alone"));

    ASSERT_EQ(oxelgui::UnregisterFileType(".mod", m_registry, m_xdg), std::nullopt);

    EXPECT_FALSE(m_registry.keyExists(".mod"));
    EXPECT_FALSE(m_registry.keyExists("trackerfile"));
    EXPECT_FALSE(m_registry.keyExists("trackerfile\\shell\\open\\command"));
    EXPECT_EQ(Value("modfile"), "left alone");
    EXPECT_TRUE(m_runs.empty()) << "nothing of ours was on the desktop";
}

TEST_F(FileAssociationTest, UnregisterWithNothingRegisteredDoesNothing) {
    EXPECT_EQ(oxelgui::UnregisterFileType(".mod", m_registry, m_xdg), std::nullopt);
    EXPECT_TRUE(Snapshot().empty());
    EXPECT_TRUE(m_runs.empty());
}

struct RegisterCase {
    const char* name;
    std::string extension;
    std::string fileType;
    std::string command;
    std::string icon;
    std::string expectedKey;   // the extension's key; empty: nothing at all is written
    std::string expectedType;  // the value it names
};

class RegisterArgumentsTest : public FileAssociationTest,
                              public ::testing::WithParamInterface<RegisterCase> {};

TEST_P(RegisterArgumentsTest, NormalisesTheExtensionAndTheTypeName) {
    const RegisterCase& c = GetParam();
    ASSERT_EQ(oxelgui::RegisterFileType(c.extension, c.fileType, "Described", c.command, c.icon,
                                        m_registry, m_xdg),
              std::nullopt);
    if (c.expectedKey.empty()) {
        EXPECT_TRUE(Snapshot().empty());
        EXPECT_TRUE(m_runs.empty());
        return;
    }
    EXPECT_EQ(Value(c.expectedKey), c.expectedType);
    EXPECT_EQ(Value(c.expectedType), "Described");
    EXPECT_EQ(Value(c.expectedType + "\\shell\\open\\command"), c.command + " \"%1\"");
    EXPECT_EQ(m_registry.keyExists(c.expectedType + "\\DefaultIcon"), !c.icon.empty());
    EXPECT_EQ(std::filesystem::exists(Data("icons/hicolor/64x64/apps/oxel.png")), !c.icon.empty());
    const std::string desktop = ReadFile(Data("applications/oxel.desktop"));
    EXPECT_EQ(desktop.find("Icon=") != std::string::npos, !c.icon.empty());
    EXPECT_NE(ReadFile(Data("mime/packages/oxel-mod.xml"))
                  .find("<glob pattern=\"*" + c.expectedKey + "\""),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegisterArgumentsTest,
    ::testing::Values(
        RegisterCase{"DottedExtension", ".mod", "modfile", "/o/oxel", "/o/oxel,0", ".mod",
                     "modfile"},
        RegisterCase{"BareExtension", "mod", "modfile", "/o/oxel", "/o/oxel,0", ".mod", "modfile"},
        RegisterCase{"DotsEverywhere", "..m.od.", "modfile", "/o/oxel", "", ".mod", "modfile"},
        RegisterCase{"NoTypeName", ".mod", "", "/o/oxel", "", ".mod", "mod_auto_file"},
        RegisterCase{"OnlyDots", "...", "modfile", "/o/oxel", "/o/oxel,0", "", ""},
        RegisterCase{"NoCommand", ".mod", "modfile", "", "/o/oxel,0", "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

struct ExecCase {
    const char* name;
    std::string program;
    std::string execLine;
};

class DesktopExecTest : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExecTest, QuotesTheProgramAsOneArgument) {
    const std::string text =
        oxelgui::DesktopEntryText({}, {"*.mod", "", GetParam().program}, false);
    EXPECT_NE(text.find("\n" + GetParam().execLine + "\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesktopExecTest,
    ::testing::Values(
        ExecCase{"Plain", "/usr/bin/oxel", "Exec=\"/usr/bin/oxel\" %f"},
        ExecCase{"Blank", "/opt/my tools/oxel", "Exec=\"/opt/my tools/oxel\" %f"},
        // Inside quotes " ` $ \ take a backslash, then every backslash is doubled again.
        ExecCase{"Specials", "/a\"b`c$d\\e", "Exec=\"/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e\" %f"},
        ExecCase{"Percent", "/opt/100%/oxel", "Exec=\"/opt/100%%/oxel\" %f"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FileAssociationTest, APathNoDesktopEntryCanHoldIsRefusedAfterTheRegistry) {
    const auto failure = oxelgui::RegisterFileType(".mod", "modfile", "YaBB Mod File",
                                                   "/opt/ox\nel", "", m_registry, m_xdg);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("desktop entry"), std::string::npos);
    EXPECT_EQ(Value(".mod"), "modfile") << "the steps before the failure stay done";
    EXPECT_FALSE(std::filesystem::exists(Data("applications/oxel.desktop")));
    EXPECT_TRUE(m_runs.empty());
}

TEST_F(FileAssociationTest, AFailedWriteNamesTheFileAndKeepsTheOldOne) {
    WriteFile(Config("mimeapps.list"), "[Default Applications]\ntext/html=firefox.desktop;\n");
    testsupport::FaultyFileSystem faulty(testsupport::FsCall::Rename, 1, EIO, "mimeapps");
    XdgAssociation xdg({m_dir.folder() + "data", m_dir.folder() + "config"}, nullptr, kIconPng, 64,
                       {}, faulty);

    const auto failure = oxelgui::RegisterFileType(".mod", "modfile", "YaBB Mod File", kProgram, "",
                                                   m_registry, xdg);

    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(faulty.fired());
    EXPECT_NE(failure->find(Config("mimeapps.list")), std::string::npos) << *failure;
    EXPECT_NE(failure->find("Input/output error"), std::string::npos) << *failure;
    EXPECT_EQ(ReadFile(Config("mimeapps.list")),
              "[Default Applications]\ntext/html=firefox.desktop;\n");
}

TEST(FileAssociationRegistryFailure, ARefusedRegistryWriteIsReported) {
    testsupport::TempDir dir;
    WriteFile(dir.file("blocker"), "a file where the registry's folder should be");
    platform::RegistryStore registry(dir.file("blocker") + "/");
    std::vector<std::string> runs;
    XdgAssociation xdg(
        {dir.folder() + "data", dir.folder() + "config"},
        [&runs](const std::string& p, const std::vector<std::string>&) { runs.push_back(p); });

    const auto failure = oxelgui::ChangeModAssociation(true, kProgram, registry, xdg);

    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->rfind("Failed to set data for '.mod': ", 0), 0u) << *failure;
    EXPECT_FALSE(std::filesystem::exists(dir.file("data")));
    EXPECT_TRUE(runs.empty());
}

struct MimeAppsCase {
    const char* name;
    std::string before;
    std::string registered;
};

class MimeAppsTest : public ::testing::TestWithParam<MimeAppsCase> {};

TEST_P(MimeAppsTest, PutsOxelFirstAndTakesOnlyItBackOut) {
    const MimeAppsCase& c = GetParam();
    const std::string registered =
        oxelgui::MimeAppsWithDefault(c.before, "text/x-yabb-mod", "oxel.desktop");
    EXPECT_EQ(registered, c.registered);
    EXPECT_EQ(oxelgui::MimeAppsWithDefault(registered, "text/x-yabb-mod", "oxel.desktop"),
              registered);
    EXPECT_EQ(oxelgui::MimeAppsWithoutDefault(registered, "text/x-yabb-mod", "oxel.desktop"),
              c.before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MimeAppsTest,
    ::testing::Values(
        MimeAppsCase{"Empty", "", "[Default Applications]\ntext/x-yabb-mod=oxel.desktop;\n"},
        MimeAppsCase{"OtherSectionOnly", "[Added Associations]\na/b=c.desktop;\n",
                     "[Added Associations]\na/b=c.desktop;\n[Default Applications]\n"
                     "text/x-yabb-mod=oxel.desktop;\n"},
        MimeAppsCase{"SectionKeptWithItsOtherLines",
                     "[Default Applications]\r\na/b=c.desktop\r\n[Removed Associations]\r\n",
                     "[Default Applications]\r\ntext/x-yabb-mod=oxel.desktop;\r\n"
                     "a/b=c.desktop\r\n[Removed Associations]\r\n"},
        MimeAppsCase{"AnotherDefaultComesSecond",
                     "[Default Applications]\ntext/x-yabb-mod=kate.desktop;gedit.desktop;\n",
                     "[Default Applications]\n"
                     "text/x-yabb-mod=oxel.desktop;kate.desktop;gedit.desktop;\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MimeAppsEdit, AnOlderOxelEntryMovesToTheFront) {
    EXPECT_EQ(oxelgui::MimeAppsWithDefault(
                  "[Default Applications]\ntext/x-yabb-mod = kate.desktop; oxel.desktop\n",
                  "text/x-yabb-mod", "oxel.desktop"),
              "[Default Applications]\ntext/x-yabb-mod=oxel.desktop;kate.desktop;\n");
}

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(XdgDirsTest, ComeFromTheEnvironmentOrUnderHome) {
    ScopedEnv home("HOME", "/home/ann");
    {
        ScopedEnv data("XDG_DATA_HOME", "/xdg/data");
        ScopedEnv config("XDG_CONFIG_HOME", "/xdg/config/");
        const auto dirs = oxelgui::XdgDirs::FromEnvironment();
        EXPECT_EQ(dirs.dataHome, "/xdg/data/");
        EXPECT_EQ(dirs.configHome, "/xdg/config/");
    }
    // Unset, empty and relative values all fall back.
    ScopedEnv data("XDG_DATA_HOME", "relative/data");
    ScopedEnv config("XDG_CONFIG_HOME", "");
    const auto dirs = oxelgui::XdgDirs::FromEnvironment();
    EXPECT_EQ(dirs.dataHome, "/home/ann/.local/share/");
    EXPECT_EQ(dirs.configHome, "/home/ann/.config/");
}

// With the real tools, the desktop's own caches must come to know the type and its program.
TEST(FileAssociationDesktop, TheDesktopToolsAcceptWhatIsRegistered) {
    if (!std::filesystem::exists("/usr/bin/update-mime-database")) {
        GTEST_SKIP() << "update-mime-database is not installed";
    }
    testsupport::TempDir dir;
    platform::RegistryStore registry(dir.folder() + "registry/");
    XdgAssociation xdg({dir.folder() + "data", dir.folder() + "config"}, oxelgui::RunIfPresent,
                       kIconPng, 64);

    ASSERT_EQ(oxelgui::ChangeModAssociation(true, kProgram, registry, xdg), std::nullopt);
    EXPECT_NE(ReadFile(dir.file("data/mime/globs2")).find("60:text/x-yabb-mod:*.mod"),
              std::string::npos);
    if (std::filesystem::exists("/usr/bin/update-desktop-database")) {
        EXPECT_NE(ReadFile(dir.file("data/applications/mimeinfo.cache"))
                      .find("text/x-yabb-mod=oxel.desktop;"),
                  std::string::npos);
    }

    ASSERT_EQ(oxelgui::ChangeModAssociation(false, kProgram, registry, xdg), std::nullopt);
    EXPECT_EQ(ReadFile(dir.file("data/mime/globs2")).find("text/x-yabb-mod"), std::string::npos);
}

}  // namespace
