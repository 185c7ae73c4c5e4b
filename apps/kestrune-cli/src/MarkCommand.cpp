// mark / unmark / clear-log: changes to install.log alone, as the window's Ctrl-click and its
// "&Clear Install Log" button make them.
#include "Commands.h"
#include "kestrune/ModFolders.h"

namespace kestrune::cli {

int MarkCommand(CliSession& cli, bool installed, std::ostream& out) {
    std::optional<int> exitCode;
    std::optional<ModRef> ref = cli.FindListedMod(exitCode);
    if (!ref) {
        return *exitCode;
    }
    InstallerSession& session = cli.session();
    const std::string key = ModLogKey(session.selectedFolderName(),
                                      session.mods()[static_cast<size_t>(ref->item)].name);
    const int errorsBefore = cli.boxes().errorsShown();
    session.OnListMousePress(/*ctrlHeld=*/true);
    if (session.OnTickChanged(ref->item, installed, session.runFlag()) != TickDecision::Marked) {
        return kExitBadInput;  // no main script: error 4 was printed
    }
    if (cli.boxes().errorsShown() != errorsBefore) {
        return kExitWriteFailed;  // install.log could not be saved; it keeps its old content
    }
    out << key << (installed ? " marked as installed" : " marked as not installed") << "\n"
        << session.counterText() << "\n";
    return kExitOk;
}

int ClearLogCommand(CliSession& cli, std::ostream& out) {
    const int errorsBefore = cli.boxes().errorsShown();
    // The command is the user's answer to the window's question.
    cli.boxes().SetQuestionAnswer(modcommon::BoxAnswer::Yes, /*echo=*/false);
    cli.session().ClearLog();
    if (cli.boxes().errorsShown() != errorsBefore) {
        return kExitWriteFailed;
    }
    out << "install.log cleared\n" << cli.session().counterText() << "\n";
    return kExitOk;
}

}  // namespace kestrune::cli
