// The document: Modified rules, ClearAllValue, the editing commands and step numbering.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocDump.h"
#include "oxel/Document.h"

namespace {

using oxel::ActionNode;
using oxel::Document;
using oxel::Property;

class Events : public oxel::DocumentObserver {
  public:
    std::vector<std::string> log;
    void PropertyChanged(Property p) override {
        log.push_back("property " + std::to_string(static_cast<int>(p)));
    }
    void CaptionChanged() override { log.push_back("caption"); }
    void ModifiedChanged() override { log.push_back("modified"); }
    void SelectionChanged() override { log.push_back("selection"); }
    void Cleared() override { log.push_back("cleared"); }
};

// Two files, each with actions, built through the commands; then saved (not modified).
class DocumentTest : public ::testing::Test {
  protected:
    DocumentTest() {
        file1 = doc.AddAction(0);
        act1 = doc.AddAction(1);
        act2 = doc.AddAction(2);
        file2 = doc.AddAction(0);
        act3 = doc.AddAction(3);
        doc.SetModified(false);
        doc.AddObserver(&events);
    }
    Document doc;
    Events events;
    ActionNode *file1, *act1, *act2, *file2, *act3;
};

TEST_F(DocumentTest, CommandsBuildTheTreeAndSelectTheNewNode) {
    EXPECT_EQ(oxeltest::Dump(doc),
              "file[<edit file>] \n  replace[|]\n  before[|]\nfile[<edit file>] \n  after[|]\n");
    EXPECT_EQ(doc.Selected(), act3);
    EXPECT_EQ(act3->Caption(), "search and addafter");
    EXPECT_EQ(act3->ImageIndex(), 3);
}

TEST_F(DocumentTest, AddedActionGoesToTheEndOfTheSelectedFile) {
    doc.Select(act1);
    ActionNode* added = doc.AddAction(3);
    EXPECT_EQ(added->Parent(), file1);
    EXPECT_EQ(added->Row(), 2);
    EXPECT_EQ(doc.Selected(), added);
    EXPECT_TRUE(doc.Modified());
    EXPECT_FALSE(doc.Loading());
}

TEST_F(DocumentTest, AddedFileGoesToTheEndWhateverIsSelected) {
    doc.Select(act1);
    ActionNode* added = doc.AddAction(0);
    EXPECT_EQ(added->Parent(), doc.Tree().Root());
    EXPECT_EQ(added->Row(), 2);
    EXPECT_EQ(added->Caption(), "<edit file>");
}

TEST_F(DocumentTest, ActionNeedsASelectionAndAKnownKind) {
    doc.Select(nullptr);
    EXPECT_EQ(doc.AddAction(1), nullptr);
    doc.Select(file1);
    EXPECT_EQ(doc.AddAction(4), nullptr);
    EXPECT_EQ(doc.AddAction(-1), nullptr);
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentTest, DeletingAFileFreesItsActionsAndMovesTheSelection) {
    doc.Select(act2);
    doc.DeleteNode(file1);
    EXPECT_EQ(oxeltest::Dump(doc), "file[<edit file>] \n  after[|]\n");
    EXPECT_EQ(doc.Selected(), file2);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(DocumentTest, DeletedSelectionFallsBackToPreviousSiblingThenParent) {
    doc.Select(act2);
    doc.DeleteNode(act2);
    EXPECT_EQ(doc.Selected(), act1);
    doc.DeleteNode(act1);
    EXPECT_EQ(doc.Selected(), file1);
    doc.Select(act3);
    doc.DeleteNode(file1);
    EXPECT_EQ(doc.Selected(), act3);
}

TEST_F(DocumentTest, PropertyChangeMarksModifiedOnlyWhenTheValueChanges) {
    doc.SetValue(Property::Author, "");
    EXPECT_FALSE(doc.Modified());
    doc.SetValue(Property::Author, "Me");
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(events.log, (std::vector<std::string>{"property 3", "modified"}));
}

TEST_F(DocumentTest, DroppingMarksModifiedOnlyWhenAccepted) {
    EXPECT_FALSE(doc.DropNode(file1, act3));
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(doc.DropNode(act3, file1));
    EXPECT_EQ(act3->Parent(), file1);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(DocumentTest, ChangeKindKeepsTextsAndRecaptions) {
    doc.Select(act1);
    doc.SaveRightNow("", "find", "put");
    doc.SetModified(false);
    EXPECT_TRUE(doc.ChangeKind(act1, 3));
    EXPECT_EQ(act1->Caption(), "search and addafter");
    EXPECT_EQ(oxel::KindTable(act1->Kind()).actionLabel, "Add after that");
    EXPECT_EQ(act1->Item().SearchText, "find");
    EXPECT_EQ(act1->Item().ActionText, "put");
    EXPECT_EQ(act1->ImageIndex(), 3);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(DocumentTest, ChangeKindRefusesSameKindFileNodesAndUnknownKinds) {
    EXPECT_FALSE(doc.ChangeKind(act1, 1));
    EXPECT_FALSE(doc.ChangeKind(file1, 2));
    EXPECT_FALSE(doc.ChangeKind(act1, 0));
    EXPECT_FALSE(doc.ChangeKind(act1, 4));
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentTest, SaveRightNowCopiesInputsIntoTheSelectedNode) {
    doc.Select(file2);
    doc.SaveRightNow("Sources/Post.pl", "ignored", "ignored");
    EXPECT_EQ(file2->Item().FileToEdit, "Sources/Post.pl");
    EXPECT_EQ(file2->Item().SearchText, "");
    EXPECT_EQ(file2->Caption(), "<edit file>Sources/Post.pl");
    EXPECT_TRUE(doc.Modified());

    doc.Select(act3);
    doc.SaveRightNow("ignored", "a\r\nb", "c");
    EXPECT_EQ(act3->Item().SearchText, "a\r\nb");
    EXPECT_EQ(act3->Item().ActionText, "c");
    EXPECT_EQ(act3->Item().FileToEdit, "");

    doc.Select(nullptr);
    doc.SetModified(false);
    doc.SaveRightNow("x", "y", "z");
    EXPECT_FALSE(doc.Modified());
}

TEST_F(DocumentTest, ClearAllValueEmptiesEverythingButKeepsModified) {
    doc.SetValue(Property::Id, "Name");
    doc.SetCurrentFile("/mods/a.mod");
    doc.UpdateCaption();
    doc.SetModified(false);
    events.log.clear();
    doc.ClearAllValue();
    EXPECT_EQ(doc.Caption(), "Oxel");
    EXPECT_EQ(doc.CurrentFile(), "");
    EXPECT_EQ(doc.Value(Property::Id), "");
    EXPECT_TRUE(doc.Tree().Empty());
    EXPECT_EQ(doc.Selected(), nullptr);
    EXPECT_TRUE(doc.Modified());
    EXPECT_FALSE(doc.Loading());
    EXPECT_EQ(events.log, (std::vector<std::string>{"caption", "property 0", "modified", "cleared",
                                                    "selection"}));
}

// A view that mirrors the tree must never find the selection pointing at a node being freed.
TEST_F(DocumentTest, ClearAllValueDeselectsBeforeTheNodesGo) {
    struct SelectionAtReset : oxel::ActionTreeObserver {
        const Document* doc = nullptr;
        const ActionNode* seen = reinterpret_cast<const ActionNode*>(1);
        void BeforeReset() override { seen = doc->Selected(); }
        void BeforeRemove(ActionNode*) override { seen = doc->Selected(); }
    } watcher;
    watcher.doc = &doc;
    doc.Select(act2);
    doc.Tree().AddObserver(&watcher);
    doc.ClearAllValue();
    doc.Tree().RemoveObserver(&watcher);
    EXPECT_EQ(watcher.seen, nullptr);
}

TEST_F(DocumentTest, AnAddedActionReloadsTheEditingFileWhileThePreviewIsEmpty) {
    doc.Select(act1);
    doc.AddAction(3);
    EXPECT_FALSE(doc.ReloadEditingFile()) << "same file, preview built";
    doc.Select(act1);
    doc.AddAction(3, /*previewEmpty=*/true);
    EXPECT_TRUE(doc.ReloadEditingFile());
}

TEST(ClearAllValue, OnAnEmptyDocumentLeavesItUnmodified) {
    Document doc;
    doc.ClearAllValue();
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.Caption(), "Oxel");
}

struct StepCase {
    const char* name;
    int selected;  // index in document order, -1 for none
    int step;
};

class StepTest : public ::testing::TestWithParam<StepCase> {};

// A level-0 action, then file A with two actions and file B with one.
TEST_P(StepTest, NumbersActionsAcrossFiles) {
    Document doc;
    oxel::ActionTree& tree = doc.Tree();
    tree.Append(tree.Root(), oxel::ActionItem(1, "", ""), "search and replace");
    ActionNode* a = tree.Append(tree.Root(), oxel::FileItem("A"), "<edit file> A");
    tree.Append(a, oxel::ActionItem(1, "", ""), "search and replace");
    tree.Append(a, oxel::ActionItem(2, "", ""), "search and addbefore");
    ActionNode* b = tree.Append(tree.Root(), oxel::FileItem("B"), "<edit file> B");
    tree.Append(b, oxel::ActionItem(3, "", ""), "search and addafter");

    const int index = GetParam().selected;
    doc.Select(index < 0 ? nullptr : tree.PreOrder()[static_cast<size_t>(index)]);
    EXPECT_EQ(doc.GetTotalSteps(), 3);
    EXPECT_EQ(doc.GetStep(), GetParam().step);
    EXPECT_EQ(doc.StepStatusText(), "Step #" + std::to_string(GetParam().step) + "/Total Steps: 3");
}

INSTANTIATE_TEST_SUITE_P(
    Selections, StepTest,
    ::testing::Values(StepCase{"Nothing", -1, 0}, StepCase{"Level0Action", 0, 0},
                      StepCase{"FileNode", 1, 0}, StepCase{"FirstAction", 2, 1},
                      StepCase{"SecondAction", 3, 2}, StepCase{"SecondFile", 4, 0},
                      StepCase{"ActionOfSecondFile", 5, 3}),
    [](const ::testing::TestParamInfo<StepCase>& row) { return std::string(row.param.name); });

TEST_F(DocumentTest, SelectionDecidesWhetherTheEditingFileReloads) {
    doc.Select(act1);
    doc.Select(act2);
    EXPECT_FALSE(doc.ReloadEditingFile()) << "same file";
    doc.Select(act3);
    EXPECT_TRUE(doc.ReloadEditingFile()) << "other file";
    doc.Select(file2);
    EXPECT_FALSE(doc.ReloadEditingFile()) << "the file node of the same file";
    doc.Select(act3, /*previewEmpty=*/true);
    EXPECT_TRUE(doc.ReloadEditingFile()) << "preview not yet built";

    doc.SetReloadEditingFile(false);
    doc.SetLoading(true);
    doc.Select(act1);
    EXPECT_FALSE(doc.ReloadEditingFile()) << "not recomputed while loading";
    doc.SetLoading(false);
    doc.Select(nullptr);
    doc.SetReloadEditingFile(false);
    doc.Select(act3);
    EXPECT_FALSE(doc.ReloadEditingFile()) << "not recomputed from no selection";
}

TEST_F(DocumentTest, SelectionEnablesTheMatchingInputFields) {
    EXPECT_FALSE(oxel::InputFieldsFor(nullptr).fileToEdit);
    EXPECT_FALSE(oxel::InputFieldsFor(nullptr).searchAndAction);
    EXPECT_TRUE(oxel::InputFieldsFor(&file1->Item()).fileToEdit);
    EXPECT_FALSE(oxel::InputFieldsFor(&file1->Item()).searchAndAction);
    EXPECT_FALSE(oxel::InputFieldsFor(&act1->Item()).fileToEdit);
    EXPECT_TRUE(oxel::InputFieldsFor(&act1->Item()).searchAndAction);
}

TEST_F(DocumentTest, ForeignNodesCannotBeSelected) {
    Document other;
    ActionNode* stranger = other.AddAction(0);
    doc.Select(act1);
    doc.Select(stranger);
    EXPECT_EQ(doc.Selected(), act1);
    doc.Select(doc.Tree().Root());
    EXPECT_EQ(doc.Selected(), act1);
}

}  // namespace
