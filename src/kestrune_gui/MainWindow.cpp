// The installer's main window: start-up, exit, and the handlers that forward to the session.
#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include "AboutBox.h"
#include "ClickWatcher.h"
#include "GuiText.h"
#include "InstallForm.h"
#include "KestruneLinks.h"
#include "ModCheckList.h"
#include "ProgramFont.h"
#include "kestrune/KestruneSettings.h"
#include "platform/FileDialogService.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxService.h"

namespace {

using kestrunegui::ToBytes;
using kestrunegui::ToDisplay;

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Fills a line field and shows the start of its text.
void SetField(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

}  // namespace

TMain::TMain(std::string programFolder, MainWindowServices services, modcommon::FileSystem& fs,
             QWidget* parent)
    : QWidget(parent),
      m_boxes(services.boxes),
      m_dialogs(services.dialogs),
      m_launcher(services.launcher),
      m_run(fs) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Kestrune"));
    setWindowTitle(windowTitle() + QLatin1Char(' ') + ToDisplay(kestrune::kProgramVersion));
    setFont(kestrunegui::ProgramFont());
    createControls();

    kestrune::SessionServices sessionServices;
    sessionServices.box = platform::BindMessageBoxes(m_boxes, this);
    sessionServices.startProgram = [this](const std::string& program,
                                          const std::string& parameters) {
        m_launcher.startWithParameterText(PathText(program), PathText(parameters));
    };
    sessionServices.openDocument = [this](const std::string& document,
                                          const std::vector<std::string>& browsers) {
        QStringList programs;
        for (const std::string& browser : browsers) {
            programs << PathText(browser);
        }
        m_launcher.openDocument(ToDisplay(document), programs);
    };
    sessionServices.fs = &fs;
    m_session = std::make_unique<kestrune::InstallerSession>(std::move(programFolder),
                                                             std::move(sessionServices));

    m_session->Startup();
    if (m_session->skinned()) {
        applySkinnedLook();
    } else {
        applyPlainLook();
    }
    showSession();
    connectControls();
}

TMain::~TMain() {
    saveAtExit();
}

void TMain::saveAtExit() {
    if (m_saved) {
        return;
    }
    m_saved = true;
    m_session->Shutdown();
}

void TMain::setInstallForm(TInstallForm* installForm) {
    if (m_installForm != nullptr) {
        disconnect(m_installForm, nullptr, this, nullptr);
    }
    m_installForm = installForm;
    if (m_installForm != nullptr) {
        connect(m_installForm, &TInstallForm::runFinished, this, &TMain::runFinished);
    }
}

void TMain::connectControls() {
    connect(m_scriptPath, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_session->SetScriptPath(ToBytes(text)); });
    connect(m_openYaBB, &QPushButton::clicked, this, &TMain::openYaBBClick);
    connect(m_openYaBB, &QPushButton::pressed, this,
            [this] { m_openYaBB->setIcon(QPixmap(QStringLiteral(":/OPENYABB_DOWN"))); });
    connect(m_openYaBB, &QPushButton::released, this,
            [this] { m_openYaBB->setIcon(QPixmap(QStringLiteral(":/OPENYABB"))); });
    connect(m_modFolder, &QComboBox::currentIndexChanged, this, &TMain::modFolderChange);

    connect(m_checkListBox1, &kestrunegui::ModCheckList::mousePressed, this,
            [this](bool ctrlHeld) { m_session->OnListMousePress(ctrlHeld); });
    connect(m_checkListBox1, &kestrunegui::ModCheckList::modClicked, this,
            &TMain::checkListBox1Click);
    connect(m_checkListBox1, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { checkListBox1ClickCheck(m_checkListBox1->row(item)); });
    connect(kestrunegui::ClickWatcher::Watch(m_modHomepage), &kestrunegui::ClickWatcher::clicked,
            this, [this] { m_session->OpenHomepage(); });

    connect(m_installMode1, &QRadioButton::toggled, this,
            [this](bool fast) { m_session->SetFastMode(fast); });
    connect(m_manualInstallation, &QPushButton::clicked, this, &TMain::manualInstallationClick);
    connect(m_clearLog, &QPushButton::clicked, this, [this] {
        m_session->ClearLog();
        showModList();
    });
    auto showAbout = [this] {
        if (m_aboutBox != nullptr) {
            m_aboutBox->showAndRaise();
        }
    };
    connect(m_about, &QPushButton::clicked, this, showAbout);
    connect(kestrunegui::ClickWatcher::Watch(m_buttonHelp), &kestrunegui::ClickWatcher::clicked,
            this, showAbout);
    connect(m_exitButton, &QPushButton::clicked, this, &TMain::exitClick);
    connect(kestrunegui::ClickWatcher::Watch(m_buttonClose), &kestrunegui::ClickWatcher::clicked,
            this, &TMain::exitClick);
    connect(kestrunegui::ClickWatcher::Watch(m_buttonMinimize), &kestrunegui::ClickWatcher::clicked,
            this, &QWidget::showMinimized);
    connect(kestrunegui::ClickWatcher::Watch(m_getMoreMods), &kestrunegui::ClickWatcher::clicked,
            this, [this] { openDocument(std::string(kestrunegui::kMoreModsPage)); });
    connect(m_modEditor, &QPushButton::clicked, this, [this] { m_session->StartEditor(); });
}

