// The main window's document commands on the offscreen platform: start-up, New, Open, Reopen,
// Save, Save As, the unsaved-changes question, captions, dropped files, the installer command
// and the settings written at the end.
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "OptionDialog.h"
#include "OxelWindowTestSupport.h"
#include "platform/Launcher.h"

namespace oxelgui::test {
namespace {

using modcommon::BoxAnswer;
using modcommon::BoxButtons;
using modcommon::BoxKind;
using testsupport::ReadFile;
using testsupport::RecordingLauncher;
using testsupport::ScriptedFileDialogs;

class MainWindowFilesTest : public OxelWindowTest {
  protected:
    QString caption() const { return m_window->windowTitle(); }
    QString field(const char* name) const {
        if (auto* line = m_window->findChild<QLineEdit*>(QString::fromLatin1(name))) {
            return line->text();
        }
        return child<QPlainTextEdit>(name)->toPlainText();
    }
    // Changes the document by typing into the mod name.
    void edit() { QTest::keyClicks(child<QLineEdit>("edtId"), "x"); }
    void dropOn(QWidget* target, const QMimeData& data) {
        const QPoint at(5, 5);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
    std::vector<QString> reopenEntries() {
        child<QMenu>("mmiFile")->aboutToShow();
        std::vector<QString> entries;
        for (QAction* entry : child<QMenu>("mmiReopen")->actions()) {
            entries.push_back(entry->text());
        }
        return entries;
    }
};

TEST_F(MainWindowFilesTest, StartsEmptyWithTheAuthorFromTheSettingsAndUnmodified) {
    writeSettings({"Your_Name=Ann Example", "Your_Homepage=http://ann.example/"});
    makeWindow();

    EXPECT_EQ(caption(), "Oxel");
    EXPECT_EQ(field("edtAuthor"), "Ann Example");
    EXPECT_EQ(field("edtHomepage"), "http://ann.example/");
    EXPECT_FALSE(doc().Modified());
    EXPECT_FALSE(action("actSave")->isEnabled());
    EXPECT_TRUE(m_boxes.requests().empty());
}

TEST_F(MainWindowFilesTest, WithoutSettingsTheForumScriptComesFromPathCfg) {
    testsupport::WriteFile(m_dir.file("ModEditor/path.cfg"), "/srv/forum/YaBB.pl\r\nignored\r\n");
    makeWindow();
    EXPECT_EQ(window().settings().forumScriptPath, "/srv/forum/YaBB.pl");
}

TEST_F(MainWindowFilesTest, OpensTheFirstArgumentAndShowsItInTheCaption) {
    const std::string path = writeMod("Quick Reply.mod", TwoFileMod());
    makeWindow({QString::fromStdString(path), QStringLiteral("/ignored/second.mod")});

    EXPECT_EQ(caption(), QString::fromStdString("Oxel - " + path));
    EXPECT_EQ(field("edtId"), "Quick Reply");
    EXPECT_EQ(doc().Tree().Count(), 5);
    EXPECT_FALSE(doc().Modified());
    ASSERT_EQ(window().settings().recentFiles.Items().size(), 1u);
    EXPECT_EQ(window().settings().recentFiles.Items()[0], path);
}

TEST_F(MainWindowFilesTest, OpenShowsTheModAndSaveWritesItBackByteForByte) {
    // Latin-1 bytes that are not UTF-8 must come back unchanged.
    for (const std::string& extra : {std::string(), std::string(" caf\xE9 \xA0\xFF"),
                                     std::string(" caf\xC3\xA9 \xE2\x80\xA8")}) {
        SCOPED_TRACE(extra);
        const std::string text = TwoFileMod(extra);
        const std::string path = writeMod("a.mod", text);
        makeWindow();
        open(path);
        EXPECT_EQ(m_dialogs.calls().back().windowsFilter, "mod file|*.mod");
        EXPECT_EQ(m_dialogs.calls().back().defaultSuffix, "mod");
        EXPECT_EQ(caption(), QString::fromStdString("Oxel - " + path));
        EXPECT_FALSE(action("actSave")->isEnabled());

        // Typing in a field and taking it back re-encodes both texts of the action.
        showTab("tsModAction");
        clickNode(nodeAt(1));
        auto* search = child<QPlainTextEdit>("memSearch");
        search->setFocus();
        QTest::keyClick(search, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(search, "z");
        QTest::keyClick(search, Qt::Key_Backspace);
        EXPECT_TRUE(doc().Modified());
        ASSERT_TRUE(trigger("actSave"));

        EXPECT_EQ(ReadFile(path), text);
        EXPECT_FALSE(doc().Modified());
        EXPECT_EQ(caption(), QString::fromStdString("Oxel - " + path)) << "Save keeps the caption";
        destroyWindow();
    }
}

TEST_F(MainWindowFilesTest, TypedTextIsWrittenInTheModsOwnEncoding) {
    const std::string path = writeMod("latin.mod", TwoFileMod(" caf\xE9"));
    makeWindow();
    open(path);
    ASSERT_EQ(window().encoding(), modcommon::TextEncoding::Latin1);
    auto* version = child<QLineEdit>("edtVersion");
    version->setText(QString::fromUtf8("1.0 \xC3\xBC\xE2\x82\xAC"));  // u-umlaut, euro sign
    EXPECT_EQ(doc().Value(oxel::Property::Version), "1.0 \xFC?");
}

TEST_F(MainWindowFilesTest, SaveAsWritesTheFileAndPutsThePathBeforeTheTitle) {
    makeWindow();
    const std::string target = m_dir.file("new.mod");
    m_dialogs.queueSave(QString::fromStdString(target));
    ASSERT_TRUE(trigger("actSaveAs"));

    const ScriptedFileDialogs::Call& call = m_dialogs.calls().back();
    EXPECT_EQ(call.kind, ScriptedFileDialogs::Kind::Save);
    EXPECT_EQ(call.windowsFilter, "mod file|*.mod");
    EXPECT_EQ(call.defaultSuffix, ".mod");
    EXPECT_EQ(caption(), QString::fromStdString(target + " - Oxel"));
    EXPECT_EQ(doc().CurrentFile(), target);
    EXPECT_EQ(ReadFile(target),
              "<id>\r\n\r\n</id>\r\n\r\n<version>\r\n\r\n</version>\r\n\r\n<mod info>\r\n\r\n"
              "</mod info>\r\n\r\n<author>\r\n\r\n</author>\r\n\r\n<homepage>\r\n\r\n"
              "</homepage>\r\n\r\n");
}

TEST_F(MainWindowFilesTest, AFailedSaveIsReportedAndKeepsTheDocumentModified) {
    const std::string path = writeMod("a.mod", TwoFileMod());
    makeWindow();
    open(path);
    edit();
    std::filesystem::remove_all(m_dir.path() / "mods");

    ASSERT_TRUE(trigger("actSave"));
    ASSERT_EQ(m_boxes.requests().size(), 1u);
    EXPECT_EQ(m_boxes.requests()[0].kind, BoxKind::Error);
    EXPECT_NE(m_boxes.requests()[0].text.find("Cannot create file \"" + path + "\""),
              std::string::npos)
        << m_boxes.requests()[0].text;
    EXPECT_TRUE(doc().Modified());
}

TEST_F(MainWindowFilesTest, AFileThatCannotBeReadIsReportedAndLeavesAnEmptyDocument) {
    makeWindow();
    const std::string missing = m_dir.file("missing.mod");
    m_dialogs.queueOpen(QString::fromStdString(missing));
    ASSERT_TRUE(trigger("actOpen"));

    ASSERT_EQ(m_boxes.requests().size(), 1u);
    EXPECT_EQ(m_boxes.requests()[0].kind, BoxKind::Error);
    EXPECT_NE(m_boxes.requests()[0].text.find(missing), std::string::npos);
    EXPECT_EQ(caption(), "Oxel");
    EXPECT_EQ(doc().CurrentFile(), missing);
    EXPECT_TRUE(doc().Tree().Empty());
}

TEST_F(MainWindowFilesTest, AMissingClosingTagLeavesAPartialModifiedDocument) {
    const std::string path =
        writeMod("broken.mod", Mod({"<id>", "Half", "</id>", "<edit file>", "Sources/Post.pl",
                                    "</edit file>", "<search for>", "x"}));
    makeWindow();
    open(path);

    ASSERT_EQ(m_boxes.texts().size(), 1u);
    EXPECT_EQ(m_boxes.texts()[0], "</search for>not found!");
    EXPECT_EQ(caption(), "Oxel");
    EXPECT_EQ(field("edtId"), "Half");
    EXPECT_TRUE(doc().Modified());
    EXPECT_TRUE(window().settings().recentFiles.Items().empty());
}

TEST_F(MainWindowFilesTest, TheGuardAsksWithTheFileNameAndFollowsTheAnswer) {
    const std::string path = writeMod("a.mod", TwoFileMod());
    struct Case {
        const char* name;
        BoxAnswer answer;
        bool newDocument;  // New went on
        bool saved;
    };
    for (const Case& c :
         {Case{"cancel", BoxAnswer::Cancel, false, false},
          Case{"escape", BoxAnswer::Closed, false, false}, Case{"no", BoxAnswer::No, true, false},
          Case{"yes", BoxAnswer::Yes, true, true}}) {
        SCOPED_TRACE(c.name);
        testsupport::WriteFile(path, TwoFileMod());
        makeWindow();
        open(path);
        edit();
        m_boxes.clear();
        m_boxes.queue(c.answer);
        ASSERT_TRUE(trigger("actNew"));

        ASSERT_EQ(m_boxes.requests().size(), 1u);
        const modcommon::BoxRequest& box = m_boxes.requests()[0];
        EXPECT_EQ(box.kind, BoxKind::Information);
        EXPECT_EQ(box.buttons, BoxButtons::YesNoCancel);
        EXPECT_EQ(box.caption, "Confirmation");
        EXPECT_EQ(box.text, path + " has changed.\r\nDo you want to save the changes?");
        EXPECT_EQ(caption() == "Oxel", c.newDocument);
        EXPECT_EQ(ReadFile(path) != TwoFileMod(), c.saved);
        EXPECT_EQ(doc().Modified(), !c.newDocument);
        destroyWindow();
        m_boxes.clear();
    }
}

TEST_F(MainWindowFilesTest, ClosingANewDocumentWithYesRunsSaveAsAndCancellingItKeepsTheWindow) {
    makeWindow();
    edit();
    m_boxes.queue(BoxAnswer::Yes);
    m_dialogs.queueSave(std::nullopt);

    EXPECT_FALSE(window().close());
    ASSERT_EQ(m_boxes.texts().size(), 1u);
    EXPECT_EQ(m_boxes.texts()[0], "File has changed.\r\nDo you want to save the changes?");
    ASSERT_EQ(m_dialogs.calls().size(), 1u);
    EXPECT_EQ(m_dialogs.calls()[0].kind, ScriptedFileDialogs::Kind::Save);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(doc().Modified());

    // Saving this time lets the window close.
    const std::string target = m_dir.file("kept.mod");
    m_boxes.queue(BoxAnswer::Yes);
    m_dialogs.queueSave(QString::fromStdString(target));
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(std::filesystem::exists(target));
}

TEST_F(MainWindowFilesTest, NewOnAnUnmodifiedDocumentAsksNothingAndRefillsTheAuthor) {
    writeSettings({"Your_Name=Ann", "Your_Homepage=http://ann.example/"});
    const std::string path = writeMod("a.mod", TwoFileMod());
    makeWindow();
    open(path);
    ASSERT_EQ(field("edtAuthor"), "Ann");  // the mod's own author, by chance the same
    ASSERT_TRUE(trigger("actNew"));

    EXPECT_TRUE(m_boxes.requests().empty());
    EXPECT_EQ(caption(), "Oxel");
    EXPECT_EQ(field("edtId"), "");
    EXPECT_EQ(field("edtHomepage"), "http://ann.example/");
    EXPECT_TRUE(doc().Tree().Empty());
    EXPECT_FALSE(doc().Modified());
}

TEST_F(MainWindowFilesTest, ReopenListsTheRecentFilesOldestFirstTrimmedToTheMaximum) {
    writeSettings({"MRU_Max_Number=2"});
    const std::string a = writeMod("a.mod", TwoFileMod());
    const std::string b = writeMod("b & c.mod", TwoFileMod());
    const std::string c = writeMod("c.mod", TwoFileMod());
    makeWindow();
    open(a);
    open(b);
    open(c);

    const std::vector<QString> entries = reopenEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], QString::fromStdString(m_dir.file("mods/b && c.mod")));
    EXPECT_EQ(entries[1], QString::fromStdString(c));

