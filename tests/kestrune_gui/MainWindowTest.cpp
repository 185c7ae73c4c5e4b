// The main window on the offscreen platform, driven by real clicks with scripted boxes,
// dialogs and launcher: start-up and exit, ticks that install or mark, the error boxes, the
// script chooser, the editor, and dragging.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cerrno>
#include <filesystem>

#include "KestruneGuiTestSupport.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/KestruneSettings.h"

namespace kestrunegui::test {
namespace {

using modcommon::BoxAnswer;
using modcommon::BoxButtons;
using modcommon::BoxKind;
using modcommon::BoxRequest;
using testsupport::RecordingLauncher;

class MainWindowTest : public KestruneWindowTest {
  protected:
    void expectOnlyBox(BoxKind kind, const std::string& caption, const std::string& text) {
        ASSERT_EQ(m_boxes.requests().size(), 1u) << m_boxes.texts().front();
        const BoxRequest& box = m_boxes.requests()[0];
        EXPECT_EQ(box.kind, kind);
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.text, text);
    }

    QString forumText(const char* relative) const {
        return QString::fromStdString(read(std::string("forum/") + relative));
    }
    bool logExists() const { return std::filesystem::exists(m_dir.file("install.log")); }
};

TEST_F(MainWindowTest, StartupWithoutSettingsWritesTheDefaultsAndExitWritesBothFiles) {
    makeWindows();

    EXPECT_EQ(read("kestrune.ini"), std::string(kestrune::DefaultSettingsText) + "\r\n");
    EXPECT_TRUE(m_boxes.requests().empty());
    EXPECT_EQ(m_main->windowTitle(), "Kestrune v2.5.6");
    EXPECT_TRUE(child<QLineEdit>("Script_Path")->text().isEmpty());
    EXPECT_TRUE(child<QRadioButton>("InstallMode1")->isChecked());
    // No script: the first folder is selected.
    auto* folders = child<QComboBox>("Mod_Folder");
    ASSERT_EQ(folders->count(), 2);
    EXPECT_EQ(folders->currentText(), "Other");
    EXPECT_EQ(child<QLabel>("Label9")->text(), "1 Mods, 0 Installed");
    EXPECT_FALSE(logExists());

    QTest::keyClicks(child<QLineEdit>("Script_Path"), QString::fromStdString(scriptPath()));
    QTest::mouseClick(child<QRadioButton>("InstallMode2"), Qt::LeftButton);
    destroyWindows();

    const std::string ini = read("kestrune.ini");
    EXPECT_NE(ini.find("\r\nScriptpath=" + scriptPath() + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nInstallmode=Step by step mode\r\n"), std::string::npos) << ini;
    EXPECT_EQ(read("install.log"), "");
}

TEST_F(MainWindowTest, ExitAndTheCloseButtonHideTheWindow) {
    for (const char* control : {"ExitButton", "ButtonClose"}) {
        makeWindows();
        m_main->show();

        QTest::mouseClick(child<QWidget>(control), Qt::LeftButton);

        EXPECT_FALSE(m_main->isVisible()) << control;
    }
}

TEST_F(MainWindowTest, StartupDetectsTheForumAndShowsItsMods) {
    writeSettings();
    testsupport::WriteFile(m_dir.file("install.log"), "yabb 2.1\\POLLS.mod\r\n");
    makeWindows();

    EXPECT_EQ(child<QLineEdit>("Script_Path")->text().toStdString(), scriptPath());
    EXPECT_EQ(child<QLineEdit>("Script_Path")->cursorPosition(), 0);
    EXPECT_EQ(child<QComboBox>("Mod_Folder")->currentText(), "YaBB 2.1");
    auto* list = child<QListWidget>("CheckListBox1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Polls.mod");
    EXPECT_TRUE(ticked(0));
    EXPECT_FALSE(ticked(1));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(child<QLabel>("Label9")->text(), "2 Mods, 1 Installed");
}

TEST_F(MainWindowTest, ClickingAModShowsItsInformationFromTheStart) {
    writeSettings();
    makeWindows();
    auto* list = child<QListWidget>("CheckListBox1");
    ASSERT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(child<QLineEdit>("Mod_Name")->text().isEmpty());

    // The current mod too shows its information when clicked.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(child<QLineEdit>("Mod_Name")->text(), "Polls");
    EXPECT_EQ(child<QComboBox>("Mod_FilesToEdit")->currentText(), "There are 2 files to edit");

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);

    auto* name = child<QLineEdit>("Mod_Name");
    EXPECT_EQ(name->text(), "Quick Reply with a rather long name that does not fit the field");
    EXPECT_EQ(name->cursorPosition(), 0);
    EXPECT_EQ(child<QLineEdit>("Mod_Version")->text(), "1.2");
    EXPECT_EQ(child<QPlainTextEdit>("Mod_Description")->toPlainText(),
              "Adds a reply box.\nSecond line.");
    EXPECT_EQ(child<QLineEdit>("Mod_Author")->text(), "Ann");
    EXPECT_EQ(child<QLineEdit>("Mod_Steps")->text(), "1");
    auto* files = child<QComboBox>("Mod_FilesToEdit");
    ASSERT_EQ(files->count(), 3);
    EXPECT_EQ(files->currentText(), "There is 1 file to edit");
    EXPECT_EQ(files->itemText(1), "---------------------");
    EXPECT_EQ(files->itemText(2), "Sources/Post.pl");

    QTest::mouseClick(child<QLineEdit>("Mod_Homepage"), Qt::LeftButton);
    ASSERT_EQ(m_launcher.calls().size(), 1u);
    EXPECT_EQ(m_launcher.calls()[0].kind, RecordingLauncher::Kind::Document);
    EXPECT_EQ(m_launcher.calls()[0].document, "https://mods.example.net/quick-reply");
}

TEST_F(MainWindowTest, TickRunsAFastInstallThatWritesTheForumAndRecordsTheMod) {
    writeSettings();
    makeWindows();
    const int row = modRow("Quick Reply.mod");

    clickTick(row);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_installForm->runShown(); }));
    EXPECT_FALSE(child<QListWidget>("CheckListBox1")->isEnabled());
    closeInstallWindow();

    EXPECT_EQ(forumText("Sources/Post.pl"), "sub Post {\n    print $form_with_reply;\n}\n");
    EXPECT_EQ(read("install.log"), "YaBB 2.1\\Quick Reply.mod\r\n");
    EXPECT_TRUE(ticked(row));
    EXPECT_TRUE(child<QListWidget>("CheckListBox1")->isEnabled());
    EXPECT_EQ(child<QLabel>("Label9")->text(), "2 Mods, 1 Installed");
    EXPECT_TRUE(m_boxes.requests().empty());

    // Unticking takes it out again.
    clickTick(row);
    closeInstallWindow();
    EXPECT_EQ(forumText("Sources/Post.pl"), QString::fromStdString(kPostPl));
    EXPECT_EQ(read("install.log"), "");
    EXPECT_FALSE(ticked(row));
}

