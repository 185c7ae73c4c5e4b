// One installation, uninstallation or manual walk-through of a mod, without any widget.
//
//   kestrune::InstallRun run;            // lives as long as the main window
//   run.SetObserver(&installWindow);     // the window paints what Refresh gives it
//   run.Start(mod, inputs);              // when the window is shown
//   ...                                  // Next / Previous from the buttons
//   if (run.RequestClose()) { /* close the window */ }
//   FinishResult r = run.Finish();       // when the window has closed
//   if (r.restoreTick) { /* put the mod's check mark back */ }
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "kestrune/DataFiles.h"
#include "kestrune/Mod.h"
#include "kestrune/OpenFileToEdit.h"
#include "kestrune/RunObserver.h"
#include "kestrune/RunView.h"
#include "modcommon/FileSystem.h"
#include "modcommon/SafeWrite.h"

namespace kestrune {

// What the caller gathers from the main window, the settings, the installed-mods log and the
// script detection when the install window is shown.
struct RunInputs {
    bool checked = false;        // the current item's check mark, already changed by the click
    bool manualMode = false;     // display only: nothing is loaded, applied or written
    bool fast = true;            // "Fast Installation (default)" is chosen
    std::string forumFolder;     // folder of the main script, ending in "/"
    bool linebreakCheck = true;  // the setting is exactly "on"
    // The log header of a real run.
    std::string scriptPath;
    std::string detectedScript;  // empty when detection found nothing
    std::string modFolderName;
    std::vector<std::string> installedMods;
    std::string modName;     // as the main window shows it
    std::string modVersion;  // as the main window shows it
    std::string modListItem;
};

struct FinishResult {
    bool wrote = false;        // every buffer was written back (none, for a mod without steps)
    bool restoreTick = false;  // the caller puts the current item's check mark back
    std::optional<modcommon::WriteFailure> writeFailure;  // nothing was written; tell the user
    bool recordResult = false;  // the caller records the mod as installed or uninstalled
};

// The run state outlives each showing of the window: the main window reads CurrentStep,
// ErrorCount and ManualMode afterwards. One object serves every run.
//
// The caller must not start a real run of a mod whose parse reported a fault: the mod may be
// cut short, and applying part of it is what the all-or-nothing rule forbids.
class InstallRun {
  public:
    // `fs` receives the writes of Finish; tests pass one that fails on purpose.
    explicit InstallRun(modcommon::FileSystem& fs = modcommon::DefaultFileSystem());
    InstallRun(const InstallRun&) = delete;
    InstallRun& operator=(const InstallRun&) = delete;

    // Not owned; may be null. Stays attached across runs.
    void SetObserver(RunObserver* observer) { m_observer = observer; }

    // The window was shown. `mod` must outlive the run (until Finish). A fast real run applies
    // every step before this returns.
    void Start(const TMod& mod, const RunInputs& inputs);
    // "&Next Step". Ignored while Next is unavailable or another operation is running.
    void Next();
    // "&Previous Step", manual display only. Ignored while unavailable.
    void Previous();
    // "&Abort"/"&Exit" or the close box. True when the window may close now; false while Start
    // (and its fast loop) runs, in which case ClosePending() asks for the close afterwards.
    bool RequestClose();
    bool ClosePending() const { return m_closePending; }
    // The window has closed: write back or discard, then release the buffers. Acts once per
    // run; a second call returns an empty result.
    FinishResult Finish();

    // "Open File To Edit" for the current step of the manual display (see OpenFileToEdit.h).
    // Does nothing while the command is unavailable.
    void OpenFileToEdit(const std::string& textEditor, const modcommon::MessageBoxFn& box,
                        const ProgramLauncher& launch) const;

    const RunView& View() const { return m_view; }
    int CurrentStep() const { return m_currentStep; }
    int ErrorCount() const { return m_errorCount; }
    bool ManualMode() const { return m_inputs.manualMode; }
    int StepCount() const { return m_stepCount; }  // of the last run started
    bool Installing() const { return m_inputs.checked != m_inputs.manualMode; }
    bool FastRealRun() const { return m_inputs.fast && !m_inputs.manualMode; }

  private:
    void DoNext();
    void ApplyCurrentStep();
    void FinishLastStep();
    void WriteHeader();
    void ShowActionDisplay();
    void ReplaceLog(std::string text);
    void AppendLog(const std::string& text);
    void CountError();
    void Refresh();

    modcommon::FileSystem& m_fs;
    RunObserver* m_observer = nullptr;
    RunView m_view;

    const TMod* m_mod = nullptr;
    RunInputs m_inputs;
    DataFileList m_buffers;
    std::optional<LoadFailure> m_loadFailure;
    int m_stepCount = 0;
    int m_currentStep = 0;
    int m_errorCount = 0;
    bool m_running = false;   // between Start and Finish
    bool m_busy = false;      // inside an operation, except while the fast loop yields
    bool m_starting = false;  // inside Start, fast loop included
    bool m_closePending = false;
};

}  // namespace kestrune