    // An entry opens its file.
    child<QMenu>("mmiReopen")->actions().front()->trigger();
    EXPECT_EQ(caption(), QString::fromStdString("Oxel - " + b));
    EXPECT_EQ(reopenEntries().size(), 2u) << "the menu is rebuilt, not added to";
}

TEST_F(MainWindowFilesTest, PreferenceTrimsTheRecentFilesAndGivesTheFontToTheTextFields) {
    writeSettings({"Editor_Font=MS Sans Serif,8,0000,clWindowText"});
    std::vector<std::string> paths;
    for (const char* name : {"a.mod", "b.mod", "c.mod"}) {
        paths.push_back(writeMod(name, TwoFileMod()));
    }
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(13);
    chosen.setItalic(true);
    m_dialogs.queueFont(chosen);
    m_runOptionDialog = [](TFormOption& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("udMRU"))->setValue(1);
        dialog.actSelectFontExecute();
        dialog.btnOKClick();
        return int(QDialog::Accepted);
    };
    makeWindow();
    for (const std::string& path : paths) {
        open(path);
    }
    ASSERT_EQ(reopenEntries().size(), 3u);
    ASSERT_TRUE(trigger("actOption"));

    EXPECT_EQ(reopenEntries(), std::vector<QString>{QString::fromStdString(paths[2])});
    for (const char* name :
         {"memSearch", "memAndAction", "memPreview", "memEditingFile", "memDescription"}) {
        EXPECT_EQ(child<QWidget>(name)->font().family(), "DejaVu Serif") << name;
        EXPECT_TRUE(child<QWidget>(name)->font().italic()) << name;
    }
    destroyWindow();
    EXPECT_NE(ReadFile(settingsPath()).find("Editor_Font=DejaVu Serif,13,0100,clWindowText"),
              std::string::npos)
        << ReadFile(settingsPath());
}

TEST_F(MainWindowFilesTest, EachDroppedFileStartsAnotherOxelAndTheDocumentStaysAsItWas) {
    const std::string path = writeMod("a.mod", TwoFileMod());
    makeWindow();
    open(path);
    const QStringList dropped = {QStringLiteral("/srv/mods/Quick Reply.mod"),
                                 QStringLiteral("/srv/mods/say \"hi\".mod"),
                                 QStringLiteral("/srv/mods/c.mod")};
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : dropped) {
        urls << QUrl::fromLocalFile(file);
    }
    data.setUrls(urls);
    dropOn(child<QWidget>("StatusBar"), data);