TEST_F(MainWindowTest, AbortBeforeTheLastStepPutsTheTickBackAndWritesNothing) {
    writeSettings({"Installmode=Step by step mode"});
    makeWindows();
    const int row = modRow("Polls.mod");

    clickTick(row);
    closeInstallWindow();  // after step 1 of 2

    EXPECT_FALSE(ticked(row));
    EXPECT_EQ(forumText("Sources/Post.pl"), QString::fromStdString(kPostPl));
    EXPECT_EQ(forumText("Sources/Display.pl"), QString::fromStdString(kDisplayPl));
    EXPECT_FALSE(logExists());
    EXPECT_TRUE(child<QListWidget>("CheckListBox1")->isEnabled());
}

TEST_F(MainWindowTest, WriteFailureAtTheEndIsReportedAndNothingIsRecorded) {
    writeSettings();
    m_faultyFs = std::make_unique<testsupport::FaultyFileSystem>(testsupport::FsCall::Rename, 1,
                                                                 EACCES, "Post.pl");
    makeWindows(*m_faultyFs);
    const int row = modRow("Quick Reply.mod");

    clickTick(row);
    closeInstallWindow();

    ASSERT_TRUE(m_faultyFs->fired());
    ASSERT_EQ(m_boxes.requests().size(), 1u);
    const BoxRequest& box = m_boxes.requests()[0];
    EXPECT_EQ(box.kind, BoxKind::Error);
    EXPECT_EQ(box.caption, "Error");
    EXPECT_NE(box.text.find(forumFolder() + "Sources/Post.pl"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find(std::strerror(EACCES)), std::string::npos) << box.text;
    EXPECT_FALSE(ticked(row));
    EXPECT_EQ(forumText("Sources/Post.pl"), QString::fromStdString(kPostPl));
    EXPECT_FALSE(logExists());
    EXPECT_TRUE(child<QListWidget>("CheckListBox1")->isEnabled());
}

TEST_F(MainWindowTest, ModWithAParseFaultIsNeverRun) {
    writeSettings();
    makeWindows();
    child<QComboBox>("Mod_Folder")->setCurrentText("Other");
    ASSERT_EQ(modRow("Broken.mod"), 0);
    m_boxes.clear();

    clickTick(0);

    EXPECT_FALSE(ticked(0));
    EXPECT_FALSE(m_installForm->runShown());
    ASSERT_FALSE(m_boxes.requests().empty());
    EXPECT_EQ(m_boxes.requests().back().text, kestrune::ErrorBoxText(9, {"</replace>"}));
    EXPECT_EQ(forumText("Sources/Post.pl"), QString::fromStdString(kPostPl));
    EXPECT_TRUE(child<QListWidget>("CheckListBox1")->isEnabled());
}

TEST_F(MainWindowTest, CtrlClickMarksTheModWithoutRunningIt) {
    writeSettings();
    makeWindows();
    const int row = modRow("Quick Reply.mod");

    clickTick(row, /*ctrl=*/true);
    EXPECT_TRUE(ticked(row));
    EXPECT_FALSE(m_installForm->runShown());
    EXPECT_EQ(read("install.log"), "YaBB 2.1\\Quick Reply.mod\r\n");
    EXPECT_EQ(forumText("Sources/Post.pl"), QString::fromStdString(kPostPl));
    EXPECT_EQ(child<QLabel>("Label9")->text(), "2 Mods, 1 Installed");

    clickTick(row, /*ctrl=*/true);
    EXPECT_FALSE(ticked(row));
    EXPECT_EQ(read("install.log"), "");
}

TEST_F(MainWindowTest, KeyboardTickBeforeAnyMousePressIsAMarkByHand) {
    writeSettings();
    makeWindows();
    auto* list = child<QListWidget>("CheckListBox1");
    list->setFocus();

    QTest::keyClick(list, Qt::Key_Space);

    EXPECT_TRUE(ticked(0));
    EXPECT_FALSE(m_installForm->runShown());
    EXPECT_EQ(read("install.log"), "YaBB 2.1\\Polls.mod\r\n");
}

TEST_F(MainWindowTest, TickWithoutTheMainScriptShowsErrorFourAndPutsTheTickBack) {
    writeSettings();
    makeWindows();
    std::filesystem::remove(scriptPath());

    for (bool ctrl : {false, true}) {
        m_boxes.clear();
        clickTick(0, ctrl);
        EXPECT_FALSE(ticked(0)) << ctrl;
        expectOnlyBox(BoxKind::Error, "Error", kestrune::ErrorBoxText(4));
    }
    EXPECT_FALSE(m_installForm->runShown());
    EXPECT_FALSE(logExists());
}

TEST_F(MainWindowTest, DetectedVersionWithoutAModFolderWarnsWithErrorFive) {
    writeSettings();
    testsupport::WriteFile(scriptPath(), "$YaBBversion = 'YaBB 2.2';\n");
    makeWindows();

    expectOnlyBox(
        BoxKind::Warning, "Warning",
        kestrune::ErrorBoxText(5, {"YaBB 2.2", programFolder() + "Mods/YaBB 2.2/", "YaBB 2.2"}));
    EXPECT_EQ(child<QComboBox>("Mod_Folder")->currentText(), "Other");
}

TEST_F(MainWindowTest, ManualInstallationWithAnEmptyListShowsErrorThirteen) {
    std::filesystem::remove_all(m_dir.file("Mods"));
    makeWindows();

    QTest::mouseClick(child<QPushButton>("ManualInstallation"), Qt::LeftButton);

    expectOnlyBox(BoxKind::Warning, "Warning", kestrune::ErrorBoxText(13));
    EXPECT_FALSE(m_installForm->runShown());
}

TEST_F(MainWindowTest, ManualInstallationShowsTheStepsAndChangesNothing) {
    writeSettings();
    makeWindows();

    QTest::mouseClick(child<QPushButton>("ManualInstallation"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_installForm->runShown(); }));
    EXPECT_FALSE(child<QListWidget>("CheckListBox1")->isEnabled());
    closeInstallWindow();

    EXPECT_FALSE(ticked(0));
    EXPECT_FALSE(logExists());
    EXPECT_EQ(forumText("Sources/Post.pl"), QString::fromStdString(kPostPl));
    EXPECT_TRUE(child<QListWidget>("CheckListBox1")->isEnabled());
}

