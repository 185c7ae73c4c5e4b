// The other commands end to end: arguments, list, info, show, mark, unmark, clear-log, and the
// settings file the command line shares with the window.
#include <filesystem>

#include "CliFixture.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/KestruneSettings.h"

namespace clitest {
namespace {

using ::testing::HasSubstr;

struct BadArguments {
    const char* name;
    std::vector<std::string> args;
    const char* message;  // part of what standard error must say
};

// Rows print as their names in test output.
void PrintTo(const BadArguments& row, std::ostream* os) {
    *os << row.name;
}

class CliBadArgumentsTest : public CliTest, public ::testing::WithParamInterface<BadArguments> {};

TEST_P(CliBadArgumentsTest, ExitsWith2AndSaysWhy) {
    CliResult result = Cli(GetParam().args);

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.err, HasSubstr(GetParam().message));
    EXPECT_EQ(result.out, "");
    ExpectForumEquals("forum");
    EXPECT_FALSE(HasInstallLog());
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliBadArgumentsTest,
    ::testing::Values(
        BadArguments{"NoCommand", {}, "A subcommand is required"},
        BadArguments{"UnknownCommand", {"remove", "polls.mod"}, "unknown command \"remove\""},
        BadArguments{"InstallWithoutMod", {"install"}, "MOD is required"},
        BadArguments{"UnknownOption", {"install", "--force", "polls.mod"}, "--force"},
        BadArguments{"DiffWithList", {"list", "--diff"}, "--dry-run and --diff go with install"},
        BadArguments{"JsonWithInstall",
                     {"install", "--json", "polls.mod"},
                     "--json goes with list and info only"},
        BadArguments{"UnknownFolder",
                     {"--folder", "YaBB 9", "list"},
                     "there is no mod folder named \"YaBB 9\""},
        BadArguments{"MissingMod", {"install", "nosuch.mod"}, "Error Code 8:\n\n"},
        BadArguments{"ModOfAnotherFolder",
                     {"--folder", "YaBB 2.0", "info", "polls.mod"},
                     "YaBB 2.0/polls.mod"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(CliTest, VersionAndHelp) {
    CliResult version = RunCli({"--version"});
    CliResult help = RunCli({"--help"});

    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "kestrune-cli v2.5.6\n");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word : {"list", "info", "install", "uninstall", "show", "mark", "unmark",
                             "clear-log", "--home", "--script", "--folder", "--dry-run", "--diff",
                             "--json", "--no-linebreak-check", "--version"}) {
        EXPECT_THAT(help.out, HasSubstr(word));
    }
}

TEST_F(CliTest, ListShowsFoldersModsTicksAndTheCounter) {
    ASSERT_EQ(Cli({"mark", "polls.mod"}).exitCode, 0);

    CliResult result = Cli({"list"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Mod folders:\n"
              "  YaBB 2.0\n"
              "* YaBB 2.1\n"
              "\n"
              "Mods in \"YaBB 2.1\":\n"
              "[ ] broken.mod\n"
              "[ ] misfit.mod\n"
              "[x] polls.mod\n"
              "\n"
              "3 Mods, 1 Installed\n");
}

TEST_F(CliTest, ListJsonMatchesItsGolden) {
    ASSERT_EQ(Cli({"mark", "polls.mod"}).exitCode, 0);

    CliResult result = Cli({"list", "--json"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, Golden("list.json"));
}

// The author holds a Latin-1 byte, which JSON carries as its character.
TEST_F(CliTest, InfoJsonMatchesItsGolden) {
    CliResult result = Cli({"info", "--json", "polls.mod"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, Golden("info-polls.json"));
}

TEST_F(CliTest, InfoShowsTheFieldsTheFilesAndEachStep) {
    CliResult result = Cli({"info", "polls.mod"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("Name: Polls\nVersion: 1.1\nAuthor: Andr\xe9 \"Poll\" "
                                      "Smith\nHomepage: http://polls.example.invalid/\n"
                                      "Description:\nAdds a poll to every new thread.\n"
                                      "Needs nothing else.\n"));
    EXPECT_THAT(result.out, HasSubstr("Files To Edit: There are 3 files to edit\n  YaBB.pl\n  "
                                      "Sources/Post.pl\n  Sources/Subs.pl\nTotal Actions: 4\n"));
    EXPECT_THAT(result.out, HasSubstr("Step 3: replace in Sources/Post.pl\n<search for>\n"
                                      "\treturn 1;\n}\n</search for>\n<replace>\n\treturn 2;\n}\n"
                                      "</replace>\n"));
}

TEST_F(CliTest, ShowOfAnInstalledModIsTheUninstallationAndChangesNothing) {
    ASSERT_EQ(Cli({"mark", "polls.mod"}).exitCode, 0);

    CliResult result = Cli({"show", "polls.mod"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, Golden("show-polls-installed.txt"));
    ExpectForumEquals("forum");
    EXPECT_EQ(InstallLog(), "YaBB 2.1\\polls.mod\r\n");
}

TEST_F(CliTest, ShowOfAModWithoutStepsSaysThereIsNothingToDo) {
    CliResult result = Cli({"--folder", "YaBB 2.0", "show", "legacy.mod"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("manual installation mode.\n"));
    EXPECT_THAT(result.out,
                HasSubstr("\nSteps 0 of 0\n[nothing todo here]\n[nothing todo here]\n"));
}

TEST_F(CliTest, MarkUnmarkAndClearLogChangeOnlyTheLog) {
    CliResult mark = Cli({"mark", "polls.mod"});
    EXPECT_EQ(mark.exitCode, 0) << mark.err;
    EXPECT_EQ(mark.out, "YaBB 2.1\\polls.mod marked as installed\n3 Mods, 1 Installed\n");
    EXPECT_EQ(InstallLog(), "YaBB 2.1\\polls.mod\r\n");

    ASSERT_EQ(Cli({"--folder", "YaBB 2.0", "mark", "legacy.mod"}).exitCode, 0);
    EXPECT_EQ(InstallLog(), "YaBB 2.1\\polls.mod\r\nYaBB 2.0\\legacy.mod\r\n");

    CliResult unmark = Cli({"unmark", "POLLS.MOD"});  // the window's keys ignore letter case
    EXPECT_EQ(unmark.exitCode, 0) << unmark.err;
    EXPECT_EQ(InstallLog(), "YaBB 2.0\\legacy.mod\r\n");

    CliResult clear = Cli({"clear-log"});
    EXPECT_EQ(clear.exitCode, 0) << clear.err;
    EXPECT_EQ(clear.err, "");
    EXPECT_EQ(InstallLog(), "");
    ExpectForumEquals("forum");
}

TEST_F(CliTest, MarkingNeedsTheMainScriptLikeTheWindowsCtrlClick) {
    CliResult result = RunCli({"--home", Home(), "--script", Forum() + "nothere.pl", "--folder",
                               "YaBB 2.1", "mark", "polls.mod"});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "Error Code 4:\n\n" + kestrune::FormatErrorMessage(4) + "\n");
    EXPECT_FALSE(HasInstallLog());
}

TEST_F(CliTest, AMissingSettingsFileIsCreatedFromTheDefaultText) {
    ASSERT_EQ(Cli({"list"}).exitCode, 0);

    EXPECT_EQ(testsupport::ReadFile(Home() + "kestrune.ini"),
              std::string(kestrune::DefaultSettingsText) + "\r\n");
}

TEST_F(CliTest, TheScriptComesFromScriptpathAndTheSettingsAreNeverRewritten) {
    std::string ini = "; my settings\r\n" + std::string(kestrune::DefaultSettingsText);
    ini.replace(ini.find("Scriptpath="), 11, "Scriptpath = " + Script());
    ini.replace(ini.find("Fast mode"), 9, "Step by step mode");
    testsupport::WriteFile(Home() + "kestrune.ini", ini);

    CliResult list = CliWithoutScript({"list", "--json"});
    CliResult install = CliWithoutScript({"install", "polls.mod"});

    EXPECT_THAT(list.out, HasSubstr("\"script\": \"" + Script() + "\""));
    EXPECT_EQ(install.exitCode, 0) << install.err;  // fast, whatever Installmode says
    ExpectForumEquals("expected/installed");
    EXPECT_EQ(testsupport::ReadFile(Home() + "kestrune.ini"), ini);
}

TEST_F(CliTest, ASettingsFileOfAnotherVersionIsReplacedButKeepsItsScriptpath) {
    testsupport::WriteFile(Home() + "kestrune.ini", "[Settings]\r\nVersion=v2.5.5\r\nScriptpath=" +
                                                        Script() + "\r\nEnableSkin=off\r\n");

    CliResult result = CliWithoutScript({"list"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string written = testsupport::ReadFile(Home() + "kestrune.ini");
    EXPECT_THAT(written, HasSubstr("Version=v2.5.6\r\nScriptpath=" + Script() + "\r\n"));
    EXPECT_THAT(written, HasSubstr("EnableSkin=on\r\n"));
    EXPECT_THAT(result.out, HasSubstr("* YaBB 2.1\n"));
}

}  // namespace
}  // namespace clitest
