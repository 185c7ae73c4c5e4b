// A program folder and a forum of our own, copied from tests/data/cli into a temp folder for
// each test, and kestrune-cli run on them.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliRunner.h"
#include "TestSupport.h"

namespace clitest {

// The forum's files, relative to its folder.
inline const std::vector<std::string> kForumFiles = {"YaBB.pl", "Sources/Post.pl",
                                                     "Sources/Subs.pl"};

class CliTest : public ::testing::Test {
  protected:
    CliTest();

    std::string Home() const { return m_dir.folder() + "program/"; }
    std::string Forum() const { return m_dir.folder() + "forum/"; }
    std::string Script() const { return Forum() + "YaBB.pl"; }
    std::string Temp() const { return m_dir.folder(); }

    // kestrune-cli --home HOME --script SCRIPT args...
    CliResult Cli(const std::vector<std::string>& args, const RunSettings& settings = {}) const;
    // kestrune-cli --home HOME args... (the script comes from kestrune.ini)
    CliResult CliWithoutScript(const std::vector<std::string>& args) const;

    std::string ForumFile(const std::string& name) const;
    std::string InstallLog() const;  // "(none)" when there is no install.log
    bool HasInstallLog() const;

    // A fixture file of tests/data/cli, e.g. "expected/installed/YaBB.pl".
    static std::string Data(const std::string& relative);
    // A golden file with "@FORUM@" replaced by this test's forum folder.
    std::string Golden(const std::string& name) const;

    // Every forum file equals the one under tests/data/cli/`tree`.
    void ExpectForumEquals(const std::string& tree) const;

    testsupport::TempDir m_dir;
};

}  // namespace clitest
