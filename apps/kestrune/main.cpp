// Kestrune, the mod installer: creates the three windows and runs the event loop.
#include <QApplication>
#include <QFile>

#include "AboutBox.h"
#include "InstallForm.h"
#include "MainWindow.h"
#include "ProgramFont.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtLauncher.h"
#include "platform/QtMessageBoxService.h"

int main(int argc, char** argv) {
    // The pictures live in the window library, which is linked statically.
    Q_INIT_RESOURCE(kestrune);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrune"));
    QApplication::setFont(kestrunegui::ProgramFont());

    platform::QtMessageBoxService boxes;
    platform::QtFileDialogService dialogs;
    platform::QtLauncher launcher;

    // Everything lives beside the program, whatever the working folder.
    const std::string programFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + "/";
    TMain mainWindow(programFolder, {boxes, dialogs, launcher});
    TInstallForm installForm(mainWindow.run(), boxes, launcher, &mainWindow);
    TAboutBox1 aboutBox(&mainWindow, mainWindow.logo(),
                        [&mainWindow](const std::string& url) { mainWindow.openDocument(url); });
    mainWindow.setInstallForm(&installForm);
    mainWindow.setAboutBox(&aboutBox);

    // The user chose to stop converting an old install.log: end without showing anything.
    if (mainWindow.closeRequested()) {
        return 0;
    }
    mainWindow.show();
    return QApplication::exec();
}
