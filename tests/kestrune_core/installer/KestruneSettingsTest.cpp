// The settings file: default text, opening at start-up and the lists taken from it.
#include "kestrune/KestruneSettings.h"

#include <gtest/gtest.h>

#include "InstallerTestSupport.h"
#include "TestSupport.h"

namespace {

using installertest::CrLf;
using kestrune::IniFile;
using kestrune::OpenSettings;

std::string DefaultFile() {
    return std::string(kestrune::DefaultSettingsText) + "\r\n";
}

TEST(DefaultSettingsTest, MatchesTheShippedTextByteForByte) {
    EXPECT_EQ(kestrune::DefaultSettingsText.size(), 1349u);
    EXPECT_EQ(kestrune::DefaultSettingsText,
              testsupport::ReadFile(TEST_DATA_DIR "/installer/default-kestrune.ini"));
}

TEST(DefaultSettingsTest, DetectionRowsKeepTheirQuotingAndSpacing) {
    IniFile ini = IniFile::FromText("k.ini", kestrune::DefaultSettingsText);
    std::vector<std::string> table = kestrune::ReadDetectionTable(ini);
    ASSERT_EQ(table.size(), 23u);
    EXPECT_EQ(table[0], "YaBB 1 Final=$YaBBversion=\"1 Final\";");
    EXPECT_EQ(table[1], "YaBB 1 Gold - Release=$YaBBversion='1 Gold - Release';");
    EXPECT_EQ(table[2], "YaBB 1 Gold - SP 1=$YaBBversion = '1 Gold - SP1';");
    EXPECT_EQ(table[22], "YaBB SE 1.5.5=$YaBBversion = 'YaBB SE 1.5.5';");
    EXPECT_EQ(kestrune::ReadBrowserList(ini),
              (std::vector<std::string>{"mozilla", "netscape", "konqueror"}));
}

TEST(OpenSettingsTest, MissingFileIsCreatedFromTheDefaultText) {
    testsupport::TempDir dir;
    kestrune::OpenedSettings opened = OpenSettings(dir.folder());
    EXPECT_FALSE(opened.readFailure);
    EXPECT_FALSE(opened.writeFailure);
    EXPECT_EQ(testsupport::ReadFile(dir.file("kestrune.ini")), DefaultFile());
    EXPECT_EQ(opened.ini.ReadString("Settings", "TextEditor", ""), "notepad.exe");
    EXPECT_EQ(opened.ini.path(), dir.file("kestrune.ini"));
}

TEST(OpenSettingsTest, FileWithoutVersionCountsAsCurrentAndIsLeftAlone) {
    testsupport::TempDir dir;
    const std::string text = "; mine\r\n[Settings]\r\nEnableSkin=off\r\n";
    testsupport::WriteFile(dir.file("kestrune.ini"), text);
    kestrune::OpenedSettings opened = OpenSettings(dir.folder());
    EXPECT_EQ(testsupport::ReadFile(dir.file("kestrune.ini")), text);
    EXPECT_FALSE(kestrune::SettingIsOn(opened.ini, "EnableSkin"));
}

TEST(OpenSettingsTest, OtherVersionIsReplacedKeepingOnlyTheScriptPathInMemory) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.file("kestrune.ini"),
                           CrLf({"[Settings]", "Version=v2.5.5", "Scriptpath=/srv/forum/YaBB.pl",
                                 "EnableSkin=off", "TextEditor=vi"}));
    kestrune::OpenedSettings opened = OpenSettings(dir.folder());

    EXPECT_EQ(testsupport::ReadFile(dir.file("kestrune.ini")), DefaultFile());
    EXPECT_EQ(opened.ini.ReadString("Settings", "Scriptpath", ""), "/srv/forum/YaBB.pl");
    EXPECT_TRUE(kestrune::SettingIsOn(opened.ini, "EnableSkin"));
    EXPECT_EQ(opened.ini.ReadString("Settings", "TextEditor", ""), "notepad.exe");

    // The kept path reaches the file only when the object is written back.
    ASSERT_FALSE(opened.ini.UpdateFile());
    EXPECT_NE(testsupport::ReadFile(dir.file("kestrune.ini"))
                  .find("\r\nScriptpath=/srv/forum/YaBB.pl\r\n"),
              std::string::npos);
}

TEST(OpenSettingsTest, FailedDefaultWriteIsReportedAndDefaultsStillApply) {
    testsupport::TempDir dir;
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Rename, 1, EACCES);
    kestrune::OpenedSettings opened = OpenSettings(dir.folder(), fs);
    ASSERT_TRUE(opened.writeFailure);
    EXPECT_EQ(opened.writeFailure->path, dir.file("kestrune.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("kestrune.ini")));
    EXPECT_TRUE(kestrune::InstallModeIsFast(opened.ini));
}

TEST(SettingValuesTest, ComparisonsAreExact) {
    struct Case {
        const char* name;
        std::string settings;
        bool skinOn;
        bool fast;
    };
    const std::vector<Case> cases = {
        {"missing keys", "", true, true},
        {"exact values", "EnableSkin=on\r\nInstallmode=Fast mode\r\n", true, true},
        {"capital letters are not on", "EnableSkin=On\r\nInstallmode=fast mode\r\n", false, false},
        {"blanks beside = don't matter", "EnableSkin = on\r\nInstallmode = Fast mode\r\n", true,
         true},
        {"any other mode is step by step", "Installmode=Step by step mode\r\n", true, false},
    };
    for (const Case& c : cases) {
        IniFile ini = IniFile::FromText("k.ini", "[Settings]\r\n" + c.settings);
        EXPECT_EQ(kestrune::SettingIsOn(ini, "EnableSkin"), c.skinOn) << c.name;
        EXPECT_EQ(kestrune::InstallModeIsFast(ini), c.fast) << c.name;
    }
}

TEST(SettingValuesTest, EmptyFileGivesTheMissingValues) {
    IniFile ini = IniFile::FromText("k.ini", "");
    EXPECT_TRUE(kestrune::SettingIsOn(ini, "ScriptAutoDetection"));
    EXPECT_EQ(ini.ReadString("Settings", "TextEditor", ""), "");
    EXPECT_TRUE(kestrune::ReadDetectionTable(ini).empty());
    EXPECT_TRUE(kestrune::ReadBrowserList(ini).empty());
}

}  // namespace
