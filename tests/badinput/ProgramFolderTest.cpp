// The installer's own surroundings gone wrong: a main script that is missing, a folder, a pipe
// or unreadable; a Mods folder full of odd names; a malformed kestrune.ini.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Installation.h"
#include "TestSupport.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/ModFolders.h"

namespace {

namespace fs = std::filesystem;
using hardening::CrLf;
using hardening::Installation;

TEST(BadMainScript, MissingFolderOrPipeRefusesEveryTickWithErrorFour) {
    struct Case {
        const char* name;
        void (*make)(const std::string& path);
    };
    const std::vector<Case> cases = {
        {"missing", [](const std::string& path) { fs::remove(path); }},
        {"folder",
         [](const std::string& path) {
             fs::remove(path);
             fs::create_directory(path);
         }},
        {"pipe",
         [](const std::string& path) {
             fs::remove(path);
             ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Installation installation;
        c.make(installation.ForumFile("YaBB.pl"));
        installation.Start();
        EXPECT_EQ(installation.Session().DetectedScript(), "");

        EXPECT_EQ(installation.Tick(std::string(hardening::kQuickReply), true).decision,
                  kestrune::TickDecision::PutBack);
        EXPECT_EQ(installation.Boxes().TakeTexts(), kestrune::ErrorBoxText(4));
        EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
                  hardening::kPostOriginal);
    }
}

TEST(BadMainScript, AnUnreadableScriptIsNotRecognisedButItsForumStillTakesMods) {
    Installation installation;
    ASSERT_EQ(::chmod(installation.ForumFile("YaBB.pl").c_str(), 0200), 0);
    {
        hardening::Unprivileged nobody;
        installation.Start();
        EXPECT_EQ(installation.Session().DetectedScript(), "");
    }
    EXPECT_EQ(installation.Tick(std::string(hardening::kQuickReply), true).errorCount, 0);
    EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
              hardening::kPostInstalled);
}

TEST(OddModNames, AreListedWithoutAHangAndTheirRecordsReadBack) {
    Installation installation;
    const fs::path mods = fs::path(installation.ProgramFile("Mods")) / "YaBB 2.1";
    const std::string quick = testsupport::ReadFile(mods / "QuickReply.mod");
    const std::vector<std::string> plain = {
        "with space.mod",  "UPPER.MOD", ".hidden.mod", "latin1-\xe9.mod",
        "back\\slash.mod", "-dash.mod", ".mod",        std::string(200, 'n') + ".mod"};
    for (const std::string& name : plain) {
        testsupport::WriteFile(mods / name, quick);
    }
    testsupport::WriteFile(mods / "line\nbreak.mod", quick);  // can't be recorded: left out
    fs::create_directory(mods / "folder.mod");
    ASSERT_EQ(::mkfifo((mods / "pipe.mod").c_str(), 0644), 0);
    fs::create_symlink("nowhere.mod", mods / "dangling.mod");
    fs::create_symlink("loop.mod", mods / "loop.mod");
    testsupport::WriteFile(fs::path(installation.ProgramFile("Mods")) / "stray file", "x");
    testsupport::WriteFile(fs::path(installation.ProgramFile("Mods")) / "bad\nfolder" / "a.mod",
                           quick);

    std::vector<std::string> expected = plain;
    for (const char* unreadable : {"dangling.mod", "loop.mod", "pipe.mod"}) {
        expected.push_back(unreadable);
    }
    expected.push_back("QuickReply.mod");
    kestrune::InstallerSession& session = installation.Start();
    std::vector<std::string> listed;
    for (const kestrune::ModItem& item : session.mods()) {
        listed.push_back(item.name);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(session.folders(), (std::vector<std::string>{"stray file", "YaBB 2.1"}));

    // Showing each parses it; the ones that are no readable file say the mod can't be found.
    for (size_t i = 0; i < session.mods().size(); ++i) {
        session.SetCurrentItem(static_cast<int>(i));
        session.ShowModInfo();
        std::error_code ec;
        const bool readable = fs::is_regular_file(mods / session.mods()[i].name, ec);
        EXPECT_EQ(session.lastParse().faultCode, readable ? 0 : 8) << session.mods()[i].name;
    }
    installation.Boxes().TakeTexts();

    // Every odd name is recorded by hand and ticked again after a restart.
    for (const std::string& name : plain) {
        EXPECT_EQ(installation.Mark(name, true), kestrune::TickDecision::Marked);
    }
    EXPECT_TRUE(session.Shutdown());
    installation.Start();
    for (const kestrune::ModItem& item : installation.Session().mods()) {
        const bool marked = std::find(plain.begin(), plain.end(), item.name) != plain.end();
        EXPECT_EQ(item.ticked, marked) << item.name;
    }
}

TEST(BadSettingsFile, MalformedKestruneIniStartsWithDefaultsAndIsWrittenCleanly) {
    const std::string hugeLine(1 << 20, 'z');
    struct Case {
        const char* name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"binary", std::string("\x00\xff[Settings\x01]\r\n=\x02\x03\r\n\xfe", 21)},
        {"no sections", "EnableSkin=off\r\nInstallmode=Step by step mode\r\n"},
        {"broken headers", "[Settings\r\nScriptpath=x\r\n]Settings[\r\n[\r\n]\r\n"},
        {"huge line", "[Settings]\r\n" + hugeLine + "\r\n" + hugeLine + "=" + hugeLine + "\r\n"},
        {"duplicate sections", "[Settings]\r\n[settings]\r\nInstallmode=Step by step mode\r\n"},
        {"lone CR and LF", "[Settings]\rEnableSkin = on\n\n\r;EnableSkin=off\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Installation installation;
        testsupport::WriteFile(installation.ProgramFile("kestrune.ini"), c.text);
        kestrune::InstallerSession& session = installation.Start();
        EXPECT_TRUE(session.fastMode());
        EXPECT_TRUE(session.skinned());
        EXPECT_EQ(session.scriptPath(), "");
        EXPECT_EQ(installation.Boxes().TakeTexts(), "");

        session.SetScriptPath(installation.ForumFile("YaBB.pl"));
        EXPECT_TRUE(session.Shutdown());
        const std::string written = testsupport::ReadFile(installation.ProgramFile("kestrune.ini"));
        EXPECT_NE(written.find("[Settings]\r\n"), std::string::npos);
        EXPECT_NE(written.find("Scriptpath=" + installation.ForumFile("YaBB.pl") + "\r\n"),
                  std::string::npos);
        installation.Start();
        EXPECT_EQ(installation.Session().scriptPath(), installation.ForumFile("YaBB.pl"));
    }
}

TEST(BadSettingsFile, AnUnreadableKestruneIniIsReportedAndNeverReplaced) {
    Installation installation;
    const std::string ini = installation.ProgramFile("kestrune.ini");
    const std::string before = testsupport::ReadFile(ini);
    ASSERT_EQ(::chmod(ini.c_str(), 0200), 0);
    {
        hardening::Unprivileged nobody;
        installation.Start();
    }
    EXPECT_EQ(installation.Boxes().TakeTexts(),
              "Could not read the settings file\r\n" + ini + "\r\nPermission denied");
    EXPECT_EQ(installation.Session().scriptPath(), "");
    installation.Session().SetScriptPath(installation.ForumFile("YaBB.pl"));
    installation.Session().Shutdown();
    EXPECT_EQ(testsupport::ReadFile(ini), before);
}

TEST(BadSettingsFile, AKestruneIniThatIsAFolderIsReportedAndLeftAlone) {
    Installation installation;
    fs::remove(installation.ProgramFile("kestrune.ini"));
    testsupport::WriteFile(fs::path(installation.ProgramFile("kestrune.ini")) / "inside", "kept");
    kestrune::InstallerSession& session = installation.Start();
    EXPECT_NE(installation.Boxes().TakeTexts().find(installation.ProgramFile("kestrune.ini") +
                                                    "\r\nIs a directory"),
              std::string::npos);
    EXPECT_FALSE(session.Shutdown());
    EXPECT_EQ(testsupport::ReadFile(fs::path(installation.ProgramFile("kestrune.ini")) / "inside"),
              "kept");
}

}  // namespace
