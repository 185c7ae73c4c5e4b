// Loading and saving the editor's settings, "path.cfg", and the recent-files list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "oxel/IniPlus.h"
#include "oxel/OxelSettings.h"

namespace {

using oxel::OxelSettings;
using oxel::RecentFiles;
using Paths = std::vector<std::string>;

TEST(SettingsPath, ReplacesOrAppendsTheExtension) {
    EXPECT_EQ(oxel::SettingsPathFor("/opt/ModEditor/oxel"), "/opt/ModEditor/oxel.ini");
    EXPECT_EQ(oxel::SettingsPathFor("/opt/ModEditor/Oxel.exe"), "/opt/ModEditor/Oxel.ini");
    EXPECT_EQ(oxel::SettingsPathFor("/opt/v1.2/oxel"), "/opt/v1.2/oxel.ini");
    EXPECT_EQ(oxel::ProgramFolderOf("/opt/ModEditor/oxel"), "/opt/ModEditor/");
    EXPECT_EQ(oxel::ProgramFolderOf("oxel"), "./");
}

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string Ini() const { return m_dir.file("oxel.ini"); }
    void WriteIni(const std::string& text) { testsupport::WriteFile(Ini(), text); }

    testsupport::TempDir m_dir;
    oxel::Font m_newFont;
};

TEST_F(SettingsFileTest, MissingKeysGiveTheFormatDefaults) {
    WriteIni("[General]\r\n");
    OxelSettings s;
    s.left = 11;
    s.top = 12;
    s.width = 13;
    s.height = 14;
    s.state = 2;
    s.treeWidth = 999;
    m_newFont.name = "Platform Sans";
    oxel::LoadSettings(Ini(), s, m_newFont);
    EXPECT_EQ(s.forumScriptPath, "");
    EXPECT_EQ(s.installerPath, "");
    EXPECT_EQ(s.treeWidth, 200);
    EXPECT_EQ(s.editorFont, m_newFont);
    EXPECT_EQ(s.recentFiles.Max(), 10);
    EXPECT_FALSE(s.association);
    EXPECT_EQ(s.left, 11);
    EXPECT_EQ(s.top, 12);
    EXPECT_EQ(s.width, 13);
    EXPECT_EQ(s.height, 14);
    EXPECT_EQ(s.state, 0);
}

TEST_F(SettingsFileTest, LoadsEveryKey) {
    WriteIni(
        "[General]\r\nYaBB=/www/cgi-bin/yabb/YaBB.pl\r\nKestrune=/opt/kestrune/kestrune\r\n"
        "Tree_Width=300\r\nYour_Name=Wren\r\nYour_Homepage=http://wren\r\n"
        "Editor_Font=Courier,10,0100,clNavy\r\nMRU_Max_Number=5\r\nAssociation=1\r\n"
        "Left=1\r\nTop=2\r\nWidth=3\r\nHeight=4\r\nState=1\r\n[MRU]\r\nMRU0=/a.mod\r\n");
    OxelSettings s;
    oxel::LoadSettings(Ini(), s, m_newFont);
    EXPECT_EQ(s.forumScriptPath, "/www/cgi-bin/yabb/YaBB.pl");
    EXPECT_EQ(s.installerPath, "/opt/kestrune/kestrune");
    EXPECT_EQ(s.treeWidth, 300);
    EXPECT_EQ(s.yourName, "Wren");
    EXPECT_EQ(s.yourHomepage, "http://wren");
    EXPECT_EQ(oxel::FontToString(s.editorFont), "Courier,10,0100,clNavy");
    EXPECT_EQ(s.recentFiles.Max(), 5);
    EXPECT_EQ(s.recentFiles.Items(), Paths{"/a.mod"});
    EXPECT_TRUE(s.association);
    EXPECT_EQ(s.left, 1);
    EXPECT_EQ(s.top, 2);
    EXPECT_EQ(s.width, 3);
    EXPECT_EQ(s.height, 4);
    EXPECT_EQ(s.state, 1);
}

