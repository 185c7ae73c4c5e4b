// Renders Oxel's main window offscreen, once per tab, on a mod of the demo folder and saves
// the pictures as PNGs: oxel-property.png, oxel-action.png, oxel-preview.png,
// oxel-editingfile.png and oxel-about.png.
//
//   oxel-screenshots DEMO_FOLDER MOD OUTPUT_FOLDER
//
// DEMO_FOLDER holds forum/cgi-bin/yabb/YaBB.pl, the forum the mod edits; MOD is the mod file.
// The window's settings live in a temporary folder, so nothing of the user's is touched.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <cstdio>
#include <memory>

#include "ActionTreeModel.h"
#include "FileAssociation.h"
#include "HeadlessServices.h"
#include "MainWindow.h"
#include "SavePng.h"
#include "platform/QtLauncher.h"
#include "platform/RegistryStore.h"

namespace {

bool WriteSettings(const QString& path, const QString& forumScript) {
    QFile ini(path);
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QString text = QStringLiteral(
                             "[General]\r\nYaBB=%1\r\nYour_Name=Kestrune demo\r\n"
                             "Your_Homepage=https://example.org/kestrune-demo\r\nTree_Width=230\r\n"
                             "Left=0\r\nTop=0\r\nWidth=760\r\nHeight=540\r\nState=0\r\n")
                             .arg(forumScript);
    return ini.write(text.toUtf8()) == text.toUtf8().size();
}

bool Save(QWidget& window, const QDir& output, const char* name) {
    QApplication::processEvents();
    const QString path = output.filePath(QString::fromLatin1(name));
    return screenshots::SavePng(window.grab().toImage(), path);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Q_INIT_RESOURCE(oxel);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Oxel"));
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DEMO_FOLDER MOD OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir demo(QString::fromLocal8Bit(argv[1]));
    const QString mod = QDir(QDir::currentPath()).absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    const QDir output(QString::fromLocal8Bit(argv[3]));

    QTemporaryDir temp;
    const QString programPath = temp.path() + QStringLiteral("/oxel");
    if (!temp.isValid() ||
        !WriteSettings(temp.path() + QStringLiteral("/oxel.ini"),
                       demo.absoluteFilePath(QStringLiteral("forum/cgi-bin/yabb/YaBB.pl")))) {
        std::fprintf(stderr, "could not write the settings\n");
        return 1;
    }

    screenshots::PrintedBoxes boxes;
    screenshots::NoDialogs dialogs;
    platform::QtLauncher launcher([](const QString&, const QStringList&) { return true; },
                                  [](const QUrl&) { return true; });
    platform::RegistryStore registry(temp.path().toStdString() + "/registry/");
    oxelgui::XdgAssociation xdg(oxelgui::XdgDirs{temp.path().toStdString() + "/data/",
                                                 temp.path().toStdString() + "/config/"},
                                [](const std::string&, const std::vector<std::string>&) {});

    auto window = std::make_unique<TFormMain>(
        QFile::encodeName(programPath).toStdString(),
        oxelgui::MainWindowServices{boxes, dialogs, launcher, registry, xdg}, QStringList{mod});
    window->show();
    auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (pages == nullptr || window->document().Tree().Empty()) {
        std::fprintf(stderr, "could not open %s\n", qPrintable(mod));
        return 1;
    }

    bool ok = Save(*window, output, "oxel-property.png");
    pages->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("tsModAction")));
    // The first action of the second file: its texts, and its forum file in the last view.
    oxel::ActionNode* root = window->document().Tree().Root();
    oxel::ActionNode* file = root->Child(root->ChildCount() > 1 ? 1 : 0);
    oxel::ActionNode* action = file->ChildCount() > 0 ? file->Child(0) : file;
    // Clicked as a person would, so the status bar shows the step too.
    auto* tree = window->findChild<QTreeView*>(QStringLiteral("tvActions"));
    QApplication::processEvents();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualRect(window->treeModel().indexOf(action)).center());
    ok = Save(*window, output, "oxel-action.png") && ok;
    pages->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("tsPreview")));
    ok = Save(*window, output, "oxel-preview.png") && ok;
    pages->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("tsEditingFile")));
    ok = Save(*window, output, "oxel-editingfile.png") && ok;
    pages->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("tsAbout")));
    ok = Save(*window, output, "oxel-about.png") && ok;
    return ok ? 0 : 1;
}
