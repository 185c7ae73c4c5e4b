// The command line of kestrune-cli, parsed into plain values.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace kestrune::cli {

enum class Command { List, Info, Install, Uninstall, Show, Mark, Unmark, ClearLog };

// What the program's exit code tells a script.
inline constexpr int kExitOk = 0;
inline constexpr int kExitStepFailed = 1;   // a step failed; nothing was written or recorded
inline constexpr int kExitBadInput = 2;     // usage error or bad input; nothing was changed
inline constexpr int kExitWriteFailed = 3;  // writing failed; nothing was changed
// The forum files were written but install.log could not be saved: the one state that needs
// the user's attention, since the forum is changed and the record is not.
inline constexpr int kExitLogNotSaved = 4;

inline constexpr std::string_view kCliVersionText = "kestrune-cli v2.5.6";

struct CliOptions {
    std::string home;                   // the program folder; empty: the executable's folder
    std::optional<std::string> script;  // the forum's main script; unset: Scriptpath
    std::optional<std::string> folder;  // the mod folder; unset: as the window selects it
    Command command = Command::List;
    std::string mod;  // a file name in the mod folder, or a path with a "/" in it
    bool dryRun = false;
    bool diff = false;
    bool json = false;
    bool noLinebreakCheck = false;
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // empty: exit at once with exitCode
    int exitCode = kExitOk;
};

// Parses the arguments. --help and --version print to `out` and ask for exit 0; a usage error
// prints its reason to `err` and asks for kExitBadInput.
ParsedCommandLine ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err);

}  // namespace kestrune::cli