TEST_F(SettingsFileTest, OnlyRecentFilesBelowTheMaximumAreRead) {
    WriteIni(
        "[General]\r\nMRU_Max_Number=3\r\n[MRU]\r\nMRU5=/f\r\nMRU0=/a\r\nMRU2=/c\r\nMRU1=\r\n"
        "MRU3=/d\r\nMRU4=/e\r\nmru02=/odd\r\n");
    OxelSettings s;
    oxel::LoadSettings(Ini(), s, m_newFont);
    EXPECT_EQ(s.recentFiles.Items(), (Paths{"/a", "/c"}));
}

TEST_F(SettingsFileTest, HugeMaximumReadsOnlyKeysThatExist) {
    WriteIni("[General]\r\nMRU_Max_Number=2147483647\r\n[MRU]\r\nMRU2000000000=/far\r\n");
    OxelSettings s;
    oxel::LoadSettings(Ini(), s, m_newFont);
    EXPECT_EQ(s.recentFiles.Items(), Paths{"/far"});
}

TEST_F(SettingsFileTest, MalformedFontGivesTheNewFont) {
    WriteIni("[General]\r\nEditor_Font=Arial,10,01000,clRed\r\n");
    OxelSettings s;
    m_newFont.size = 11;
    oxel::LoadSettings(Ini(), s, m_newFont);
    EXPECT_EQ(s.editorFont, m_newFont);
}

TEST_F(SettingsFileTest, SaveRewritesRecentFilesAndKeepsOtherSections) {
    WriteIni("[Extra]\r\nkeep=me\r\n[MRU]\r\nMRU0=/old1\r\nMRU1=/old2\r\nMRU2=/old3\r\n");
    OxelSettings s;
    s.forumScriptPath = "/forum/YaBB.pl";
    s.editorFont.bold = true;
    s.recentFiles.AddMRU("/new.mod");
    s.association = true;
    ASSERT_EQ(oxel::SaveSettings(Ini(), s), std::nullopt);
    EXPECT_EQ(testsupport::ReadFile(Ini()),
              "[Extra]\r\nkeep=me\r\n[General]\r\nYaBB=/forum/YaBB.pl\r\nKestrune=\r\n"
              "Tree_Width=200\r\nYour_Name=\r\nYour_Homepage=\r\n"
              "Editor_Font=MS Sans Serif,8,1000,clWindowText\r\nMRU_Max_Number=10\r\n"
              "Association=1\r\nLeft=265\r\nTop=244\r\nWidth=621\r\nHeight=574\r\nState=0\r\n"
              "[MRU]\r\nMRU0=/new.mod\r\n");
}

TEST_F(SettingsFileTest, SavedSettingsLoadBack) {
    OxelSettings saved;
    saved.forumScriptPath = "/srv/forum/YaBB.cgi";
    saved.installerPath = "/opt/kestrune";
    saved.treeWidth = 333;
    saved.yourName = " Wren ";
    saved.yourHomepage = "http://w";
    saved.editorFont.name = "DejaVu Sans Mono";
    saved.editorFont.color = 0x123456;
    saved.recentFiles.SetMax(3);
    for (const char* p : {"/1.mod", "/2.mod", "/3.mod", "/4.mod"}) {
        saved.recentFiles.AddMRU(p);
    }
    saved.left = -5;
    saved.state = 2;
    ASSERT_EQ(oxel::SaveSettings(Ini(), saved), std::nullopt);
    OxelSettings loaded;
    oxel::LoadSettings(Ini(), loaded, m_newFont);
    EXPECT_EQ(loaded.forumScriptPath, saved.forumScriptPath);
    EXPECT_EQ(loaded.installerPath, saved.installerPath);
    EXPECT_EQ(loaded.treeWidth, 333);
    EXPECT_EQ(loaded.yourName, " Wren ");
    EXPECT_EQ(loaded.editorFont, saved.editorFont);
    EXPECT_EQ(loaded.recentFiles.Items(), (Paths{"/2.mod", "/3.mod", "/4.mod"}));
    EXPECT_EQ(loaded.left, -5);
    EXPECT_EQ(loaded.state, 2);
}

