// Recognising the forum version from its main script, with the shipped detection table.
#include "kestrune/ScriptDetection.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "kestrune/IniFile.h"
#include "kestrune/KestruneSettings.h"

namespace {

std::vector<std::string> DefaultTable() {
    return kestrune::ReadDetectionTable(
        kestrune::IniFile::FromText("k.ini", kestrune::DefaultSettingsText));
}

struct DetectCase {
    const char* name;
    std::string script;
    std::string expected;
};

TEST(ScriptDetectionTest, DefaultTableRecognisesOurSampleScripts) {
    const std::vector<DetectCase> cases = {
        {"YaBB 2.1", "#!/usr/bin/perl\r\n$YaBBversion = 'YaBB 2.1';\r\n", "YaBB 2.1"},
        {"double quotes without blanks", "#!/usr/bin/perl\n$YaBBversion=\"1 Final\";\n",
         "YaBB 1 Final"},
        {"SP1 written without a blank", "$YaBBversion = '1 Gold - SP1';\n", "YaBB 1 Gold - SP 1"},
        {"SP 1.3.1 is not taken for SP 1.3", "$YaBBversion = '1 Gold - SP 1.3.1';",
         "YaBB 1 Gold - SP 1.3.1"},
        {"PHP edition", "<?php\r\n$YaBBversion = 'YaBB SE 1.5.5';\r\n?>", "YaBB SE 1.5.5"},
        {"lone CR line breaks", "#!perl\r$YaBBversion = 'YaBB 2.2';\r1;", "YaBB 2.2"},
        {"signature is case-sensitive", "$yabbversion = 'YaBB 2.1';\n", ""},
        {"different spacing is another text", "$YaBBversion='YaBB 2.1';\n", ""},
        {"unknown version", "$YaBBversion = 'YaBB 9';\n", ""},
        {"empty script", "", ""},
    };
    testsupport::TempDir dir;
    for (const DetectCase& c : cases) {
        testsupport::WriteFile(dir.file("YaBB.pl"), c.script);
        EXPECT_EQ(kestrune::DetectForumVersion(dir.file("YaBB.pl"), DefaultTable()), c.expected)
            << c.name;
    }
}

TEST(ScriptDetectionTest, TableRules) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.file("YaBB.pl"), "line one\nsig-a\nsig-b\n");
    const std::string script = dir.file("YaBB.pl");
    struct Case {
        const char* name;
        std::vector<std::string> table;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"earlier row wins", {"B=sig-b", "A=sig-a"}, "B"},
        {"empty signature never matches", {"Empty=", "A=sig-a"}, "A"},
        {"a name uses the signature of its first row", {"A=nothing here", "a=sig-a"}, ""},
        {"rows without = are skipped", {"sig-a", "B=sig-b"}, "B"},
        // Every line is followed by CR LF, the last one too, whatever the file had.
        {"line breaks read as CR LF", {"Two=sig-a\r\nsig-b\r\n"}, "Two"},
        {"LF alone is not in the joined text", {"Lf=sig-a\nsig-b"}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kestrune::DetectForumVersion(script, c.table), c.expected) << c.name;
    }
}

TEST(ScriptDetectionTest, MissingScriptOrFolderGivesNothing) {
    testsupport::TempDir dir;
    std::vector<std::string> table = {"Any=a"};
    EXPECT_EQ(kestrune::DetectForumVersion(dir.file("YaBB.pl"), table), "");
    EXPECT_EQ(kestrune::DetectForumVersion(dir.folder(), table), "");
    EXPECT_EQ(kestrune::DetectForumVersion("", table), "");
}

}  // namespace
