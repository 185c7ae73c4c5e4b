// The main window's test fixture: a program folder, a forum and scripted services.
#include "OxelWindowTestSupport.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <filesystem>

#include "GuiTestApp.h"

namespace oxelgui::test {

std::string Mod(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size()) {
            text += "\r\n";
        }
    }
    return text;
}

std::string TwoFileMod(const std::string& extra) {
    return Mod({"<id>",
                "Quick Reply" + extra,
                "</id>",
                "",
                "<version>",
                "1.0",
                "</version>",
                "",
                "<mod info>",
                "Adds a box.",
                "Second line" + extra,
                "</mod info>",
                "",
                "<author>",
                "Ann",
                "</author>",
                "",
                "<homepage>",
                "http://example.org/",
                "</homepage>",
                "",
                "<edit file>",
                "Sources/Post.pl",
                "</edit file>",
                "",
                "<search for>",
                "    print $form;",
                "</search for>",
                "",
                "<replace>",
                "    print $form_with_reply;" + extra,
                "</replace>",
                "",
                "<search for>",
                "sub post {",
                "</search for>",
                "",
                "<add after>",
                "    # reply box",
                "</add after>",
                "",
                "<edit file>",
                "Sources/Display.pl",
                "</edit file>",
                "",
                "<search for>",
                "sub display {",
                "</search for>",
                "",
                "<add before>",
                "# display hook",
                "</add before>"});
}

OxelWindowTest::OxelWindowTest() {
    testsupport::EnsureApplication();
    std::filesystem::create_directories(m_dir.path() / "ModEditor");
    m_registry = std::make_unique<platform::RegistryStore>(m_dir.folder() + "registry/");
    m_xdg = std::make_unique<oxelgui::XdgAssociation>(
        oxelgui::XdgDirs{m_dir.folder() + "xdg-data/", m_dir.folder() + "xdg-config/"},
        [](const std::string&, const std::vector<std::string>&) {});
}

OxelWindowTest::~OxelWindowTest() {
    destroyWindow();
}

void OxelWindowTest::makeForum() {
    testsupport::WriteFile(m_dir.path() / "forum/cgi-bin/YaBB.pl", "# YaBB\r\n");
    testsupport::WriteFile(m_dir.path() / "forum/cgi-bin/Sources/Post.pl",
                           "sub post {\r\n    print $form;\r\n}\r\n");
    testsupport::WriteFile(m_dir.path() / "forum/cgi-bin/Sources/Display.pl",
                           "sub display {\r\n}\r\n");
}

void OxelWindowTest::writeSettings(const std::vector<std::string>& general,
                                   const std::vector<std::string>& mru) {
    std::string text = "[General]\r\n";
    for (const std::string& line : general) {
        text += line + "\r\n";
    }
    if (!mru.empty()) {
        text += "[MRU]\r\n";
        for (size_t i = 0; i < mru.size(); ++i) {
            text += "MRU" + std::to_string(i) + "=" + mru[i] + "\r\n";
        }
    }
    testsupport::WriteFile(settingsPath(), text);
}

std::string OxelWindowTest::writeMod(const std::string& name, const std::string& text) {
    const std::string path = m_dir.file("mods/" + name);
    testsupport::WriteFile(path, text);
    return path;
}

void OxelWindowTest::makeWindow(const QStringList& arguments) {
    oxelgui::MainWindowServices services{m_boxes,     m_dialogs, m_launcher,
                                         *m_registry, *m_xdg,    m_runOptionDialog};
    m_window = std::make_unique<TFormMain>(programPath(), services, arguments);
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    // Window shortcuts only reach an active window.
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}

void OxelWindowTest::destroyWindow() {
    m_window.reset();
}

bool OxelWindowTest::trigger(const char* name) {
    QAction* command = action(name);
    if (command == nullptr || !command->isEnabled()) {
        return false;
    }
    command->trigger();
    return true;
}

void OxelWindowTest::open(const std::string& path) {
    m_dialogs.queueOpen(QString::fromStdString(path));
    ASSERT_TRUE(trigger("actOpen"));
}

void OxelWindowTest::showTab(const char* objectName) {
    auto* pages = child<QTabWidget>("PageControl1");
    pages->setCurrentWidget(child<QWidget>(objectName));
}

void OxelWindowTest::clickNode(const oxel::ActionNode* node) {
    auto* tree = child<QTreeView>("tvActions");
    const QModelIndex index = model().indexOf(node);
    ASSERT_TRUE(index.isValid());
    tree->scrollTo(index);
    const QRect rect = tree->visualRect(index);
    ASSERT_TRUE(rect.isValid());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
}

oxel::ActionNode* OxelWindowTest::nodeAt(int absoluteIndex) {
    const std::vector<oxel::ActionNode*> nodes = doc().Tree().PreOrder();
    EXPECT_LT(static_cast<size_t>(absoluteIndex), nodes.size());
    return static_cast<size_t>(absoluteIndex) < nodes.size()
               ? nodes[static_cast<size_t>(absoluteIndex)]
               : nullptr;
}

void OxelWindowTest::typeInto(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

}  // namespace oxelgui::test
