// show: the manual display. Each step as the install window's labels and panes show it, in
// the direction the window would show (an installed mod as its uninstallation). Nothing is
// loaded or written.
#include "Commands.h"
#include "TerminalText.h"
#include "kestrune/InstallRun.h"

namespace kestrune::cli {
namespace {

void WritePane(std::ostream& out, const std::string& label, const std::string& memo) {
    out << "[" << label << "]\n";
    if (!memo.empty()) {
        out << ToTerminal(memo) << "\n";
    }
}

void WriteStep(const RunView& view, std::ostream& out) {
    out << "\n" << view.stepCounter << "\n";
    WritePane(out, view.action.label1, view.action.memo1);
    // Taking an addition out again has nothing to put in: the window leaves that pane empty.
    if (!view.action.label2.empty() || !view.action.memo2.empty()) {
        WritePane(out, view.action.label2, view.action.memo2);
    }
}

}  // namespace

int ShowCommand(CliSession& cli, std::ostream& out) {
    std::optional<int> exitCode;
    TMod outside;
    std::optional<ParsedMod> parsed = cli.FindParsedMod(ListedParse::Manual, outside, exitCode);
    if (!parsed) {
        return *exitCode;
    }
    InstallerSession& session = cli.session();
    RunInputs inputs;
    if (parsed->ref.item >= 0) {
        inputs = session.MakeRunInputs();
    } else {
        inputs.manualMode = true;  // a mod outside the list is never ticked: shown as install
        inputs.forumFolder = session.ForumFolder();
    }

    InstallRun run;
    run.Start(*parsed->mod, inputs);
    out << run.View().title << "\n" << ToTerminal(run.View().log) << "\n";
    if (run.StepCount() == 0) {
        WriteStep(run.View(), out);
    }
    for (int step = 1; step <= run.StepCount(); ++step) {
        WriteStep(run.View(), out);
        run.Next();
    }
    run.Finish();
    return kExitOk;
}

}  // namespace kestrune::cli
