// Renders Kestrune's windows offscreen and saves them as PNGs: the skinned and the plain main
// window, and the install window in the middle of a step-by-step run.
//
//   kestrune-screenshots PROGRAM_FOLDER SCRIPT MOD INSTALLED_MOD OUTPUT_FOLDER
//
// PROGRAM_FOLDER is copied to a temporary folder first, so the original forum and log stay
// untouched; SCRIPT is the forum's main script relative to it, MOD the mod file to show and
// INSTALLED_MOD one that is installed first (fast, through the window) so the list shows a
// tick.
#include <QApplication>
#include <QBitmap>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "AboutBox.h"
#include "HeadlessServices.h"
#include "InstallForm.h"
#include "MainWindow.h"
#include "SavePng.h"
#include "platform/QtLauncher.h"

namespace {

using screenshots::SavePng;

bool CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return true;
}

void WriteSettings(const QString& programFolder, const QString& script, bool skinned, bool fast) {
    QFile ini(programFolder + QStringLiteral("kestrune.ini"));
    ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const QString text =
        QStringLiteral(
            "[Settings]\r\nVersion=v2.5.6\r\nScriptpath=%1\r\nInstallmode=%2\r\nEnableSkin=%3\r\n"
            "[AutoDetectableScripts]\r\nYaBB 2.1=$YaBBversion = 'YaBB 2.1';\r\n"
            "YaBB 2.2=$YaBBversion = 'YaBB 2.2';\r\n"
            "YaBB 1 Gold - SP 1.4=$YaBBversion = '1 Gold - SP 1.4';\r\n")
            .arg(script, fast ? QStringLiteral("Fast mode") : QStringLiteral("Step by step mode"),
                 skinned ? QStringLiteral("on") : QStringLiteral("off"));
    ini.write(text.toUtf8());
}

int RowOf(QListWidget* list, const QString& name) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name) {
            return row;
        }
    }
    return -1;
}

// The window as a picture; a shaped window keeps only its shape, the rest transparent.
QImage Render(QWidget* window) {
    QImage image = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!window->mask().isEmpty()) {
        QImage shaped(image.size(), QImage::Format_ARGB32);
        shaped.fill(Qt::transparent);
        QPainter painter(&shaped);
        painter.setClipRegion(window->mask());
        painter.drawImage(0, 0, image);
        return shaped;
    }
    return image;
}

struct Windows {
    std::unique_ptr<TMain> main;
    std::unique_ptr<TInstallForm> install;
};

Windows MakeWindows(const QString& programFolder, MainWindowServices services) {
    Windows windows;
    windows.main =
        std::make_unique<TMain>(QFile::encodeName(programFolder).toStdString(), services);
    windows.install = std::make_unique<TInstallForm>(windows.main->run(), services.boxes,
                                                     services.launcher, windows.main.get());
    windows.main->setInstallForm(windows.install.get());
    return windows;
}

QListWidget* ModList(TMain& main) {
    return main.findChild<QListWidget*>(QStringLiteral("CheckListBox1"));
}

// Clicks the mod, as a person would, so its information shows.
bool SelectMod(TMain& main, const QString& mod) {
    QListWidget* list = ModList(main);
    const int row = RowOf(list, mod);
    if (row < 0) {
        std::fprintf(stderr, "mod %s not listed\n", qPrintable(mod));
        return false;
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    return true;
}

// Clicks the mod's tick box and waits for the install window.
bool TickMod(const Windows& windows, const QString& mod) {
    QListWidget* list = ModList(*windows.main);
    const int row = RowOf(list, mod);
    if (row < 0) {
        std::fprintf(stderr, "mod %s not listed\n", qPrintable(mod));
        return false;
    }
    const QRect item = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(item.left() + 8, item.center().y()));
    if (!QTest::qWaitFor([&] { return windows.install->runShown(); })) {
        std::fprintf(stderr, "the install window did not open for %s\n", qPrintable(mod));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Q_INIT_RESOURCE(kestrune);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrune"));
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER SCRIPT MOD INSTALLED_MOD OUTPUT_FOLDER\n",
                     argv[0]);
        return 2;
    }
    const QString mod = QString::fromLocal8Bit(argv[3]);
    const QString installedMod = QString::fromLocal8Bit(argv[4]);
    const QDir output(QString::fromLocal8Bit(argv[5]));

    QTemporaryDir temp;
    const QString programFolder = temp.path() + QLatin1Char('/');
    if (!temp.isValid() || !CopyFolder(QString::fromLocal8Bit(argv[1]), temp.path())) {
        std::fprintf(stderr, "could not copy %s\n", argv[1]);
        return 1;
    }
    const QString script = programFolder + QString::fromLocal8Bit(argv[2]);

    screenshots::PrintedBoxes boxes;
    screenshots::NoDialogs dialogs;
    platform::QtLauncher launcher([](const QString&, const QStringList&) { return true; },
                                  [](const QUrl&) { return true; });
    const MainWindowServices services{boxes, dialogs, launcher};

    // Install one mod for real, so the list shows a tick in every picture.
    {
        WriteSettings(programFolder, script, true, true);
        Windows windows = MakeWindows(programFolder, services);
        windows.main->show();
        if (!TickMod(windows, installedMod)) {
            return 1;
        }
        windows.install->close();
    }

    bool ok = true;
    for (bool skinned : {true, false}) {
        WriteSettings(programFolder, script, skinned, true);
        Windows windows = MakeWindows(programFolder, services);
        windows.main->show();
        if (!SelectMod(*windows.main, mod)) {
            return 1;
        }
        ok = SavePng(Render(windows.main.get()),
                     output.filePath(skinned ? QStringLiteral("kestrune-skinned.png")
                                             : QStringLiteral("kestrune-plain.png"))) &&
             ok;
    }

    // Step by step, halfway through the mod: a few steps done and more to come.
    WriteSettings(programFolder, script, true, false);
    Windows windows = MakeWindows(programFolder, services);
    windows.main->show();
    if (!SelectMod(*windows.main, mod) || !TickMod(windows, mod)) {
        return 1;
    }
    auto* next = windows.install->findChild<QPushButton*>(QStringLiteral("NextStep"));
    const kestrune::InstallRun& run = windows.main->run();
    while (run.CurrentStep() < (run.StepCount() + 1) / 2 && next->isEnabled()) {
        QTest::mouseClick(next, Qt::LeftButton);
    }
    windows.install->resize(760, 500);
    QTest::qWait(50);
    ok = SavePng(Render(windows.install.get()),
                 output.filePath(QStringLiteral("kestrune-install.png"))) &&
         ok;
    // Abort: nothing of this run is written.
    windows.install->close();
    return ok ? 0 : 1;
}
