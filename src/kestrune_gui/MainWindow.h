// The installer's main window: the forum's main script, the mod folders, the mod list with
// its ticks, the selected mod's information and the commands. Every decision is taken by
// kestrune::InstallerSession; the window shows what the session holds and forwards events.
//
//   TMain mainWindow(programFolder, {boxes, dialogs, launcher});   // runs the start-up
//   TInstallForm installForm(mainWindow.run(), boxes, launcher, &mainWindow);
//   TAboutBox1 aboutBox(&mainWindow, mainWindow.logo(), ...);
//   mainWindow.setInstallForm(&installForm);
//   mainWindow.setAboutBox(&aboutBox);
//   if (mainWindow.closeRequested()) return 0;   // the user abandoned the log conversion
//   mainWindow.show();
#pragma once

#include <QPixmap>
#include <QWidget>
#include <memory>
#include <string>

#include "WindowDrag.h"
#include "kestrune/InstallRun.h"
#include "kestrune/InstallerSession.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TAboutBox1;
class TInstallForm;

namespace platform {
class FileDialogService;
class Launcher;
class MessageBoxService;
}  // namespace platform

namespace kestrunegui {
class ModCheckList;
}

// The services the main window asks; they must outlive it.
struct MainWindowServices {
    platform::MessageBoxService& boxes;
    platform::FileDialogService& dialogs;
    platform::Launcher& launcher;
};

class TMain final : public QWidget {
    Q_OBJECT

  public:
    // Runs the start-up: settings, look, browser list, installed-mods log (offering to
    // convert an old one), folder list, forum detection and mod list. `programFolder` ends in
    // "/". `fs` receives every file the window's logic writes (tests make it fail).
    TMain(std::string programFolder, MainWindowServices services,
          modcommon::FileSystem& fs = modcommon::DefaultFileSystem(), QWidget* parent = nullptr);
    // Saves kestrune.ini, then install.log, unless SaveAtExit already did.
    ~TMain() override;
    Q_DISABLE_COPY_MOVE(TMain)

    // The run state the install window shows and this window reads after each run.
    kestrune::InstallRun& run() { return m_run; }
    // The install window that runs show; created after this window, so it is handed in.
    void setInstallForm(TInstallForm* installForm);
    void setAboutBox(TAboutBox1* aboutBox) { m_aboutBox = aboutBox; }

    // The logo held by the hidden Image1; the about box shows it.
    const QPixmap& logo() const { return m_logo; }
    // Opens a web address or document: the desktop's handler, else the LinuxBrowsers list.
    void openDocument(const std::string& document);

    // The user abandoned the conversion of an old install.log: the program ends now.
    bool closeRequested() const { return m_session->closeRequested(); }
    bool skinned() const { return m_session->skinned(); }
    const kestrune::InstallerSession& session() const { return *m_session; }

    // The exit sequence: kestrune.ini, then install.log. Runs once; the destructor calls it.
    void saveAtExit();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    void connectControls();
    // The two looks (MainWindowLooks.cpp).
    void applySkinnedLook();
    void applyPlainLook();
    void loadPictures();
    void moveAllControls(int dx, int dy);
    void setFieldColour(const QColor& colour);
    void centreOnWorkArea();

    // Puts what the session holds into the widgets.
    void showSession();
    void showModList();
    void showModInfo();

    // Event handlers.
    void openYaBBClick();
    void modFolderChange(int index);
    void checkListBox1Click(int row);
    void checkListBox1ClickCheck(int row);
    void manualInstallationClick();
    void runInstallWindow();
    void runFinished(const kestrune::FinishResult& result);
    void exitClick();

    platform::MessageBoxService& m_boxes;
    platform::FileDialogService& m_dialogs;
    platform::Launcher& m_launcher;
    std::unique_ptr<kestrune::InstallerSession> m_session;
    kestrune::InstallRun m_run;
    TInstallForm* m_installForm = nullptr;
    TAboutBox1* m_aboutBox = nullptr;
    bool m_saved = false;
    bool m_showing = false;  // widgets are being filled from the session: ignore their signals
    bool m_runShown = false;

    QPixmap m_background;  // the skinned look's picture; null in the plain look
    QPixmap m_logo;
    kestrunegui::WindowDrag m_drag;

    QLabel* m_label3 = nullptr;
    QLineEdit* m_scriptPath = nullptr;
    QPushButton* m_openYaBB = nullptr;
    QComboBox* m_modFolder = nullptr;
    QLineEdit* m_modName = nullptr;
    QLineEdit* m_modVersion = nullptr;
    QPlainTextEdit* m_modDescription = nullptr;
    QLineEdit* m_modAuthor = nullptr;
    QLineEdit* m_modHomepage = nullptr;
    QComboBox* m_modFilesToEdit = nullptr;
    QLineEdit* m_modSteps = nullptr;
    QLabel* m_label9 = nullptr;
    kestrunegui::ModCheckList* m_checkListBox1 = nullptr;
    QRadioButton* m_installMode1 = nullptr;
    QRadioButton* m_installMode2 = nullptr;
    QPushButton* m_manualInstallation = nullptr;
    QPushButton* m_clearLog = nullptr;
    QPushButton* m_about = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPushButton* m_modEditor = nullptr;
    QWidget* m_buttonMinimize = nullptr;
    QWidget* m_buttonHelp = nullptr;
    QWidget* m_buttonClose = nullptr;
    QWidget* m_getMoreMods = nullptr;
    QLabel* m_image1 = nullptr;
};