    ASSERT_EQ(m_launcher.calls().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const RecordingLauncher::Call& call = m_launcher.calls()[static_cast<size_t>(i)];
        EXPECT_EQ(call.kind, RecordingLauncher::Kind::ParameterText);
        EXPECT_EQ(call.program, QString::fromStdString(programPath()));
        EXPECT_EQ(call.args, QStringList{dropped[i]});
    }
    EXPECT_EQ(m_launcher.calls()[0].parameterText, "\"/srv/mods/Quick Reply.mod\"");

    // A text field would paste the names: there, too, each file starts an Oxel.
    showTab("tsModAction");
    auto* search = child<QPlainTextEdit>("memSearch");
    const QString before = search->toPlainText();
    dropOn(search->viewport(), data);
    EXPECT_EQ(m_launcher.calls().size(), 6u);
    EXPECT_EQ(search->toPlainText(), before);
    EXPECT_EQ(caption(), QString::fromStdString("Oxel - " + path));
    EXPECT_FALSE(doc().Modified());
}

TEST_F(MainWindowFilesTest, QuotedParametersSplitBackIntoThePath) {
    for (const QString& path :
         {QStringLiteral("/a b/c.mod"), QStringLiteral("/x/\"q\".mod"), QStringLiteral("\"lead"),
          QStringLiteral("trail\""), QStringLiteral("/two\"\"quotes and  blanks")}) {
        EXPECT_EQ(platform::SplitParameterText(QuotedParameter(path)), QStringList{path})
            << path.toStdString();
    }
}

