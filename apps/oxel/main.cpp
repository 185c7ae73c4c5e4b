// Oxel, the mod editor: creates the main window with the first command-line argument and runs
// the event loop.
#include <QApplication>
#include <QFile>

#include "FileAssociation.h"
#include "MainWindow.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtLauncher.h"
#include "platform/QtMessageBoxService.h"
#include "platform/RegistryStore.h"

int main(int argc, char** argv) {
    // The pictures live in the window library, which is linked statically.
    Q_INIT_RESOURCE(oxel);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Oxel"));

    platform::QtMessageBoxService boxes;
    platform::QtFileDialogService dialogs;
    platform::QtLauncher launcher;
    platform::RegistryStore registry(platform::RegistryStore::DefaultFolder());
    oxelgui::XdgAssociation xdg = oxelgui::DesktopModAssociation();

    // The settings file lies beside the program, whatever the working folder.
    const std::string programPath =
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    TFormMain window(programPath, {boxes, dialogs, launcher, registry, xdg}, arguments);
    window.show();
    return QApplication::exec();
}
