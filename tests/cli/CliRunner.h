// Runs the built kestrune-cli as a child process and collects what it printed.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace clitest {

struct CliResult {
    int exitCode = -1;  // -1: the program did not exit normally
    std::string out;
    std::string err;
};

struct RunSettings {
    std::string workingFolder;          // empty: the test's own
    std::optional<long> fileSizeLimit;  // bytes: RLIMIT_FSIZE of the child
};

CliResult RunCli(const std::vector<std::string>& args, const RunSettings& settings = {});

// Runs a shell command line; true when it exits 0.
bool Shell(const std::string& commandLine);

// `text` in single quotes for a shell command line.
std::string ShellQuote(const std::string& text);

}  // namespace clitest
