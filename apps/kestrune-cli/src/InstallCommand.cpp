// install / uninstall: a fast run of the install window, the log printed as it grows, the files
// written only when every step succeeded, and the result recorded in install.log.
#include <filesystem>

#include "CapturingFileSystem.h"
#include "Commands.h"
#include "FailureHint.h"
#include "TerminalText.h"
#include "UnifiedDiff.h"
#include "kestrune/InstallRun.h"
#include "kestrune/ModFolders.h"

namespace kestrune::cli {
namespace {

class LogPrinter final : public RunObserver {
  public:
    explicit LogPrinter(std::ostream& out) : m_writer(out) {}
    void LogReplaced(const std::string& log) override { m_writer.Write(log); }
    void LogAppended(std::string_view added) override { m_writer.Write(added); }
    void EndLine() { m_writer.EndLine(); }

  private:
    TerminalWriter m_writer;
};

// The name of a replaced file relative to the forum folder, as the mod names it.
std::string DiffPath(const std::string& target, const TMod& mod, const std::string& forumFolder) {
    namespace fs = std::filesystem;
    for (const TStep& step : mod.Steps) {
        std::error_code ec;
        if (fs::equivalent(forumFolder + step.FileToEdit, target, ec)) {
            return step.FileToEdit;
        }
    }
    return fs::path(target).lexically_relative(forumFolder).string();
}

void WriteDiff(const CapturingFileSystem& fs, const TMod& mod, const std::string& forumFolder,
               std::ostream& out) {
    for (const auto& replaced : fs.replacements()) {
        out << UnifiedDiff(DiffPath(replaced.target, mod, forumFolder), replaced.before,
                           replaced.after);
    }
}

}  // namespace

int InstallCommand(CliSession& cli, bool install, std::ostream& out) {
    std::optional<int> exitCode;
    std::optional<ModRef> ref = cli.FindListedMod(exitCode);
    if (!ref) {
        return *exitCode;
    }
    const CliOptions& options = cli.options();
    InstallerSession& session = cli.session();
    std::ostream& err = cli.err();
    const ModItem& item = session.mods()[static_cast<size_t>(ref->item)];
    const std::string key = ModLogKey(session.selectedFolderName(), item.name);
    // The window offers only the opposite of the tick; doing the same again would put a mod's
    // additions in twice, or look for text that is no longer there.
    if (item.ticked == install) {
        err << "kestrune-cli: " << key << " is " << (install ? "already" : "not")
            << " recorded as installed. If install.log is wrong, correct it with "
            << (install ? "unmark" : "mark") << " first.\n";
        return kExitBadInput;
    }

    session.OnListMousePress(/*ctrlHeld=*/false);
    if (session.OnTickChanged(ref->item, install, session.runFlag()) !=
        TickDecision::OpenInstallWindow) {
        return kExitBadInput;  // no main script (error 4) or a faulty mod: its box was printed
    }
    RunInputs inputs = session.MakeRunInputs();
    inputs.fast = true;
    if (options.noLinebreakCheck) {
        inputs.linebreakCheck = false;
    }

    CapturingFileSystem fs(options.dryRun, options.diff);
    InstallRun run(fs);
    // With --diff the standard output carries the diff alone, ready for patch.
    LogPrinter log(options.diff ? err : out);
    run.SetObserver(&log);
    run.Start(session.currentMod(), inputs);
    const int errorsBefore = cli.boxes().errorsShown();
    FinishResult finish = run.Finish();
    log.EndLine();

    const RunOutcome outcome{run.CurrentStep(), run.ErrorCount(), finish.writeFailure};
    if (!options.dryRun) {
        session.AfterRun(outcome);  // records a success in install.log, reports a write failure
    }
    if (finish.writeFailure) {
        if (options.dryRun) {
            err << "Could not write the forum file\n"
                << finish.writeFailure->path << "\n"
                << finish.writeFailure->reason << "\n";
        }
        return kExitWriteFailed;
    }
    if (!finish.wrote) {
        err << ExplainFailures(session.currentMod(), install, inputs.forumFolder,
                               inputs.linebreakCheck);
        return kExitStepFailed;
    }
    if (options.diff) {
        WriteDiff(fs, session.currentMod(), inputs.forumFolder, out);
    }
    if (cli.boxes().errorsShown() != errorsBefore) {
        err << "kestrune-cli: the forum files were changed, but install.log could not record "
               "it. Record it by hand with: kestrune-cli "
            << (install ? "mark" : "unmark") << " \"" << item.name << "\"\n";
        return kExitLogNotSaved;
    }
    return kExitOk;
}

}  // namespace kestrune::cli
