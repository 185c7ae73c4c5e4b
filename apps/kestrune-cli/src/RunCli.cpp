// From the arguments to the command's exit code.
#include "Commands.h"

namespace kestrune::cli {

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    ParsedCommandLine parsed = ParseCommandLine(argc, argv, out, err);
    if (!parsed.options) {
        return parsed.exitCode;
    }
    CliSession cli(*parsed.options, err);
    if (auto exitCode = cli.Open()) {
        return *exitCode;
    }
    switch (cli.options().command) {
        case Command::List:
            return ListCommand(cli, out);
        case Command::Info:
            return InfoCommand(cli, out);
        case Command::Install:
            return InstallCommand(cli, true, out);
        case Command::Uninstall:
            return InstallCommand(cli, false, out);
        case Command::Show:
            return ShowCommand(cli, out);
        case Command::Mark:
            return MarkCommand(cli, true, out);
        case Command::Unmark:
            return MarkCommand(cli, false, out);
        case Command::ClearLog:
            return ClearLogCommand(cli, out);
    }
    return kExitBadInput;
}

}  // namespace kestrune::cli
