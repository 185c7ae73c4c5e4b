// The installer session as the command line opens it: start-up in the program folder as the
// window does it, then --script and --folder, and the mod that MOD names.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "CliOptions.h"
#include "TerminalBoxes.h"
#include "kestrune/InstallerSession.h"

namespace kestrune::cli {

// The mod a command works on.
struct ModRef {
    int item = -1;     // its index in the session's mod list; -1 when it lies in no mod folder
    std::string path;  // the mod file's full path
};

// A mod found and parsed, for a command that only reads it.
struct ParsedMod {
    ModRef ref;
    const TMod* mod = nullptr;  // the session's current mod when listed, else the caller's
};

// How a listed mod is parsed: as the main window shows its information, or as "Manual
// Installation" does, which also puts the session in manual mode.
enum class ListedParse { Information, Manual };

class CliSession {
  public:
    CliSession(CliOptions options, std::ostream& err);

    // Opens the session. Returns an exit code when it can't be used; the reason is printed.
    std::optional<int> Open();

    InstallerSession& session() { return *m_session; }
    TerminalBoxes& boxes() { return m_boxes; }
    const CliOptions& options() const { return m_options; }
    std::ostream& err() { return m_err; }

    // Finds the mod that MOD names and makes it the current item when it is in the list. A
    // plain name is looked up in the selected folder; a path to a file in one of the mod
    // folders selects that folder. A missing mod prints error 8 and gives kExitBadInput.
    std::optional<ModRef> FindMod(std::optional<int>& exitCode);

    // The same for commands that record the mod in install.log: the mod must be in the list,
    // because the log's key names a mod folder and the window must find the mod there.
    std::optional<ModRef> FindListedMod(std::optional<int>& exitCode);

    // FindMod, then parses the mod: a listed one into the session's current mod as `how` says,
    // any other into `outside`. A mod that does not parse gives kExitBadInput; the parser has
    // printed its box.
    std::optional<ParsedMod> FindParsedMod(ListedParse how, TMod& outside,
                                           std::optional<int>& exitCode);

  private:
    std::optional<ModRef> NotFound(const std::string& path, std::optional<int>& exitCode);

    CliOptions m_options;
    std::ostream& m_err;
    TerminalBoxes m_boxes;
    std::unique_ptr<InstallerSession> m_session;
};

// The program folder for --home (empty: the folder of the running executable), absolute and
// ending in "/".
std::string ProgramFolderFor(const std::string& home);

}  // namespace kestrune::cli
