// A program folder with mods and a small forum, and the main window built on it.
#include "KestruneGuiTestSupport.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "GuiTestApp.h"

// The pictures of the static window library are registered by hand, outside any namespace.
static void InitKestruneResources() {
    Q_INIT_RESOURCE(kestrune);
}

namespace kestrunegui::test {

const std::string kQuickReplyMod =
    CrLf({"<id>",
          "Quick Reply with a rather long name that does not fit the field",
          "</id>",
          "<version>",
          "1.2",
          "</version>",
          "<mod info>",
          "Adds a reply box.",
          "Second line.",
          "</mod info>",
          "<author>",
          "Ann",
          "</author>",
          "<homepage>",
          "https://mods.example.net/quick-reply",
          "</homepage>",
          "<edit file>",
          "Sources/Post.pl",
          "</edit file>",
          "<search for>",
          "    print $form;",
          "</search for>",
          "<replace>",
          "    print $form_with_reply;",
          "</replace>"});

const std::string kPollsMod = CrLf({"<id>",
                                    "Polls",
                                    "</id>",
                                    "<version>",
                                    "0.9",
                                    "</version>",
                                    "<edit file>",
                                    "Sources/Post.pl",
                                    "</edit file>",
                                    "<search for>",
                                    "sub Post {",
                                    "</search for>",
                                    "<add before>",
                                    "# polls",
                                    "</add before>",
                                    "<edit file>",
                                    "Sources/Display.pl",
                                    "</edit file>",
                                    "<search for>",
                                    "    print $thread;",
                                    "</search for>",
                                    "<add after>",
                                    "    print $poll;",
                                    "</add after>"});

const std::string kBrokenMod =
    CrLf({"<id>", "Broken", "</id>", "<edit file>", "Sources/Post.pl", "</edit file>",
          "<search for>", "sub Post {", "</search for>", "<replace>", "sub Reply {"});

const std::string kPostPl = "sub Post {\n    print $form;\n}\n";
const std::string kDisplayPl = "sub Display {\n    print $thread;\n}\n";

KestruneWindowTest::KestruneWindowTest() {
    testsupport::EnsureApplication();
    InitKestruneResources();
    makeProgramFolder();
}

KestruneWindowTest::~KestruneWindowTest() {
    destroyWindows();
}

void KestruneWindowTest::makeProgramFolder() {
    addMod("YaBB 2.1", "Quick Reply.mod", kQuickReplyMod);
    addMod("YaBB 2.1", "Polls.mod", kPollsMod);
    addMod("Other", "Broken.mod", kBrokenMod);
    testsupport::WriteFile(m_dir.file("forum/YaBB.pl"),
                           "#!/usr/bin/perl\n$YaBBversion = 'YaBB 2.1';\n");
    testsupport::WriteFile(m_dir.file("forum/Sources/Post.pl"), kPostPl);
    testsupport::WriteFile(m_dir.file("forum/Sources/Display.pl"), kDisplayPl);
}

void KestruneWindowTest::writeSettings(const std::vector<std::string>& extraSettings,
                                       const std::string& script) {
    std::vector<std::string> lines = {"[Settings]", "Version=v2.5.6",
                                      "Scriptpath=" + (script.empty() ? scriptPath() : script)};
    lines.insert(lines.end(), extraSettings.begin(), extraSettings.end());
    lines.insert(lines.end(), {"[AutoDetectableScripts]", "YaBB 2.1=$YaBBversion = 'YaBB 2.1';",
                               "YaBB 2.2=$YaBBversion = 'YaBB 2.2';"});
    testsupport::WriteFile(m_dir.file("kestrune.ini"), CrLf(lines));
}

void KestruneWindowTest::addMod(const std::string& folder, const std::string& name,
                                const std::string& text) {
    testsupport::WriteFile(m_dir.file("Mods/" + folder + "/" + name), text);
}

void KestruneWindowTest::makeWindows(modcommon::FileSystem& fs) {
    destroyWindows();
    m_main = std::make_unique<TMain>(programFolder(),
                                     MainWindowServices{m_boxes, m_dialogs, m_launcher}, fs);
    m_installForm =
        std::make_unique<TInstallForm>(m_main->run(), m_boxes, m_launcher, m_main.get());
    m_aboutBox =
        std::make_unique<TAboutBox1>(m_main.get(), m_main->logo(),
                                     [this](const std::string& url) { m_main->openDocument(url); });
    m_main->setInstallForm(m_installForm.get());
    m_main->setAboutBox(m_aboutBox.get());
}

void KestruneWindowTest::destroyWindows() {
    if (m_installForm && m_installForm->runShown()) {
        m_installForm->close();
    }
    m_aboutBox.reset();
    m_installForm.reset();
    m_main.reset();
}

std::string KestruneWindowTest::read(const std::string& relative) const {
    return testsupport::ReadFile(m_dir.file(relative));
}

void KestruneWindowTest::clickTick(int row, bool ctrl) {
    auto* list = child<QListWidget>("CheckListBox1");
    const QRect itemRect = list->visualItemRect(list->item(row));
    // The tick box sits at the item's left end.
    const QPoint onBox(itemRect.left() + 8, itemRect.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier,
                      onBox);
}

int KestruneWindowTest::modRow(const QString& name) const {
    auto* list = child<QListWidget>("CheckListBox1");
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name) {
            return row;
        }
    }
    ADD_FAILURE() << name.toStdString() << " not listed";
    return -1;
}

bool KestruneWindowTest::ticked(int row) const {
    return child<QListWidget>("CheckListBox1")->item(row)->checkState() == Qt::Checked;
}

void KestruneWindowTest::closeInstallWindow() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_installForm->runShown(); }));
    auto* close = m_installForm->findChild<QPushButton*>(QStringLiteral("Abort"));
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_installForm->runShown(); }));
}

}  // namespace kestrunegui::test
