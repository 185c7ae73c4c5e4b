// The commands of kestrune-cli. Each works on an opened session and returns the exit code;
// results go to `out`, messages to the session's error stream.
#pragma once

#include <ostream>

#include "CliSession.h"

namespace kestrune::cli {

int ListCommand(CliSession& cli, std::ostream& out);
int InfoCommand(CliSession& cli, std::ostream& out);
// install = false: uninstall.
int InstallCommand(CliSession& cli, bool install, std::ostream& out);
int ShowCommand(CliSession& cli, std::ostream& out);
// installed = false: unmark.
int MarkCommand(CliSession& cli, bool installed, std::ostream& out);
int ClearLogCommand(CliSession& cli, std::ostream& out);

// The whole program: parses the arguments, opens the session and runs the command.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace kestrune::cli