TEST_F(SettingsFileTest, UnwritableSettingsReportTheFile) {
    std::filesystem::create_directory(Ini());
    const OxelSettings s;
    const auto error = oxel::SaveSettings(Ini(), s);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, Ini());
}

TEST_F(SettingsFileTest, PathCfgGivesItsFirstLine) {
    testsupport::WriteFile(m_dir.file("path.cfg"), "/www/yabb/YaBB.pl\r\nignored\r\n");
    EXPECT_EQ(oxel::LoadFrom_path_cfg(m_dir.folder()), "/www/yabb/YaBB.pl");
    testsupport::WriteFile(m_dir.file("path.cfg"), "");
    EXPECT_EQ(oxel::LoadFrom_path_cfg(m_dir.folder()), std::nullopt);
    std::filesystem::remove(m_dir.file("path.cfg"));
    EXPECT_EQ(oxel::LoadFrom_path_cfg(m_dir.folder()), std::nullopt);
}

TEST_F(SettingsFileTest, StartUpPrefersTheSettingsFileOverPathCfg) {
    const std::string program = m_dir.file("oxel");
    testsupport::WriteFile(m_dir.file("path.cfg"), "/from/path.cfg\n");
    OxelSettings first;
    oxel::LoadStartupSettings(program, first, m_newFont);
    EXPECT_EQ(first.forumScriptPath, "/from/path.cfg");

    WriteIni("[General]\r\nYaBB=/from/ini\r\n");
    OxelSettings later;
    oxel::LoadStartupSettings(program, later, m_newFont);
    EXPECT_EQ(later.forumScriptPath, "/from/ini");
}

struct RecentCase {
    const char* name;
    oxel::PathStyle style;
    int32_t max;
    Paths added;
    Paths expected;
};

class RecentFilesTest : public ::testing::TestWithParam<RecentCase> {};

TEST_P(RecentFilesTest, AddsAndTrims) {
    RecentFiles recent(GetParam().style);
    recent.SetMax(GetParam().max);
    for (const std::string& path : GetParam().added) {
        recent.AddMRU(path);
    }
    EXPECT_EQ(recent.Items(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RecentFilesTest,
    ::testing::Values(
        RecentCase{"OldestFirst", oxel::PathStyle::Posix(), 10, {"/a", "/b"}, {"/a", "/b"}},
        RecentCase{"PresentEntryKeepsItsPlace",
                   oxel::PathStyle::Posix(),
                   10,
                   {"/a", "/b", "/a"},
                   {"/a", "/b"}},
        RecentCase{"OtherCaseIsTheSameFileOnWindows",
                   oxel::PathStyle::Windows(),
                   10,
                   {"C:\\A.mod", "C:\\b.mod", "c:\\a.MOD"},
                   {"C:\\A.mod", "C:\\b.mod"}},
        RecentCase{"OtherCaseIsAnotherFileOnTheHost",
                   oxel::PathStyle::Posix(),
                   10,
                   {"/A.mod", "/a.mod"},
                   {"/A.mod", "/a.mod"}},
        RecentCase{"OldestDropped", oxel::PathStyle::Posix(), 2, {"/a", "/b", "/c"}, {"/b", "/c"}},
        RecentCase{"ZeroKeepsNothing", oxel::PathStyle::Posix(), 0, {"/a"}, {}}),
    [](const ::testing::TestParamInfo<RecentCase>& row) { return std::string(row.param.name); });

TEST(RecentFiles, LoweringTheMaximumKeepsTheNewest) {
    RecentFiles recent;
    for (const char* p : {"/1", "/2", "/3", "/4", "/5"}) {
        recent.AddMRU(p);
    }
    recent.SetMax(2);
    recent.CheckMRU();
    EXPECT_EQ(recent.Items(), (Paths{"/4", "/5"}));
    recent.SetMax(-1);
    recent.CheckMRU();
    EXPECT_TRUE(recent.Items().empty());
}

}  // namespace
