// Starting kestrune-cli with fork and exec, so a test can set the child's limits.
#include "CliRunner.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "TestSupport.h"

namespace clitest {

CliResult RunCli(const std::vector<std::string>& args, const RunSettings& settings) {
    testsupport::TempDir capture;
    const std::string outPath = capture.file("out");
    const std::string errPath = capture.file("err");

    std::vector<std::string> argvStrings = {KESTRUNE_CLI_PATH};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argvStrings) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    pid_t child = ::fork();
    if (child == 0) {
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) {
            ::_exit(126);
        }
        if (!settings.workingFolder.empty() && ::chdir(settings.workingFolder.c_str()) != 0) {
            ::_exit(126);
        }
        if (settings.fileSizeLimit) {
            // A write past the limit then fails with EFBIG instead of killing the program.
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{static_cast<rlim_t>(*settings.fileSizeLimit),
                         static_cast<rlim_t>(*settings.fileSizeLimit)};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                ::_exit(126);
            }
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    CliResult result;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.out = testsupport::ReadFile(outPath);
    result.err = testsupport::ReadFile(errPath);
    return result;
}

bool Shell(const std::string& commandLine) {
    return std::system(commandLine.c_str()) == 0;
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace clitest
