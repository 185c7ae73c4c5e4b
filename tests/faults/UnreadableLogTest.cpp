// An install.log that exists but can't be read is a record we don't know: it is never
// replaced, while installing and marking go on in memory and say that they can't be saved.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "Installation.h"
#include "TestSupport.h"
#include "kestrune/ModFolders.h"

namespace {

using hardening::Installation;
using hardening::Unprivileged;

TEST(UnreadableInstallLog, IsNeverReplacedAndEveryChangeSaysItIsNotSaved) {
    Installation installation;
    const std::string log = installation.ProgramFile("install.log");
    const std::string records = "YaBB 2.1\\Other.mod\r\nYaBB 2.1\\Polls.mod\r\n";
    testsupport::WriteFile(log, records);
    ASSERT_EQ(::chmod(log.c_str(), 0200), 0);
    {
        Unprivileged nobody;
        installation.Start();
    }
    EXPECT_EQ(installation.Boxes().TakeTexts(),
              "Could not read the installed-mods log\r\n" + log + "\r\nPermission denied");
    const std::string notSaved = "Could not save the installed-mods log\r\n" + log +
                                 "\r\nit could not be read at start-up, so it is left as it is; "
                                 "the change is kept until the program ends";

    // An installation still changes the forum and is recorded in memory.
    hardening::TickResult run = installation.Tick(std::string(hardening::kQuickReply), true);
    EXPECT_EQ(run.errorCount, 0) << run.runLog;
    EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
              hardening::kPostInstalled);
    EXPECT_TRUE(installation.Session().log().Contains(kestrune::ModLogKey(
        std::string(hardening::kModFolder), std::string(hardening::kQuickReply))));
    EXPECT_EQ(installation.Boxes().TakeTexts(), notSaved);

    // So does a mark by hand, clearing the log, and the exit.
    installation.Mark(std::string(hardening::kQuickReply), false);
    EXPECT_EQ(installation.Boxes().TakeTexts(), notSaved);
    EXPECT_FALSE(installation.Session().Shutdown());
    EXPECT_EQ(installation.Boxes().TakeTexts(), notSaved);

    EXPECT_EQ(testsupport::ReadFile(log), records);
    EXPECT_NE(testsupport::ReadFile(installation.ProgramFile("kestrune.ini")).find("Scriptpath="),
              std::string::npos)
        << "the settings are still written";
}

}  // namespace