TEST_F(MainWindowFilesTest, KestruneStartsTheInstallerWhenItsFileExists) {
    const std::string installer = m_dir.file("kestrune");
    testsupport::WriteFile(installer, "#!/bin/sh\n");
    writeSettings({"Kestrune=" + installer});
    makeWindow();
    ASSERT_TRUE(trigger("actKestrune"));
    ASSERT_EQ(m_launcher.calls().size(), 1u);
    EXPECT_EQ(m_launcher.calls()[0].kind, RecordingLauncher::Kind::Program);
    EXPECT_EQ(m_launcher.calls()[0].program, QString::fromStdString(installer));
    EXPECT_TRUE(m_launcher.calls()[0].args.isEmpty());
    destroyWindow();

    std::filesystem::remove(installer);
    m_launcher.clear();
    makeWindow();
    EXPECT_FALSE(trigger("actKestrune"));
    EXPECT_TRUE(m_launcher.calls().empty());
}

TEST_F(MainWindowFilesTest, TheSettingsAreWrittenWhenTheWindowIsDestroyed) {
    writeSettings({"YaBB=/srv/forum/YaBB.pl", "Tree_Width=150", "MRU_Max_Number=5"},
                  {"/old/one.mod"});
    const std::string path = writeMod("a.mod", TwoFileMod());
    makeWindow();
    open(path);
    showTab("tsModAction");
    destroyWindow();

    oxel::OxelSettings saved;
    oxel::LoadSettings(settingsPath(), saved, oxel::Font{});
    EXPECT_EQ(saved.forumScriptPath, "/srv/forum/YaBB.pl");
    EXPECT_EQ(saved.treeWidth, 150);
    EXPECT_EQ(saved.recentFiles.Max(), 5);
    EXPECT_EQ(saved.recentFiles.Items(), (std::vector<std::string>{"/old/one.mod", path}));
    EXPECT_EQ(saved.editorFont, oxel::Font{});
}

