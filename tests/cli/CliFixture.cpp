// The end-to-end fixture: a fresh copy of the test program folder and forum.
#include "CliFixture.h"

#include <filesystem>

namespace clitest {
namespace fs = std::filesystem;

CliTest::CliTest() {
    const fs::path data = fs::path(TEST_DATA_DIR) / "cli";
    fs::copy(data / "program", m_dir.path() / "program", fs::copy_options::recursive);
    fs::copy(data / "forum", m_dir.path() / "forum", fs::copy_options::recursive);
}

CliResult CliTest::Cli(const std::vector<std::string>& args, const RunSettings& settings) const {
    std::vector<std::string> all = {"--home", Home(), "--script", Script()};
    all.insert(all.end(), args.begin(), args.end());
    return RunCli(all, settings);
}

CliResult CliTest::CliWithoutScript(const std::vector<std::string>& args) const {
    std::vector<std::string> all = {"--home", Home()};
    all.insert(all.end(), args.begin(), args.end());
    return RunCli(all);
}

std::string CliTest::ForumFile(const std::string& name) const {
    return testsupport::ReadFile(Forum() + name);
}

bool CliTest::HasInstallLog() const {
    return fs::exists(Home() + "install.log");
}

std::string CliTest::InstallLog() const {
    return HasInstallLog() ? testsupport::ReadFile(Home() + "install.log") : "(none)";
}

std::string CliTest::Data(const std::string& relative) {
    return testsupport::ReadFile(fs::path(TEST_DATA_DIR) / "cli" / relative);
}

std::string CliTest::Golden(const std::string& name) const {
    std::string text = Data("golden/" + name);
    const std::string placeholder = "@FORUM@";
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at)) {
        text.replace(at, placeholder.size(), Forum());
        at += Forum().size();
    }
    return text;
}

void CliTest::ExpectForumEquals(const std::string& tree) const {
    for (const std::string& name : kForumFiles) {
        EXPECT_EQ(ForumFile(name), Data(tree + "/" + name)) << name;
    }
}

}  // namespace clitest
