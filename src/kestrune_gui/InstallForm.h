// The install window: shows one installation run and forwards its buttons to the run.
//
//   TInstallForm installForm(run, boxes, launcher, &mainWindow);   // once, after TMain
//   list->setEnabled(false);
//   kestrune::FinishResult finish =
//       installForm.runModal(session.currentMod(), session.MakeRunInputs(), session.TextEditor());
//   session.AfterRun({run.CurrentStep(), run.ErrorCount(), finish.writeFailure});
//   list->setEnabled(true);
#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <string_view>

#include "kestrune/InstallRun.h"
#include "kestrune/RunObserver.h"
#include "kestrune/RunView.h"
#include "modcommon/MessageBox.h"

class QCloseEvent;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QResizeEvent;
class QStatusBar;

namespace platform {
class Launcher;
class MessageBoxService;
}  // namespace platform

// One window object serves every run of the program. Each showing is one run: it starts when
// the window is shown and is finished (written back or discarded) when the window closes.
// The window shows no box of its own about the outcome: the caller gets the FinishResult,
// including a failure to write the forum files back, and reports it.
class TInstallForm final : public QDialog, private kestrune::RunObserver {
    Q_OBJECT

  public:
    // `run` is the run state the main window owns and reads after each showing; the window
    // observes it from now on, and `run` must outlive the window. `mainWindow` (may be null) lends
    // its font and icon and is brought to the front when a run ends. The services must outlive the
    // window.
    TInstallForm(kestrune::InstallRun& run, platform::MessageBoxService& boxes,
                 platform::Launcher& launcher, QWidget* mainWindow = nullptr);
    ~TInstallForm() override;
    Q_DISABLE_COPY_MOVE(TInstallForm)

    // Shows the window modally, starts the run and returns once the window has closed and the
    // run is finished. `mod` must stay alive until then. `textEditor` is the TextEditor
    // setting, used by "Open File To Edit".
    kestrune::FinishResult runModal(const kestrune::TMod& mod, const kestrune::RunInputs& inputs,
                                    const std::string& textEditor);

    // As runModal, but returns as soon as the run has started (a fast run has then applied all
    // its steps); runFinished follows when the window closes. False, and nothing done, while
    // a run is shown already.
    bool startRun(const kestrune::TMod& mod, const kestrune::RunInputs& inputs,
                  const std::string& textEditor);

    bool runShown() const { return m_runShown; }
    // The result of the last finished run.
    const kestrune::FinishResult& lastFinish() const { return m_lastFinish; }
    // The text of status bar panel 0..3: status, step counter, error counter, mod file name.
    QString statusPanelText(int panel) const;

    // Every way of closing (the close box, Esc, "&Abort"/"&Exit") ends here. A close asked for
    // while the run is starting, fast loop included, takes effect once the start is over.
    void done(int result) override;

  signals:
    // The window has closed and the run is finished.
    void runFinished(const kestrune::FinishResult& result);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createControls();
    void setFonts();
    // The layout pass: places the panels for the current arrangement, then the step panes
    // (step arrangement only), the command row and the pane widths for the window's size.
    void layoutPass();
    bool stepArrangement() const;
    void centreOnScreen();
    void finishRun();
    void openFileToEditClick();

    // RunObserver
    void LogReplaced(const std::string& log) override;
    void LogAppended(std::string_view added) override;
    void Refresh(const kestrune::RunView& view) override;
    void ProcessEvents() override;

    kestrune::InstallRun& m_run;
    platform::Launcher& m_launcher;
    modcommon::MessageBoxFn m_box;
    QWidget* m_mainWindow;
    std::string m_textEditor;
    bool m_runShown = false;
    bool m_inLayoutPass = false;
    bool m_stepArrangement = true;
    kestrune::FinishResult m_lastFinish;

    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusPanels[4] = {};
    QFrame* m_panel1 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QFrame* m_panel2 = nullptr;
    QPlainTextEdit* m_memo1 = nullptr;
    QPlainTextEdit* m_memo2 = nullptr;
    QFrame* m_panel3 = nullptr;
    QPlainTextEdit* m_logWindow = nullptr;
    QFrame* m_panel4 = nullptr;
    QPushButton* m_previousStep = nullptr;
    QPushButton* m_nextStep = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_openFileToEdit = nullptr;
    QPushButton* m_abort = nullptr;
};
