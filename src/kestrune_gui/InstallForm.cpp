// The install window's life: showing a run, mirroring it into the controls, closing it.
#include "InstallForm.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextCursor>

#include "modcommon/TextEncoding.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxService.h"

namespace {

constexpr int kDesignedWidth = 601;
constexpr int kDesignedHeight = 379;

QString Shown(std::string_view bytes) {
    return QString::fromUtf8(modcommon::DisplayUtf8(bytes));
}

QString FilePathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Labels grow with their caption, as the designed ones do; their height stays.
void SetCaption(QLabel* label, const QString& caption) {
    if (label->text() != caption) {
        label->setText(caption);
        label->resize(label->sizeHint().width(), label->height());
    }
}

// Replacing an unchanged text would throw away the reader's scroll position.
void SetMemoText(QPlainTextEdit* memo, const QString& text) {
    if (memo->toPlainText() !=
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))) {
        memo->setPlainText(text);
    }
}

void ShowLogEnd(QPlainTextEdit* log) {
    log->moveCursor(QTextCursor::End);
    log->ensureCursorVisible();
}

}  // namespace

TInstallForm::TInstallForm(kestrune::InstallRun& run, platform::MessageBoxService& boxes,
                           platform::Launcher& launcher, QWidget* mainWindow)
    : QDialog(mainWindow),
      m_run(run),
      m_launcher(launcher),
      m_box(platform::BindMessageBoxes(boxes, this)),
      m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("InstallForm"));
    setWindowTitle(QStringLiteral("Install"));
    if (mainWindow != nullptr) {
        setFont(mainWindow->font());
        setWindowIcon(mainWindow->windowIcon());
    }
    createControls();
    setMinimumSize(kDesignedWidth, kDesignedHeight);
    resize(kDesignedWidth, kDesignedHeight);

    connect(m_nextStep, &QPushButton::clicked, this, [this] { m_run.Next(); });
    connect(m_previousStep, &QPushButton::clicked, this, [this] { m_run.Previous(); });
    connect(m_openFileToEdit, &QPushButton::clicked, this, [this] { openFileToEditClick(); });
    connect(m_abort, &QPushButton::clicked, this, &QWidget::close);

    // Until the first run the window shows what the run holds: the designed texts.
    LogReplaced(m_run.View().log);
    Refresh(m_run.View());
    layoutPass();
    m_image1->hide();
    m_run.SetObserver(this);
}

TInstallForm::~TInstallForm() {
    m_run.SetObserver(nullptr);
}

bool TInstallForm::startRun(const kestrune::TMod& mod, const kestrune::RunInputs& inputs,
                            const std::string& textEditor) {
    if (m_runShown) {
        return false;
    }
    m_runShown = true;
    m_textEditor = textEditor;
    m_lastFinish = {};
    centreOnScreen();
    setWindowModality(Qt::ApplicationModal);
    show();
    layoutPass();
    m_run.Start(mod, inputs);
    if (m_memo1->isVisible()) {
        m_memo1->setFocus();
    }
    if (m_run.ClosePending()) {
        close();
    }
    return true;
}

kestrune::FinishResult TInstallForm::runModal(const kestrune::TMod& mod,
                                              const kestrune::RunInputs& inputs,
                                              const std::string& textEditor) {
    QPointer<TInstallForm> self(this);
    if (!startRun(mod, inputs, textEditor)) {
        return {};
    }
    if (m_runShown) {
        QEventLoop loop;
        connect(this, &TInstallForm::runFinished, &loop, &QEventLoop::quit);
        connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::DialogExec);
    }
    return self ? self->m_lastFinish : kestrune::FinishResult{};
}

void TInstallForm::done(int result) {
    if (!m_runShown) {
        QDialog::done(result);
        return;
    }
    if (!m_run.RequestClose()) {
        return;  // the run's start is still going; startRun closes afterwards
    }
    QDialog::done(result);
    finishRun();
}

void TInstallForm::finishRun() {
    m_runShown = false;
    m_lastFinish = m_run.Finish();
    m_image1->hide();
    if (m_mainWindow != nullptr) {
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
    emit runFinished(m_lastFinish);
}

void TInstallForm::centreOnScreen() {
    QScreen* screen =
        m_mainWindow != nullptr ? m_mainWindow->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
}

QString TInstallForm::statusPanelText(int panel) const {
    if (panel < 0 || panel > 3) {
        return {};
    }
    return m_statusPanels[panel]->text();
}

void TInstallForm::openFileToEditClick() {
    m_run.OpenFileToEdit(m_textEditor, m_box,
                         [this](const std::string& program, const std::string& file) {
                             // One argument, so a path with blanks reaches the editor whole.
                             m_launcher.startProgram(FilePathText(program), {FilePathText(file)});
                         });
}

void TInstallForm::LogReplaced(const std::string& log) {
    m_logWindow->setPlainText(Shown(log));
    ShowLogEnd(m_logWindow);
}

void TInstallForm::LogAppended(std::string_view added) {
    QTextCursor cursor(m_logWindow->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(Shown(added));
    ShowLogEnd(m_logWindow);
}

void TInstallForm::Refresh(const kestrune::RunView& view) {
    SetCaption(m_label3, Shown(view.title));
    SetCaption(m_label1, Shown(view.action.label1));
    SetCaption(m_label2, Shown(view.action.label2));
    m_label1->setVisible(view.label1Visible);
    m_label2->setVisible(view.label2Visible);
    SetMemoText(m_memo1, Shown(view.action.memo1));
    SetMemoText(m_memo2, Shown(view.action.memo2));
    m_memo1->setVisible(view.memo1Visible);
    m_memo2->setVisible(view.memo2Visible);

    m_statusPanels[0]->setText(Shown(view.status));
    m_statusPanels[1]->setText(Shown(view.stepCounter));
    m_statusPanels[2]->setText(Shown(view.errorCounter));
    m_statusPanels[3]->setText(Shown(view.modText));

    m_progressBar->setRange(0, std::max(0, view.progressMax));
    m_progressBar->setValue(view.progressPosition);

    m_nextStep->setEnabled(view.nextEnabled);
    m_nextStep->setText(Shown(view.nextCaption));
    m_previousStep->setEnabled(view.previousEnabled);
    m_openFileToEdit->setEnabled(view.openFileEnabled);
    m_abort->setText(Shown(view.closeCaption));
    m_image1->setVisible(view.errorBadgeVisible);

    const bool step = stepArrangement();
    // The fast layout keeps the action panel hidden, also when the window is resized.
    m_panel2->setVisible(step && view.actionPanelVisible);
    if (step != m_stepArrangement) {
        m_stepArrangement = step;
        layoutPass();
    }
}

void TInstallForm::ProcessEvents() {
    QCoreApplication::processEvents();
}
