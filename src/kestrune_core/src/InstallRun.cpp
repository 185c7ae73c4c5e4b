// The installation run: Start, Next, Previous, the fast loop, the close request and Finish.
#include "kestrune/InstallRun.h"

#include <string>
#include <utility>

#include "kestrune/ApplyStep.h"
#include "kestrune/ErrorMessages.h"

namespace kestrune {
namespace {

const std::string kCrLf = "\r\n";
const std::string kRule(80, '-');

std::string StepCounterText(int step, int count) {
    return "Step " + std::to_string(step) + " of " + std::to_string(count);
}

std::string ErrorCounterText(int errors) {
    return std::to_string(errors) + " Errors";
}

}  // namespace

InstallRun::InstallRun(modcommon::FileSystem& fs) : m_fs(fs) {}

void InstallRun::Start(const TMod& mod, const RunInputs& inputs) {
    if (m_busy || m_starting) {
        return;
    }
    // A caller that skipped Finish must not leave the last run's buffers for this one.
    FreeDataFiles(m_buffers);
    m_mod = &mod;
    m_inputs = inputs;
    m_stepCount = static_cast<int>(mod.Steps.size());
    m_loadFailure.reset();
    m_running = true;
    m_busy = true;
    m_starting = true;
    m_closePending = false;
    const bool manual = m_inputs.manualMode;

    m_view.label1Visible = m_view.label2Visible = true;
    m_view.memo1Visible = m_view.memo2Visible = true;
    m_view.actionPanelVisible = true;

    m_view.status = "Status: loading...";
    m_view.stepCounter = "Steps 0 of 0";
    if (manual) {
        m_view.errorCounter = "-";
        m_view.closeCaption = "&Exit";
    } else {
        m_view.errorCounter = ErrorCounterText(0);
    }
    m_errorCount = 0;
    m_view.modText = mod.FileName;
    m_view.openFileEnabled = manual;
    m_view.previousEnabled = false;
    Refresh();

    if (!manual) {
        m_loadFailure =
            LoadDataFiles(m_buffers, mod, m_inputs.forumFolder, m_inputs.linebreakCheck);
    }
    WriteHeader();
    if (m_loadFailure) {
        // An unreadable forum file must stop the write-back, so it counts as a failure.
        AppendLog(kCrLf + "> could not read file to edit (" + m_loadFailure->path +
                  "): " + m_loadFailure->reason);
        CountError();
        m_view.errorCounter = ErrorCounterText(m_errorCount);
    }

    const std::string title = (Installing() ? "Installing " : "Uninstalling ") + mod.FileName;
    if (m_stepCount == 0) {
        m_currentStep = 0;
        if (FastRealRun()) {
            m_view.label1Visible = m_view.label2Visible = false;
            m_view.memo1Visible = m_view.memo2Visible = false;
        }
        m_view.action = NothingToDoDisplay();
        m_view.title = title;
        m_view.nextEnabled = false;
        m_view.previousEnabled = false;
        m_view.closeCaption = "&Exit";
        m_view.progressPosition = 0;
        m_view.status = "Status: done.";
        if (manual) {
            m_view.openFileEnabled = false;
        } else {
            AppendLog(kCrLf + kCrLf + "> finished." + kCrLf +
                      "> note: this mod did not contain any actions so nothing has been done at "
                      "all");
        }
    } else {
        m_currentStep = 1;
        m_view.title = title;
        if (FastRealRun()) {
            m_view.layout = RunLayout::Fast;
            m_view.label1Visible = m_view.label2Visible = false;
            m_view.actionPanelVisible = false;
        } else {
            m_view.layout = RunLayout::Step;
            ShowActionDisplay();
        }
        m_view.progressMax = m_stepCount;
        m_view.progressPosition = 1;
        m_view.stepCounter = StepCounterText(1, m_stepCount);
        if (!manual) {
            ApplyCurrentStep();
        }
        if (m_stepCount == 1) {
            m_view.nextEnabled = false;
            m_view.previousEnabled = false;
            m_view.closeCaption = "&Exit";
            if (manual) {
                m_view.status = "Status: done.";
            } else {
                FinishLastStep();
            }
        } else {
            m_view.nextEnabled = true;
            m_view.nextCaption = "&Next Step";
            m_view.closeCaption = manual ? "&Exit" : "&Abort";
            m_view.status = "Status: ready";
        }
    }
    Refresh();

    if (FastRealRun()) {
        // A Next pressed while the window handles its events shares CurrentStep with this
        // loop, so it takes the next step in order and the loop goes on after it.
        while (m_running && m_view.nextEnabled) {
            DoNext();
            m_busy = false;
            if (m_observer) {
                m_observer->ProcessEvents();
            }
            m_busy = true;
        }
    }
    m_busy = false;
    m_starting = false;
}

void InstallRun::Next() {
    if (m_busy) {
        return;
    }
    m_busy = true;
    DoNext();
    m_busy = false;
}

void InstallRun::DoNext() {
    if (!m_running || !m_view.nextEnabled || m_currentStep >= m_stepCount) {
        return;
    }
    const int step = ++m_currentStep;
    if (m_inputs.manualMode) {
        m_view.previousEnabled = true;
    } else {
        ApplyCurrentStep();
    }
    if (!FastRealRun()) {
        ShowActionDisplay();
    }
    m_view.stepCounter = StepCounterText(step, m_stepCount);
    m_view.progressPosition = step;
    if (step == m_stepCount) {
        m_view.nextEnabled = false;
        m_view.closeCaption = "&Exit";
        if (m_inputs.manualMode) {
            m_view.status = "Status: done.";
        } else {
            FinishLastStep();
        }
    } else {
        m_view.status = "Status: ready";
    }
    Refresh();
}

void InstallRun::Previous() {
    if (m_busy || !m_running || !m_view.previousEnabled || m_currentStep <= 1) {
        return;
    }
    m_busy = true;
    m_view.nextEnabled = true;
    m_view.nextCaption = "&Next Step";
    --m_currentStep;
    m_view.stepCounter = StepCounterText(m_currentStep, m_stepCount);
    m_view.status = "Status: ready";
    if (m_currentStep == 1) {
        m_view.previousEnabled = false;
    }
    m_view.progressPosition = m_currentStep;
    ShowActionDisplay();
    Refresh();
    m_busy = false;
}

bool InstallRun::RequestClose() {
    if (m_starting) {
        m_closePending = true;
        return false;
    }
    m_closePending = false;
    return true;
}

FinishResult InstallRun::Finish() {
    FinishResult result;
    if (!m_running) {
        return result;
    }
    m_running = false;
    m_closePending = false;
    if (!m_inputs.manualMode) {
        if (m_currentStep == m_stepCount && m_errorCount == 0) {
            result.writeFailure =
                WriteDataFiles(m_buffers, m_inputs.forumFolder, m_inputs.linebreakCheck, m_fs);
            if (result.writeFailure) {
                // Counted, so that whoever reads the run state afterwards records nothing.
                CountError();
                m_view.errorCounter = ErrorCounterText(m_errorCount);
                result.restoreTick = true;
            } else {
                result.wrote = true;
                result.recordResult = true;
            }
        } else {
            result.restoreTick = true;
        }
        FreeDataFiles(m_buffers);
    }
    m_view.errorBadgeVisible = false;
    m_mod = nullptr;
    Refresh();
    return result;
}

void InstallRun::OpenFileToEdit(const std::string& textEditor, const modcommon::MessageBoxFn& box,
                                const ProgramLauncher& launch) const {
    if (!m_view.openFileEnabled || m_mod == nullptr || m_currentStep < 1 ||
        m_currentStep > m_stepCount) {
        return;
    }
    OpenFileToEditClick(m_inputs.forumFolder, m_mod->Steps[m_currentStep - 1], textEditor, box,
                        launch);
}

void InstallRun::ApplyCurrentStep() {
    const int step = m_currentStep;
    AppendLog(kCrLf + "Step " + std::to_string(step) + " ... ");
    m_view.status = "Status: working...";
    Refresh();
    const int code = ApplyStep(*m_mod, step, Installing(), m_inputs.forumFolder, m_buffers);
    if (code == 0) {
        AppendLog("ok");
    } else {
        AppendLog(ErrorLogText(code, m_inputs.forumFolder + m_mod->Steps[step - 1].FileToEdit));
        CountError();
    }
    m_view.errorCounter = ErrorCounterText(m_errorCount);
}

void InstallRun::FinishLastStep() {
    if (m_errorCount == 0) {
        AppendLog(kCrLf + kCrLf + "> finished. modifications successful.");
        m_view.status = "Status: finished";
    } else {
        AppendLog(kCrLf + kCrLf + "> modifications failed! " + std::to_string(m_errorCount) +
                  " errors occured. No files will be modified. Please see readme for help on "
                  "the error messages.");
        m_view.status = "Status: failed";
    }
}

void InstallRun::WriteHeader() {
    const std::string prefix = Installing() ? "" : "un";
    std::string log = "starting log...";
    if (m_inputs.manualMode) {
        log += kCrLf + "manual " + prefix + "installation mode." + kCrLf +
               "(note: this mode will only display the mod information, it will not modify any "
               "files)";
    } else {
        log += kCrLf + "script path: " + m_inputs.scriptPath;
        log += kCrLf + "detected script: " +
               (m_inputs.detectedScript.empty() ? "autodetect failed" : m_inputs.detectedScript);
        log += kCrLf + "selected script: " + m_inputs.modFolderName;
        log += kCrLf + "installed mods: " + std::to_string(m_inputs.installedMods.size()) + kCrLf;
        for (const std::string& entry : m_inputs.installedMods) {
            log += entry + kCrLf;
        }
        log += kCrLf + kRule + kCrLf + "now " + prefix + "installing: " + m_inputs.modName + " " +
               m_inputs.modVersion + " (" + m_inputs.modListItem + ")" + kCrLf + kRule + kCrLf;
    }
    ReplaceLog(std::move(log));
}

void InstallRun::ShowActionDisplay() {
    m_view.action = DescribeStep(m_mod->Steps[m_currentStep - 1], Installing());
}

void InstallRun::ReplaceLog(std::string text) {
    m_view.log = std::move(text);
    if (m_observer) {
        m_observer->LogReplaced(m_view.log);
    }
}

void InstallRun::AppendLog(const std::string& text) {
    m_view.log += text;
    if (m_observer) {
        m_observer->LogAppended(text);
    }
}

void InstallRun::CountError() {
    ++m_errorCount;
    m_view.errorBadgeVisible = true;
}

void InstallRun::Refresh() {
    if (m_observer) {
        m_observer->Refresh(m_view);
    }
}

}  // namespace kestrune
