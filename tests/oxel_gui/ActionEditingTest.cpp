// Editing the action tree in the real window: adding with the placement rules, deleting,
// moving by drops, changing kinds, typing into the input fields, which fields are enabled, the
// browse command, the editing-file view and the step status.
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "OxelWindowTestSupport.h"

namespace oxelgui::test {
namespace {

using testsupport::ScriptedFileDialogs;

class ActionEditingTest : public OxelWindowTest {
  protected:
    // The two-file mod opened, the forum script set, the "Mod Action" tab shown.
    void openTwoFileMod() {
        makeForum();
        writeSettings({"YaBB=" + forumScript()});
        const std::string path = writeMod("two.mod", TwoFileMod());
        makeWindow();
        open(path);
        showTab("tsModAction");
    }
    // Each node's caption in document order, actions indented.
    std::vector<std::string> outline() {
        std::vector<std::string> lines;
        for (const oxel::ActionNode* node : doc().Tree().PreOrder()) {
            lines.push_back((node->Level() == 1 ? "  " : "") + node->Caption());
        }
        return lines;
    }
    bool drop(const oxel::ActionNode* dragged, const oxel::ActionNode* target) {
        std::unique_ptr<QMimeData> data(model().mimeData({model().indexOf(dragged)}));
        return model().dropMimeData(data.get(), Qt::MoveAction, -1, 0, model().indexOf(target));
    }
    QString text(const char* name) {
        if (auto* line = m_window->findChild<QLineEdit*>(QString::fromLatin1(name))) {
            return line->text();
        }
        return child<QPlainTextEdit>(name)->toPlainText();
    }
    bool enabled(const char* name) { return child<QWidget>(name)->isEnabled(); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
};

TEST_F(ActionEditingTest, AddedActionsGoToTheEndOfTheSelectedFileAndFilesToTheEnd) {
    openTwoFileMod();
    clickNode(nodeAt(4));  // the action of the second file
    ASSERT_TRUE(trigger("actAddAfter"));
    clickNode(nodeAt(1));  // an action of the first file
    ASSERT_TRUE(trigger("actAddReplace"));
    ASSERT_TRUE(trigger("actAddEditFile"));

    EXPECT_EQ(outline(),
              (std::vector<std::string>{"<edit file> Sources/Post.pl", "  search and replace",
                                        "  search and addafter", "  search and replace",
                                        "<edit file> Sources/Display.pl", "  search and addbefore",
                                        "  search and addafter", "<edit file>"}));
    EXPECT_EQ(doc().Selected(), nodeAt(7));
    EXPECT_TRUE(doc().Modified());
    EXPECT_EQ(nodeAt(6)->Item().Kind, oxel::kKindAddAfter);
    EXPECT_TRUE(nodeAt(6)->Item().SearchText.empty());
}

TEST_F(ActionEditingTest, AddCommandsNeedTheActionTabAndActionsASelectedNode) {
    makeWindow();
    EXPECT_FALSE(action("actAddEditFile")->isEnabled()) << "Mod Property tab";
    showTab("tsModAction");
    EXPECT_TRUE(action("actAddEditFile")->isEnabled());
    EXPECT_FALSE(action("actAddReplace")->isEnabled());
    EXPECT_FALSE(action("actDeleteAction")->isEnabled());

    // The keys reach the commands from the tree.
    child<QTreeView>("tvActions")->setFocus();
    QTest::keyClick(&window(), Qt::Key_1, Qt::ControlModifier);
    QTest::keyClick(&window(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(outline(), (std::vector<std::string>{"<edit file>", "  search and addbefore"}));
    EXPECT_TRUE(action("actDeleteAction")->isEnabled());
    showTab("tsPreview");
    EXPECT_FALSE(action("actDeleteAction")->isEnabled());
}

TEST_F(ActionEditingTest, DeletingAFileNodeTakesItsActionsWithoutAsking) {
    openTwoFileMod();
    clickNode(nodeAt(0));
    ASSERT_TRUE(trigger("actDeleteAction"));

    EXPECT_TRUE(m_boxes.requests().empty());
    EXPECT_EQ(outline(), (std::vector<std::string>{"<edit file> Sources/Display.pl",
                                                   "  search and addbefore"}));
    EXPECT_EQ(doc().Selected(), nodeAt(0));
    EXPECT_EQ(child<QTreeView>("tvActions")->currentIndex(), model().indexOf(nodeAt(0)));
    EXPECT_TRUE(doc().Modified());

    // The last nodes go too; then nothing is selected and every input field is disabled.
    ASSERT_TRUE(trigger("actDeleteAction"));
    EXPECT_TRUE(doc().Tree().Empty());
    EXPECT_EQ(doc().Selected(), nullptr);
    EXPECT_FALSE(enabled("memFileToEdit"));
    EXPECT_FALSE(enabled("memSearch"));
}

TEST_F(ActionEditingTest, DropsMoveNodesByTheDropRules) {
    openTwoFileMod();
    oxel::ActionNode* replace = nodeAt(1);
    oxel::ActionNode* addAfter = nodeAt(2);
    oxel::ActionNode* display = nodeAt(3);
    oxel::ActionNode* addBefore = nodeAt(4);
    clickNode(replace);
    doc().SetModified(false);

    // A file node onto an action, and a node onto itself, are refused.
    EXPECT_FALSE(drop(display, addAfter));
    EXPECT_FALSE(drop(replace, replace));
    EXPECT_FALSE(doc().Modified());

    // An action onto a file node becomes its last action.
    EXPECT_TRUE(drop(replace, display));
    EXPECT_EQ(outline(),
              (std::vector<std::string>{"<edit file> Sources/Post.pl", "  search and addafter",
                                        "<edit file> Sources/Display.pl", "  search and addbefore",
                                        "  search and replace"}));
    EXPECT_TRUE(doc().Modified());
    EXPECT_EQ(doc().Selected(), replace) << "the moved node stays selected";
    EXPECT_EQ(child<QTreeView>("tvActions")->currentIndex(), model().indexOf(replace));

    // An action onto an action of another file goes before it.
    EXPECT_TRUE(drop(addBefore, addAfter));
    EXPECT_EQ(outline(),
              (std::vector<std::string>{"<edit file> Sources/Post.pl", "  search and addbefore",
                                        "  search and addafter", "<edit file> Sources/Display.pl",
                                        "  search and replace"}));

    // A file node onto a file node goes before it with its actions.
    EXPECT_TRUE(drop(display, nodeAt(0)));
    EXPECT_EQ(outline(),
              (std::vector<std::string>{"<edit file> Sources/Display.pl", "  search and replace",
                                        "<edit file> Sources/Post.pl", "  search and addbefore",
                                        "  search and addafter"}));
    // The input fields are not reloaded by a move.
    EXPECT_EQ(text("memSearch"), "    print $form;");
}

TEST_F(ActionEditingTest, TypingChangesTheSelectedNodeAndMarksTheDocument) {
    openTwoFileMod();
    clickNode(nodeAt(1));
    EXPECT_EQ(text("memSearch"), "    print $form;");
    EXPECT_EQ(text("memAndAction"), "    print $form_with_reply;");
    EXPECT_FALSE(doc().Modified());

    auto* search = child<QPlainTextEdit>("memSearch");
    typeInto(search, "first");
    QTest::keyClick(search, Qt::Key_Return);
    QTest::keyClicks(search, "second");
    EXPECT_EQ(nodeAt(1)->Item().SearchText, "first\r\nsecond");
    EXPECT_EQ(nodeAt(1)->Item().ActionText, "    print $form_with_reply;");
    EXPECT_TRUE(doc().Modified());

    // Selecting another node and coming back shows the typed text.
    clickNode(nodeAt(2));
    EXPECT_EQ(text("memSearch"), "sub post {");
    clickNode(nodeAt(1));
    EXPECT_EQ(text("memSearch"), "first\nsecond");

    // The file name re-captions its node, without a blank.
    clickNode(nodeAt(3));
    EXPECT_EQ(text("memFileToEdit"), "Sources/Display.pl");
    EXPECT_TRUE(text("memSearch").isEmpty());
    typeInto(child<QLineEdit>("memFileToEdit"), "Sources/Subs.pl");
    EXPECT_EQ(nodeAt(3)->Item().FileToEdit, "Sources/Subs.pl");
    EXPECT_EQ(nodeAt(3)->Caption(), "<edit file>Sources/Subs.pl");
    EXPECT_EQ(model().data(model().indexOf(nodeAt(3))).toString(), "<edit file>Sources/Subs.pl");
}

TEST_F(ActionEditingTest, TheInputFieldsAndLabelsFollowTheSelectedNode) {
    openTwoFileMod();
    struct Row {
        int node;
        bool fileField;
        bool textFields;
        const char* searchLabel;
        const char* actionLabel;
    };
    for (const Row& row :
         {Row{0, true, false, "", ""}, Row{1, false, true, "Search for", "Replace by"},
          Row{2, false, true, "Search for", "Add after that"},
          Row{4, false, true, "Search for", "Add before that"}}) {
        SCOPED_TRACE(row.node);
        clickNode(nodeAt(row.node));
        EXPECT_EQ(enabled("memFileToEdit"), row.fileField);
        EXPECT_EQ(enabled("memSearch"), row.textFields);
        EXPECT_EQ(enabled("memAndAction"), row.textFields);
        EXPECT_EQ(label("pnlSearchString"), row.searchLabel);
        EXPECT_EQ(label("pnlActionString"), row.actionLabel);
    }
}

TEST_F(ActionEditingTest, TheTreeMenuChangesAnActionsKindAndKeepsItsTexts) {
    openTwoFileMod();
    clickNode(nodeAt(0));
    EXPECT_FALSE(action("actSearchAndReplace")->isVisible()) << "hidden for a file node";

    clickNode(nodeAt(1));
    ASSERT_TRUE(action("actSearchAndReplace")->isVisible());
    EXPECT_TRUE(action("actSearchAndReplace")->isChecked());
    EXPECT_FALSE(action("actSearchAndAddAfter")->isChecked());
    doc().SetModified(false);
    ASSERT_TRUE(trigger("actSearchAndReplace"));
    EXPECT_FALSE(doc().Modified()) << "the marked kind changes nothing";

    ASSERT_TRUE(trigger("actSearchAndAddAfter"));
    const oxel::ActionNode* node = nodeAt(1);
    EXPECT_EQ(node->Item().Kind, oxel::kKindAddAfter);
    EXPECT_EQ(node->Caption(), "search and addafter");
    EXPECT_EQ(node->Item().SearchText, "    print $form;");
    EXPECT_EQ(node->Item().ActionText, "    print $form_with_reply;");
    EXPECT_EQ(label("pnlActionString"), "Add after that");
    EXPECT_TRUE(action("actSearchAndAddAfter")->isChecked());
    EXPECT_TRUE(doc().Modified());
}

TEST_F(ActionEditingTest, TheEditingFileViewReloadsOnlyWhenTheFileChanges) {
    openTwoFileMod();
    auto* view = child<QPlainTextEdit>("memEditingFile");
    // The preview is empty after opening: any selection change reloads.
    clickNode(nodeAt(1));
    EXPECT_EQ(view->toPlainText(), "sub post {\n    print $form;\n}\n");

    showTab("tsPreview");
    showTab("tsModAction");
    testsupport::WriteFile(m_dir.file("forum/cgi-bin/Sources/Post.pl"), "changed\r\n");
    clickNode(nodeAt(2));
    EXPECT_EQ(view->toPlainText(), "sub post {\n    print $form;\n}\n") << "same file: kept";
    clickNode(nodeAt(4));
    EXPECT_EQ(view->toPlainText(), "sub display {\n}\n");
    clickNode(nodeAt(0));
    EXPECT_EQ(view->toPlainText(), "changed\n");

    // A file that does not exist empties the view.
    typeInto(child<QLineEdit>("memFileToEdit"), "Sources/Nowhere.pl");
    clickNode(nodeAt(4));
    clickNode(nodeAt(0));
    EXPECT_TRUE(view->toPlainText().isEmpty());
}

TEST_F(ActionEditingTest, BrowseStoresThePathRelativeToTheForumScript) {
    openTwoFileMod();
    clickNode(nodeAt(1));
    EXPECT_FALSE(action("actBrowseFileToEdit")->isEnabled()) << "only for a file node";
    clickNode(nodeAt(3));
    ASSERT_TRUE(action("actBrowseFileToEdit")->isEnabled());
    testsupport::WriteFile(m_dir.file("forum/html/x.html"), "<p>x</p>\r\n");
    m_dialogs.queueOpen(QString::fromStdString(m_dir.file("forum/html/x.html")));
    doc().SetModified(false);
    ASSERT_TRUE(trigger("actBrowseFileToEdit"));

    // A copy: the open dialog below adds a call, which may move the recorded ones.
    const ScriptedFileDialogs::Call call = m_dialogs.calls().back();
    EXPECT_EQ(call.windowsFilter, "All Files(*.*)|*.*");
    EXPECT_EQ(call.initialDir, QString::fromStdString(m_dir.folder() + "forum/cgi-bin/"));
    EXPECT_EQ(text("memFileToEdit"), "../html/x.html");
    EXPECT_EQ(nodeAt(3)->Item().FileToEdit, "../html/x.html");
    EXPECT_EQ(nodeAt(3)->Caption(), "<edit file>../html/x.html");
    EXPECT_TRUE(doc().Modified());
    EXPECT_EQ(text("memEditingFile"), "<p>x</p>\n");

    // The open command now starts in the forum folder.
    m_dialogs.queueOpen(std::nullopt);
    ASSERT_TRUE(trigger("actOpen"));
    EXPECT_EQ(m_dialogs.calls().back().initialDir, call.initialDir);
}

TEST_F(ActionEditingTest, ClicksAndKeysInTheTreeShowTheStepNumber) {
    openTwoFileMod();
    auto* status = child<QLabel>("StatusBarPanel");
    EXPECT_EQ(status->text(), "Step #");
    clickNode(nodeAt(2));
    EXPECT_EQ(status->text(), "Step #2/Total Steps: 3");
    QTest::keyClick(child<QTreeView>("tvActions"), Qt::Key_Down);
    EXPECT_EQ(status->text(), "Step #0/Total Steps: 3") << "a file node";
    QTest::keyClick(child<QTreeView>("tvActions"), Qt::Key_Down);
    EXPECT_EQ(status->text(), "Step #3/Total Steps: 3");
}

TEST_F(ActionEditingTest, F11AndF12ExpandAndCollapseTheWholeTree) {
    openTwoFileMod();
    auto* tree = child<QTreeView>("tvActions");
    EXPECT_TRUE(tree->isExpanded(model().indexOf(nodeAt(3)))) << "expanded after loading";
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F12);
    EXPECT_FALSE(tree->isExpanded(model().indexOf(nodeAt(0))));
    EXPECT_FALSE(tree->isExpanded(model().indexOf(nodeAt(3))));
    QTest::keyClick(tree, Qt::Key_F11);
    EXPECT_TRUE(tree->isExpanded(model().indexOf(nodeAt(0))));
    EXPECT_TRUE(tree->isExpanded(model().indexOf(nodeAt(3))));
}

}  // namespace
}  // namespace oxelgui::test
