// Which files a mod may edit: only files inside the forum folder, whatever its "<edit file>"
// says; symbolic links that the administrator put into the forum are followed and kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Installation.h"
#include "TestSupport.h"
#include "kestrune/DataFiles.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/OpenFileToEdit.h"

namespace {

namespace fs = std::filesystem;
using hardening::CrLf;
using hardening::Installation;

TEST(ForumFilePath, OnlyNamesThatStayInsideTheForumFolder) {
    struct Case {
        std::string name;
        bool inside;
    };
    const std::vector<Case> cases = {
        {"Sources/Post.pl", true},
        {"Sources//Post.pl", true},
        {"./Sources/../YaBB.pl", true},
        {"Sources/..", true},
        {"...", true},
        {"..hidden/x.pl", true},
        {"", true},
        {"..", false},
        {"../outside.pl", false},
        {"Sources/../../outside.pl", false},
        {"a/b/../../../x", false},
        {"./../x", false},
        {"/etc/passwd", false},
        {"//etc/passwd", false},
    };
    for (const Case& c : cases) {
        std::optional<std::string> path = kestrune::ForumFilePath("/srv/forum/", c.name);
        EXPECT_EQ(path.has_value(), c.inside) << c.name;
        if (path) {
            EXPECT_EQ(*path, "/srv/forum/" + c.name);
        }
    }
}

// A file beside the forum, in the program folder: what a hostile mod would like to change.
class OutsideTheForum : public ::testing::Test {
  protected:
    void SetUp() override {
        m_secret = m_installation.ProgramFile("secret.pl");
        testsupport::WriteFile(m_secret, "my $password = 'secret';\r\n");
        m_relative = "../" +
                     fs::path(m_installation.ProgramFile("")).parent_path().filename().string() +
                     "/secret.pl";
    }
    std::string HostileMod(const std::string& editFile) const {
        return CrLf({"<id>",
                     "Hostile",
                     "</id>",
                     "<edit file>",
                     "Sources/Post.pl",
                     "</edit file>",
                     "<search for>",
                     "    print $form;",
                     "</search for>",
                     "<replace>",
                     "    print $form_with_reply;",
                     "</replace>",
                     "<edit file>",
                     editFile,
                     "</edit file>",
                     "<search for>",
                     "my $password = 'secret';",
                     "</search for>",
                     "<replace>",
                     "my $password = 'known';",
                     "</replace>"});
    }

    Installation m_installation;
    std::string m_secret;
    std::string m_relative;  // the secret file, relative to the forum folder
};

TEST_F(OutsideTheForum, StepsOnFilesOutsideFailWithCodeTwoAndNothingIsWritten) {
    std::string backslashes = m_relative;
    std::replace(backslashes.begin(), backslashes.end(), '/', '\\');
    const std::vector<std::string> names = {m_relative, backslashes, "Sources/../" + m_relative,
                                            m_secret};
    for (size_t i = 0; i < names.size(); ++i) {
        m_installation.AddMod("Hostile" + std::to_string(i) + ".mod", HostileMod(names[i]));
    }
    m_installation.Start();
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        hardening::TickResult run =
            m_installation.Tick("Hostile" + std::to_string(i) + ".mod", true);
        EXPECT_EQ(run.errorCount, 1);
        std::string named = m_installation.Session().currentMod().Steps[1].FileToEdit;
        EXPECT_NE(run.runLog.find(kestrune::ErrorLogText(2, m_installation.ForumFolder() + named)),
                  std::string::npos)
            << run.runLog;
    }
    EXPECT_EQ(testsupport::ReadFile(m_secret), "my $password = 'secret';\r\n");
    EXPECT_EQ(testsupport::ReadFile(m_installation.ForumFile("Sources/Post.pl")),
              hardening::kPostOriginal);
}

TEST_F(OutsideTheForum, TheManualDisplayDoesNotOpenThemInTheEditor) {
    hardening::BoxRecorder boxes;
    std::vector<std::string> launched;
    kestrune::TStep step{m_relative, "my $password = 'secret';", 14, "x"};
    kestrune::OpenFileToEditClick(
        m_installation.ForumFolder(), step, "vi", boxes.Fn(),
        [&](const std::string&, const std::string& file) { launched.push_back(file); });
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(boxes.TakeTexts(),
              kestrune::ErrorBoxText(2, {m_installation.ForumFolder() + m_relative}));
}

TEST(OddFileToEdit, FoldersEmptyAndOverlongNamesFailTheRunAndNothingIsWritten) {
    struct Case {
        const char* name;
        std::string editFile;
        std::string logMarker;
    };
    const std::vector<Case> cases = {
        {"folder", "Sources", "failed - ERR(2): "},
        {"file used as a folder", "Sources/Post.pl/x.pl", "failed - ERR(2): "},
        {"trailing slash", "Sources/Post.pl/", "failed - ERR(2): "},
        {"overlong", std::string(5000, 'n') + ".pl", "could not read file to edit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Installation installation;
        installation.AddMod(
            "Odd.mod",
            CrLf({"<edit file>", "Sources/Post.pl", "</edit file>", "<search for>",
                  "    print $form;", "</search for>", "<replace>", "    print $form_with_reply;",
                  "</replace>", "<edit file>", c.editFile, "</edit file>", "<search for>", "a",
                  "</search for>", "<add after>", "b", "</add after>"}));
        installation.Start();
        hardening::TickResult run = installation.Tick("Odd.mod", true);
        EXPECT_GT(run.errorCount, 0);
        EXPECT_NE(run.runLog.find(c.logMarker), std::string::npos) << run.runLog;
        EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
                  hardening::kPostOriginal);
        EXPECT_TRUE(fs::is_directory(installation.ForumFile("Sources")));
    }
}

TEST(SymlinkedForumFiles, ALinkIsWrittenThroughAndStaysALink) {
    Installation installation;
    testsupport::TempDir elsewhere;  // the administrator keeps the real script here
    testsupport::WriteFile(elsewhere.file("Post.pl"), hardening::kPostOriginal);
    fs::remove(installation.ForumFile("Sources/Post.pl"));
    fs::create_symlink(elsewhere.file("Post.pl"), installation.ForumFile("Sources/Post.pl"));
    installation.Start();

    EXPECT_EQ(installation.Tick(std::string(hardening::kQuickReply), true).errorCount, 0);
    EXPECT_TRUE(fs::is_symlink(installation.ForumFile("Sources/Post.pl")));
    EXPECT_EQ(testsupport::ReadFile(elsewhere.file("Post.pl")), hardening::kPostInstalled);
    EXPECT_EQ(installation.Boxes().TakeTexts(), "");
}

TEST(SymlinkedForumFiles, DanglingAndLoopingLinksFailTheRunAndNothingIsWritten) {
    struct Case {
        const char* name;
        std::string target;     // relative to the link's folder
        std::string logMarker;  // what the run's log says
    };
    const std::vector<Case> cases = {
        {"dangling", "Gone.pl", "failed - ERR(2): "},
        {"looping", "Display.pl", "could not read file to edit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Installation installation;
        const std::string display = installation.ForumFile("Sources/Display.pl");
        fs::remove(display);
        fs::create_symlink(c.target, display);
        installation.Start();

        hardening::TickResult run = installation.Tick(std::string(hardening::kQuickReply), true);
        EXPECT_GT(run.errorCount, 0);
        EXPECT_NE(run.runLog.find(c.logMarker), std::string::npos) << run.runLog;
        EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
                  hardening::kPostOriginal);
        EXPECT_TRUE(fs::is_symlink(display));
        EXPECT_EQ(fs::read_symlink(display), c.target);
    }
}

}  // namespace