TEST_F(MainWindowTest, ModEditorStartsTheEditorWithTheQuotedModPath) {
    writeSettings();
    testsupport::WriteFile(m_dir.file("ModEditor/oxel"), "#!/bin/sh\n");
    std::filesystem::create_directories(m_dir.file("Mods/Empty"));
    makeWindows();
    auto* list = child<QListWidget>("CheckListBox1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(modRow("Quick Reply.mod"))).center());

    QTest::mouseClick(child<QPushButton>("ModEditor"), Qt::LeftButton);
    child<QComboBox>("Mod_Folder")->setCurrentText("Empty");
    ASSERT_EQ(list->count(), 0);
    QTest::mouseClick(child<QPushButton>("ModEditor"), Qt::LeftButton);

    const QString editor = QString::fromStdString(programFolder() + "ModEditor/oxel");
    const QString mod = QString::fromStdString(programFolder() + "Mods/YaBB 2.1/Quick Reply.mod");
    ASSERT_EQ(m_launcher.calls().size(), 2u);
    EXPECT_EQ(m_launcher.calls()[0].kind, RecordingLauncher::Kind::ParameterText);
    EXPECT_EQ(m_launcher.calls()[0].program, editor);
    EXPECT_EQ(m_launcher.calls()[0].parameterText, "\"" + mod + "\"");
    EXPECT_EQ(m_launcher.calls()[0].args, QStringList{mod});
    EXPECT_EQ(m_launcher.calls()[1].program, editor);
    EXPECT_TRUE(m_launcher.calls()[1].args.isEmpty());
    EXPECT_TRUE(m_boxes.requests().empty());
}

TEST_F(MainWindowTest, ModEditorMissingShowsErrorFourteen) {
    writeSettings();
    makeWindows();

    QTest::mouseClick(child<QPushButton>("ModEditor"), Qt::LeftButton);

    expectOnlyBox(BoxKind::Warning, "Warning", kestrune::ErrorBoxText(14));
    EXPECT_TRUE(m_launcher.calls().empty());
}

TEST_F(MainWindowTest, OpenYaBBAsksForTheScriptAndOffersToClearTheLog) {
    writeSettings();
    testsupport::WriteFile(m_dir.file("install.log"), "YaBB 2.1\\Polls.mod\r\n");
    testsupport::WriteFile(m_dir.file("other forum/index.php"), "<?php\n");
    makeWindows();
    const std::string otherScript = m_dir.folder() + "other forum/index.php";

    m_dialogs.queueOpen(std::nullopt);
    QTest::mouseClick(child<QPushButton>("OpenYaBB"), Qt::LeftButton);
    EXPECT_EQ(child<QLineEdit>("Script_Path")->text().toStdString(), scriptPath());

    m_dialogs.queueOpen(QString::fromStdString(otherScript));
    m_boxes.queue(BoxAnswer::Yes);
    QTest::mouseClick(child<QPushButton>("OpenYaBB"), Qt::LeftButton);

    ASSERT_EQ(m_dialogs.calls().size(), 2u);
    const auto& dialog = m_dialogs.calls()[1];
    EXPECT_EQ(dialog.title, "Select Main Script File");
    EXPECT_EQ(dialog.windowsFilter,
              "YaBB.pl or YaBB.cgi|YaBB.pl; YaBB.cgi|index.php [for YaBB SE]|index.php|Main "
              "Script File|*.*");
    EXPECT_EQ(dialog.initialDir.toStdString(), forumFolder());
    EXPECT_EQ(dialog.parent, m_main.get());

    EXPECT_EQ(child<QLineEdit>("Script_Path")->text().toStdString(), otherScript);
    EXPECT_EQ(child<QLineEdit>("Script_Path")->cursorPosition(), 0);
    ASSERT_EQ(m_boxes.requests().size(), 1u);
    EXPECT_EQ(m_boxes.requests()[0].text,
              "Do you want to clear the log file? This will remove all old install/uninstall "
              "information");
    EXPECT_EQ(m_boxes.requests()[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(read("install.log"), "");
    // Nothing detected in index.php: the first folder.
    EXPECT_EQ(child<QComboBox>("Mod_Folder")->currentText(), "Other");
    EXPECT_EQ(child<QLabel>("Label9")->text(), "1 Mods, 0 Installed");
}

TEST_F(MainWindowTest, ChoosingTheFirstScriptNeverAsksAboutTheLog) {
    testsupport::WriteFile(m_dir.file("install.log"), "YaBB 2.1\\Polls.mod\r\n");
    makeWindows();

    m_dialogs.queueOpen(QString::fromStdString(scriptPath()));
    QTest::mouseClick(child<QPushButton>("OpenYaBB"), Qt::LeftButton);

    EXPECT_TRUE(m_dialogs.calls()[0].initialDir.isEmpty());
    EXPECT_TRUE(m_boxes.requests().empty());
    EXPECT_EQ(child<QComboBox>("Mod_Folder")->currentText(), "YaBB 2.1");
    EXPECT_TRUE(ticked(modRow("Polls.mod")));
}

TEST_F(MainWindowTest, ClearInstallLogUnticksEveryModOnYes) {
    writeSettings();
    testsupport::WriteFile(m_dir.file("install.log"), "YaBB 2.1\\Polls.mod\r\n");
    makeWindows();
    ASSERT_TRUE(ticked(0));

    m_boxes.queue(BoxAnswer::No);
    QTest::mouseClick(child<QPushButton>("ClearLog"), Qt::LeftButton);
    EXPECT_TRUE(ticked(0));

    m_boxes.queue(BoxAnswer::Yes);
    QTest::mouseClick(child<QPushButton>("ClearLog"), Qt::LeftButton);
    EXPECT_FALSE(ticked(0));
    EXPECT_EQ(read("install.log"), "");
    EXPECT_EQ(child<QLabel>("Label9")->text(), "2 Mods, 0 Installed");
}

TEST_F(MainWindowTest, LinksOpenThroughTheLauncherWithTheBrowserList) {
    writeSettings();
    testsupport::WriteFile(m_dir.file("kestrune.ini"),
                           read("kestrune.ini") + "[LinuxBrowsers]\r\nb1=firefox\r\nb2=lynx\r\n");
    makeWindows();

    QTest::mouseClick(child<QWidget>("GetMoreMods"), Qt::LeftButton);

    ASSERT_EQ(m_launcher.calls().size(), 1u);
    EXPECT_EQ(m_launcher.calls()[0].document, "https://kestrune.example.org/mods/");
    EXPECT_EQ(m_launcher.calls()[0].browsers, (QStringList{"firefox", "lynx"}));
}

// Sends a mouse event with explicit screen positions, as a drag across the screen makes.
void SendMouse(QWidget* window, QEvent::Type type, QPoint local, QPoint global,
               Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(local), QPointF(local), QPointF(global), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

TEST_F(MainWindowTest, DraggingTheBackgroundMovesTheWindowWithTheLeftButtonOnly) {
    writeSettings();
    makeWindows();
    m_main->move(100, 100);
    const QPoint background(4, 4);
    ASSERT_EQ(m_main->childAt(background), nullptr);
    const QPoint start = m_main->mapToGlobal(background);

    SendMouse(m_main.get(), QEvent::MouseButtonPress, background, start, Qt::RightButton,
              Qt::RightButton);
    SendMouse(m_main.get(), QEvent::MouseMove, background, start + QPoint(30, 20), Qt::NoButton,
              Qt::RightButton);
    EXPECT_EQ(m_main->pos(), QPoint(100, 100));
    SendMouse(m_main.get(), QEvent::MouseButtonRelease, background, start, Qt::RightButton,
              Qt::NoButton);

    SendMouse(m_main.get(), QEvent::MouseButtonPress, background, start, Qt::LeftButton,
              Qt::LeftButton);
    SendMouse(m_main.get(), QEvent::MouseMove, background, start + QPoint(30, 20), Qt::NoButton,
              Qt::LeftButton);
    EXPECT_EQ(m_main->pos(), QPoint(130, 120));
    SendMouse(m_main.get(), QEvent::MouseMove, background, start + QPoint(-5, 20), Qt::NoButton,
              Qt::LeftButton);
    EXPECT_EQ(m_main->pos(), QPoint(95, 120));
}

TEST_F(MainWindowTest, PressOnAControlDoesNotDrag) {
    writeSettings();
    makeWindows();
    m_main->move(100, 100);
    QWidget* label = child<QLabel>("Label2");
    const QPoint onLabel = label->geometry().center();
    const QPoint start = m_main->mapToGlobal(onLabel);

    SendMouse(label, QEvent::MouseButtonPress, label->rect().center(), start, Qt::LeftButton,
              Qt::LeftButton);
    SendMouse(m_main.get(), QEvent::MouseMove, onLabel, start + QPoint(30, 20), Qt::NoButton,
              Qt::LeftButton);
    EXPECT_EQ(m_main->pos(), QPoint(100, 100));
}

}  // namespace
}  // namespace kestrunegui::test
