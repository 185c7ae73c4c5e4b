// Reading and writing rules of the settings object.
#include "kestrune/IniFile.h"

#include <gtest/gtest.h>

#include "InstallerTestSupport.h"
#include "TestSupport.h"

namespace {

using installertest::CrLf;
using kestrune::IniFile;

struct ReadCase {
    const char* name;
    std::string text;
    std::string section;
    std::string key;
    std::string expected;  // "<default>" when the default must come back
};

TEST(IniFileTest, ReadsByTheRules) {
    const std::vector<ReadCase> cases = {
        {"plain", "[Settings]\r\nEnableSkin=on\r\n", "Settings", "EnableSkin", "on"},
        {"blanks beside the equals sign", "[Settings]\r\nEnableSkin  =  off \r\n", "Settings",
         "EnableSkin", "off"},
        {"line trimmed of tabs and control bytes", "\t [Settings]\x01\r\n\tKey=v\x1f\r\n",
         "Settings", "Key", "v"},
        {"value keeps further equals signs", "[S]\r\nK=a=b\r\n", "S", "K", "a=b"},
        {"section and key ignore case", "[settings]\r\nenableskin=on\r\n", "SETTINGS", "EnableSkin",
         "on"},
        {"first entry wins", "[S]\r\nK=first\r\nk=second\r\n", "S", "K", "first"},
        {"only the first section of a name is searched", "[S]\r\nA=1\r\n[s]\r\nK=2\r\n", "S", "K",
         "<default>"},
        {"lines before the first section are ignored", "K=early\r\n[S]\r\n", "S", "K", "<default>"},
        {"comment lines are skipped", "[S]\r\n;K=commented\r\n  ; K=too\r\nK=real\r\n", "S", "K",
         "real"},
        {"a line without = is no entry", "[S]\r\nK\r\n", "S", "K", "<default>"},
        {"bytes above 0x7f are text, not blanks", "[S]\r\nK=\xa0x\xa0\r\n", "S", "K", "\xa0x\xa0"},
        {"LF and lone CR end lines too", "[S]\nA=1\rK=2", "S", "K", "2"},
        {"section name trimmed inside brackets", "[  S  ]\r\nK=1\r\n", "S", "K", "1"},
        {"missing section", "[S]\r\nK=1\r\n", "T", "K", "<default>"},
    };
    for (const ReadCase& c : cases) {
        IniFile ini = IniFile::FromText("x.ini", c.text);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.expected) << c.name;
    }
}

TEST(IniFileTest, WritesSectionsInOrderWithoutCommentsOrSpacing) {
    IniFile ini = IniFile::FromText("x.ini", CrLf({
                                                 "; a comment",
                                                 "[First]",
                                                 "  a = 1",
                                                 "",
                                                 "no equals sign here",
                                                 "[Second]",
                                                 "b=2",
                                                 "[first]",
                                                 "c=3",
                                             }));
    EXPECT_EQ(ini.ToText(), CrLf({"[First]", "a=1", "no equals sign here", "", "[Second]", "b=2",
                                  "", "[first]", "c=3", ""}));
}

TEST(IniFileTest, WriteStringReplacesInPlaceAppendsKeyAndAppendsSection) {
    IniFile ini =
        IniFile::FromText("x.ini", CrLf({"[Settings]", "Version=v2.5.6", "Scriptpath=/old",
                                         "EnableSkin=on", "[Other]", "x=1"}));
    ini.WriteString("settings", "SCRIPTPATH", "/new/YaBB.pl");
    ini.WriteString("Settings", "Installmode", "Fast mode");
    ini.WriteString("Added", "k", "v");
    EXPECT_EQ(ini.ToText(),
              CrLf({"[Settings]", "Version=v2.5.6", "SCRIPTPATH=/new/YaBB.pl", "EnableSkin=on",
                    "Installmode=Fast mode", "", "[Other]", "x=1", "", "[Added]", "k=v", ""}));
}

TEST(IniFileTest, WrittenValuesEndAtTheirFirstLineBreak) {
    IniFile ini = IniFile::FromText("x.ini", CrLf({"[Settings]", "EnableSkin=on"}));
    ini.WriteString("Settings", "Scriptpath",
                    "/forum/YaBB.pl\nTextEditor=/tmp/evil\r\n[Evil]\rx=1");
    IniFile reread = IniFile::FromText("x.ini", ini.ToText());
    EXPECT_EQ(reread.ReadString("Settings", "Scriptpath", ""), "/forum/YaBB.pl");
    EXPECT_EQ(reread.ReadString("Settings", "TextEditor", "none"), "none");
    EXPECT_TRUE(reread.ReadSectionValues("Evil").empty());
}

TEST(IniFileTest, ReadSectionValuesGivesStoredLinesInOrder) {
    IniFile ini = IniFile::FromText("x.ini", "[List]\r\nb = 2\r\nstray\r\na=1\r\n");
    EXPECT_EQ(ini.ReadSectionValues("LIST"), (std::vector<std::string>{"b=2", "stray", "a=1"}));
    EXPECT_TRUE(ini.ReadSectionValues("None").empty());
}

TEST(IniFileTest, EmptyObjectWritesEmptyFile) {
    EXPECT_EQ(IniFile::FromText("x.ini", "").ToText(), "");
}

TEST(IniFileTest, UpdateFileFailureKeepsTheOldFile) {
    testsupport::TempDir dir;
    const std::string path = dir.file("kestrune.ini");
    testsupport::WriteFile(path, "[S]\r\nK=old\r\n");
    IniFile ini = IniFile::FromText(path, "[S]\r\nK=new\r\n");

    testsupport::FaultyFileSystem fs(testsupport::FsCall::Write, 1, ENOSPC);
    auto failure = ini.UpdateFile(fs);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, path);
    EXPECT_EQ(testsupport::ReadFile(path), "[S]\r\nK=old\r\n");

    EXPECT_FALSE(ini.UpdateFile().has_value());
    EXPECT_EQ(testsupport::ReadFile(path), "[S]\r\nK=new\r\n\r\n");
}

}  // namespace
