// Parses kestrune-cli's arguments with CLI11 and checks which options go with which command.
#include "CliOptions.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <vector>

namespace kestrune::cli {
namespace {

struct CommandSpec {
    const char* name;
    Command command;
    const char* help;
    bool takesMod;
};

const std::vector<CommandSpec>& Commands() {
    static const std::vector<CommandSpec> commands = {
        {"list", Command::List,
         "The mod folders, the selected folder's mods ([x]: installed), and the counter", false},
        {"info", Command::Info,
         "A mod's name, version, author, homepage, description, files to edit and steps", true},
        {"install", Command::Install,
         "Apply every step; the files are written only if all of them succeed", true},
        {"uninstall", Command::Uninstall, "Take every step back, likewise all or nothing", true},
        {"show", Command::Show,
         "The manual display: each step as the install window shows it; changes nothing", true},
        {"mark", Command::Mark, "Record the mod as installed without changing any file", true},
        {"unmark", Command::Unmark, "Record the mod as not installed without changing any file",
         true},
        {"clear-log", Command::ClearLog, "Empty install.log", false},
    };
    return commands;
}

std::optional<std::string> CheckCombination(const CliOptions& options) {
    const bool runs = options.command == Command::Install || options.command == Command::Uninstall;
    if ((options.dryRun || options.diff) && !runs) {
        return "--dry-run and --diff go with install and uninstall only";
    }
    if (options.json && options.command != Command::List && options.command != Command::Info) {
        return "--json goes with list and info only";
    }
    if (options.noLinebreakCheck && !runs) {
        return "--no-linebreak-check goes with install and uninstall only";
    }
    return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err) {
    CliOptions options;
    CLI::App app{
        "Installs and uninstalls mods of a forum, with the same program folder (kestrune.ini, "
        "install.log, Mods/) as the Kestrune window.\n"
        "MOD is a file name in the selected mod folder, or a path (with a \"/\" in it) to a .mod "
        "file.\n"
        "Exit codes: 0 done; 1 a step failed, nothing was written; 2 usage error or bad input; "
        "3 writing failed, nothing was changed; 4 the forum files were written but install.log "
        "could not be saved.",
        "kestrune-cli"};
    app.set_version_flag("--version", std::string(kCliVersionText));
    app.fallthrough();  // global options may stand after the command too
    app.require_subcommand(1, 1);

    app.add_option("--home", options.home,
                   "The program folder with kestrune.ini, install.log and Mods/ (default: the "
                   "folder of this program)");
    app.add_option("--script", options.script,
                   "The forum's main script (default: Scriptpath in kestrune.ini)");
    app.add_option("--folder", options.folder,
                   "The mod folder (default: the one detected for the script, else the first)");
    app.add_flag("--dry-run", options.dryRun,
                 "install/uninstall: apply in memory and write nothing, neither forum files nor "
                 "install.log");
    app.add_flag("--diff", options.diff,
                 "install/uninstall: print the changes as a unified diff on standard output (the "
                 "run log then goes to standard error); apply it with patch -p1 in the forum "
                 "folder");
    app.add_flag("--json", options.json, "list/info: print JSON");
    app.add_flag("--no-linebreak-check", options.noLinebreakCheck,
                 "install/uninstall: edit the files with their line breaks as they are, as "
                 "LinebreakCheck=off does");

    for (const CommandSpec& spec : Commands()) {
        CLI::App* sub = app.add_subcommand(spec.name, spec.help);
        const Command command = spec.command;
        sub->callback([&options, command] { options.command = command; });
        if (spec.takesMod) {
            sub->add_option("MOD", options.mod, "The mod")->required();
        }
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {  // --help, --version
        app.exit(e, out, err);
        return {std::nullopt, kExitOk};
    } catch (const CLI::ParseError& e) {
        // CLI11 reports a misspelt command only as a missing one; name the word it did not know.
        std::vector<std::string> left = app.remaining();
        if (app.get_subcommands().empty() && !left.empty()) {
            err << "kestrune-cli: unknown command \"" << left.front() << "\"";
        } else {
            err << "kestrune-cli: " << e.what();
        }
        err << "\nRun with --help for more information.\n";
        return {std::nullopt, kExitBadInput};
    }
    if (auto problem = CheckCombination(options)) {
        err << "kestrune-cli: " << *problem << "\n";
        return {std::nullopt, kExitBadInput};
    }
    return {options, kExitOk};
}

}  // namespace kestrune::cli
