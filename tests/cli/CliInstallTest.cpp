// install and uninstall end to end: what reaches the forum files, install.log and the terminal.
#include <filesystem>
#include <set>

#include "CliFixture.h"
#include "kestrune/ErrorMessages.h"

namespace clitest {
namespace {
namespace fs = std::filesystem;

using ::testing::HasSubstr;

std::set<std::string> FolderEntries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        names.insert(entry.path().string());
    }
    return names;
}

TEST_F(CliTest, InstallChangesTheFilesRecordsTheKeyAndPrintsTheWindowsLog) {
    CliResult result = Cli({"install", "polls.mod"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    ExpectForumEquals("expected/installed");
    EXPECT_EQ(InstallLog(), "YaBB 2.1\\polls.mod\r\n");
    EXPECT_EQ(result.out, Golden("install-polls.log"));
    EXPECT_EQ(result.err, "");
}

TEST_F(CliTest, UninstallGivesEveryFileBackByteForByte) {
    ASSERT_EQ(Cli({"install", "polls.mod"}).exitCode, 0);

    CliResult result = Cli({"uninstall", "polls.mod"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    ExpectForumEquals("forum");
    EXPECT_EQ(InstallLog(), "");
    EXPECT_THAT(result.out, HasSubstr("now uninstalling: Polls 1.1 (polls.mod)\n"));
    EXPECT_THAT(result.out, HasSubstr("installed mods: 1\nYaBB 2.1\\polls.mod\n"));
}

TEST_F(CliTest, AFailingStepWritesNothingAndExplainsTheSearch) {
    CliResult result = Cli({"install", "misfit.mod"});

    EXPECT_EQ(result.exitCode, 1);
    ExpectForumEquals("forum");
    EXPECT_FALSE(HasInstallLog());
    EXPECT_THAT(result.out, HasSubstr("Step 1 ... " + kestrune::ErrorLogText(12, "") + "\n"));
    EXPECT_THAT(result.out, HasSubstr("Step 2 ... " + kestrune::ErrorLogText(1, "") + "\n"));
    EXPECT_THAT(result.out, HasSubstr("Step 3 ... ok\n"));
    EXPECT_THAT(result.out, HasSubstr("> modifications failed! 2 errors occured."));
    // The hints go to standard error: the partial line of step 1, the nearest line of step 2.
    EXPECT_THAT(result.err, HasSubstr("hint: it occurs at line 3, but not as whole lines:\n"
                                      "  3| \tmy ($board, $subject) = @_;\n"));
    EXPECT_THAT(result.err, HasSubstr("the nearest is line 4, the most similar one:\n"
                                      "  4| \t&CheckBoard($board);\n"));
}

TEST_F(CliTest, DryRunDiffWritesNothingAndPatchAndGitApplyTurnTheForumIntoWhatInstallWrites) {
    CliResult result = Cli({"install", "--dry-run", "--diff", "polls.mod"});

    ASSERT_EQ(result.exitCode, 0) << result.err;
    ExpectForumEquals("forum");
    EXPECT_FALSE(HasInstallLog());
    EXPECT_THAT(result.err, HasSubstr("> finished. modifications successful."));  // the log
    EXPECT_THAT(result.out, HasSubstr("--- a/Sources/Post.pl\n+++ b/Sources/Post.pl\n"));
    EXPECT_THAT(result.out, HasSubstr("+require \"Sources/Poll.pl\";\r\n"));  // CRs stay

    const std::string diffFile = Temp() + "polls.diff";
    testsupport::WriteFile(diffFile, result.out);
    for (const std::string& tool : {std::string("patch"), std::string("git")}) {
        SCOPED_TRACE(tool);
        const std::string copy = Temp() + tool + "-forum";
        fs::copy(Forum(), copy, fs::copy_options::recursive);
        const std::string apply =
            tool == "patch" ? "/usr/bin/patch -p1 --batch --silent --no-backup-if-mismatch < "
                            : "GIT_CEILING_DIRECTORIES=" + ShellQuote(Temp()) +
                                  " git apply --whitespace=nowarn ";
        ASSERT_TRUE(Shell("cd " + ShellQuote(copy) + " && " + apply + ShellQuote(diffFile)));
        for (const std::string& name : kForumFiles) {
            EXPECT_EQ(testsupport::ReadFile(copy + "/" + name), Data("expected/installed/" + name))
                << name;
        }
    }
}

TEST_F(CliTest, DiffOfARealRunIsTheDryRunsAndUninstallDiffUndoesIt) {
    const std::string dryRun = Cli({"install", "--dry-run", "--diff", "polls.mod"}).out;
    CliResult install = Cli({"install", "--diff", "polls.mod"});
    ASSERT_EQ(install.exitCode, 0) << install.err;
    EXPECT_EQ(install.out, dryRun);
    ExpectForumEquals("expected/installed");

    CliResult uninstall = Cli({"uninstall", "--dry-run", "--diff", "polls.mod"});
    ASSERT_EQ(uninstall.exitCode, 0) << uninstall.err;
    const std::string diffFile = Temp() + "undo.diff";
    testsupport::WriteFile(diffFile, uninstall.out);
    ASSERT_TRUE(Shell("cd " + ShellQuote(Forum()) + " && /usr/bin/patch -p1 --batch --silent < " +
                      ShellQuote(diffFile)));
    ExpectForumEquals("forum");
}

TEST_F(CliTest, WithoutTheLineBreakCheckAnLfFileMatchesNoStep) {
    CliResult result = Cli({"install", "--no-linebreak-check", "polls.mod"});

    EXPECT_EQ(result.exitCode, 1);
    ExpectForumEquals("forum");
    EXPECT_THAT(result.out, HasSubstr("Step 1 ... ok\nStep 2 ... failed - ERR(12)"));
    EXPECT_THAT(result.err, HasSubstr("the lines of this file end in LF alone"));
}

TEST_F(CliTest, AReadOnlyFileToEditFailsItsStepsWithError17) {
    testsupport::MakeReadOnly(Forum() + "Sources/Subs.pl");

    CliResult result = Cli({"install", "polls.mod"});

    EXPECT_EQ(result.exitCode, 1);
    ExpectForumEquals("forum");
    EXPECT_THAT(
        result.out,
        HasSubstr("Step 4 ... " + kestrune::ErrorLogText(17, Forum() + "Sources/Subs.pl") + "\n"));
    EXPECT_FALSE(HasInstallLog());
}

// A file-size limit makes the write-back fail after every step succeeded, as a full disk or
// a quota would: the crash-safe write leaves every file as it was, and nothing is recorded.
TEST_F(CliTest, AFailedWriteChangesNothingAndExits3) {
    std::string subs = ForumFile("Sources/Subs.pl");
    for (int i = 0; i < 2000; ++i) {
        subs = "# keeps this file above the size limit of the test\r\n" + subs;
    }
    testsupport::WriteFile(Forum() + "Sources/Subs.pl", subs);
    const std::set<std::string> entriesBefore = FolderEntries(Forum());
    RunSettings limited;
    limited.fileSizeLimit = 64 * 1024;

    CliResult result = Cli({"install", "polls.mod"}, limited);

    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_EQ(ForumFile("YaBB.pl"), Data("forum/YaBB.pl"));
    EXPECT_EQ(ForumFile("Sources/Post.pl"), Data("forum/Sources/Post.pl"));
    EXPECT_EQ(ForumFile("Sources/Subs.pl"), subs);
    EXPECT_EQ(FolderEntries(Forum()), entriesBefore);  // no temporary file left behind
    EXPECT_FALSE(HasInstallLog());
    EXPECT_THAT(result.err, HasSubstr("Could not write the forum file\n" + Forum()));
}

TEST_F(CliTest, AModWithAParseFaultIsNeverApplied) {
    CliResult result = Cli({"install", "broken.mod"});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
              "Error Code 9:\n\n" + kestrune::FormatErrorMessage(9, {"</replace>"}) + "\n");
    EXPECT_EQ(result.out, "");
    ExpectForumEquals("forum");
    EXPECT_FALSE(HasInstallLog());
}

TEST_F(CliTest, InstallingAnInstalledModOrUninstallingAnotherIsRefused) {
    ASSERT_EQ(Cli({"mark", "polls.mod"}).exitCode, 0);

    CliResult again = Cli({"install", "polls.mod"});
    CliResult notInstalled = Cli({"uninstall", "misfit.mod"});

    EXPECT_EQ(again.exitCode, 2);
    EXPECT_THAT(again.err, HasSubstr("YaBB 2.1\\polls.mod is already recorded as installed"));
    EXPECT_EQ(notInstalled.exitCode, 2);
    EXPECT_THAT(notInstalled.err, HasSubstr("YaBB 2.1\\misfit.mod is not recorded"));
    ExpectForumEquals("forum");
    EXPECT_EQ(InstallLog(), "YaBB 2.1\\polls.mod\r\n");
}

TEST_F(CliTest, AMissingMainScriptIsError4) {
    CliResult result = RunCli({"--home", Home(), "--script", Forum() + "YaBB.cgi", "--folder",
                               "YaBB 2.1", "install", "polls.mod"});

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "Error Code 4:\n\n" + kestrune::FormatErrorMessage(4) + "\n");
    ExpectForumEquals("forum");
}

TEST_F(CliTest, AModGivenByItsPathIsRecordedUnderItsFolder) {
    RunSettings inTemp;
    inTemp.workingFolder = Temp();

    CliResult result = RunCli({"--home", "program", "--script", "forum/YaBB.pl", "install",
                               "program/Mods/YaBB 2.1/polls.mod"},
                              inTemp);

    EXPECT_EQ(result.exitCode, 0) << result.err;
    ExpectForumEquals("expected/installed");
    EXPECT_EQ(InstallLog(), "YaBB 2.1\\polls.mod\r\n");
}

TEST_F(CliTest, AModOutsideTheModFoldersIsShownButNeverInstalled) {
    const std::string outside = Temp() + "draft/polls.mod";
    testsupport::WriteFile(outside, Data("program/Mods/YaBB 2.1/polls.mod"));

    CliResult info = Cli({"info", outside});
    CliResult install = Cli({"install", outside});

    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_THAT(info.out, HasSubstr("Name: Polls\n"));
    EXPECT_EQ(install.exitCode, 2);
    EXPECT_THAT(install.err, HasSubstr("is not a mod of a mod folder"));
    ExpectForumEquals("forum");
}

TEST_F(CliTest, AModWithoutStepsIsRecordedWithoutTouchingTheForum) {
    CliResult result = Cli({"--folder", "yabb 2.0", "install", "legacy.mod"});

    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_THAT(result.out, HasSubstr("> finished.\n> note: this mod did not contain any actions "
                                      "so nothing has been done at all\n"));
    EXPECT_EQ(InstallLog(), "YaBB 2.0\\legacy.mod\r\n");
    ExpectForumEquals("forum");
}

}  // namespace
}  // namespace clitest