TEST_F(MainWindowFilesTest, CommandsAndTheirKeysAreAsDesigned) {
    makeWindow();
    struct Row {
        const char* name;
        const char* caption;
        const char* keys;
    };
    for (const Row& row :
         {Row{"actNew", "&New", "Ctrl+N"}, Row{"actOpen", "&Open...", "Ctrl+O"},
          Row{"actSave", "&Save", "Ctrl+S"}, Row{"actSaveAs", "Save &As...", ""},
          Row{"actAddEditFile", "Edit File", "Ctrl+1"},
          Row{"actAddReplace", "Search And Replace", "Ctrl+2"},
          Row{"actAddBefore", "Search and Add Before", "Ctrl+3"},
          Row{"actAddAfter", "Search and Add After", "Ctrl+4"},
          Row{"actDeleteAction", "Delete Action", "Ctrl+Del"},
          Row{"actOption", "P&reference...", ""}, Row{"actSearch", "&Search...", "Ctrl+F"},
          Row{"actReplace", "&Replace...", "Ctrl+R"},
          Row{"actSearchAndAddAfter", "search and addafter", ""},
          Row{"actTreeFullExpand", "", "F11"}, Row{"actTreeFullCollapse", "", "F12"}}) {
        QAction* command = action(row.name);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->text(), QString::fromLatin1(row.caption)) << row.name;
        EXPECT_EQ(command->shortcut().toString(), QString::fromLatin1(row.keys)) << row.name;
    }
    EXPECT_EQ(action("actAddEditFile")->toolTip(), "Add <edit file> tag");
}

}  // namespace
}  // namespace oxelgui::test