void TMain::openDocument(const std::string& document) {
    QStringList programs;
    for (const std::string& browser : m_session->browsers()) {
        programs << PathText(browser);
    }
    m_launcher.openDocument(ToDisplay(document), programs);
}

// --- Showing the session.

void TMain::showSession() {
    const bool wasShowing = m_showing;
    m_showing = true;
    SetField(m_scriptPath, ToDisplay(m_session->scriptPath()));
    (m_session->fastMode() ? m_installMode1 : m_installMode2)->setChecked(true);
    if (m_modFolder->count() != static_cast<int>(m_session->folders().size())) {
        m_modFolder->clear();
        for (const std::string& folder : m_session->folders()) {
            m_modFolder->addItem(ToDisplay(folder));
        }
    }
    m_showing = wasShowing;
    showModList();
    showModInfo();
}

void TMain::showModList() {
    const bool wasShowing = m_showing;
    m_showing = true;
    m_modFolder->setCurrentIndex(m_session->selectedFolder());
    QStringList names;
    QList<bool> ticks;
    for (const kestrune::ModItem& mod : m_session->mods()) {
        names << ToDisplay(mod.name);
        ticks << mod.ticked;
    }
    m_checkListBox1->setMods(names, ticks);
    m_checkListBox1->setCurrentRow(m_session->currentItem());
    m_label9->setText(ToDisplay(m_session->counterText()));
    m_showing = wasShowing;
}

void TMain::showModInfo() {
    const kestrune::ModInfoView& info = m_session->info();
    SetField(m_modName, ToDisplay(info.name));
    SetField(m_modVersion, ToDisplay(info.version));
    m_modDescription->setPlainText(kestrunegui::ToDisplayLines(info.description));
    SetField(m_modAuthor, ToDisplay(info.author));
    SetField(m_modHomepage, ToDisplay(info.homepage));
    SetField(m_modSteps, ToDisplay(info.steps));
    const bool wasShowing = m_showing;
    m_showing = true;
    m_modFilesToEdit->clear();
    for (const std::string& line : info.filesToEdit) {
        m_modFilesToEdit->addItem(ToDisplay(line));
    }
    // The closed list shows the header line.
    m_modFilesToEdit->setCurrentIndex(m_modFilesToEdit->count() > 0 ? 0 : -1);
    m_showing = wasShowing;
}

// --- Handlers.

void TMain::openYaBBClick() {
    const QString initialFolder =
        m_session->scriptPath().empty() ? QString() : PathText(m_session->ForumFolder());
    std::optional<QString> chosen =
        m_dialogs.getOpenFileName(this, ToDisplay(kestrune::kScriptDialogTitle), initialFolder,
                                  ToDisplay(kestrune::kScriptDialogFilter));
    if (!chosen) {
        return;
    }
    SetField(m_scriptPath, *chosen);
    m_session->ChooseScript(ToBytes(*chosen));
    showSession();
}

void TMain::modFolderChange(int index) {
    if (m_showing) {
        return;
    }
    m_session->SelectFolder(index);
    showModList();
}

void TMain::checkListBox1Click(int row) {
    if (m_showing || row < 0) {
        return;
    }
    m_session->SetCurrentItem(row);
    m_session->ShowModInfo();
    showModInfo();
}

void TMain::checkListBox1ClickCheck(int row) {
    if (m_showing || row < 0) {
        return;
    }
    const kestrune::TickDecision decision =
        m_session->OnTickChanged(row, m_checkListBox1->ticked(row), m_session->runFlag());
    showModList();
    showModInfo();
    if (decision == kestrune::TickDecision::OpenInstallWindow) {
        runInstallWindow();
    }
}

void TMain::manualInstallationClick() {
    if (!m_session->ManualInstallation()) {
        return;
    }
    showModInfo();
    runInstallWindow();
}

void TMain::runInstallWindow() {
    if (m_installForm == nullptr || m_runShown) {
        return;
    }
    m_runShown = true;
    m_checkListBox1->setEnabled(false);
    // The window tells when it has closed; a run that closes at once tells before this returns.
    m_installForm->startRun(m_session->currentMod(), m_session->MakeRunInputs(),
                            m_session->TextEditor());
}

void TMain::runFinished(const kestrune::FinishResult& result) {
    if (!m_runShown) {
        return;
    }
    m_runShown = false;
    m_session->AfterRun({m_run.CurrentStep(), m_run.ErrorCount(), result.writeFailure});
    showModList();
    m_checkListBox1->setEnabled(true);
}

void TMain::exitClick() {
    hide();
    QCoreApplication::quit();
}

// --- Window events.

void TMain::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!m_background.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_background);
    }
}

void TMain::mousePressEvent(QMouseEvent* event) {
    // Only the background drags: a press that a control let through does not.
    if (childAt(event->position().toPoint()) == nullptr) {
        m_drag.Press(pos(), event->globalPosition().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void TMain::mouseMoveEvent(QMouseEvent* event) {
    std::optional<QPoint> to = m_drag.Move(event->globalPosition().toPoint(), event->buttons());
    if (to && *to != pos()) {
        move(*to);
        // Lets the window manager catch up before the next step of the drag.
        QThread::msleep(10);
    }
    QWidget::mouseMoveEvent(event);
}

void TMain::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program even while the about box is open.
    event->accept();
    QCoreApplication::quit();
}
