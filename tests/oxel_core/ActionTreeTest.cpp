// The action tree: ownership, look-ups, the change notifications and the drag-and-drop rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "oxel/ActionTree.h"

namespace {

using oxel::ActionItem;
using oxel::ActionNode;
using oxel::ActionTree;
using oxel::FileItem;

// Logs every notification with the positions a QAbstractItemModel would pass on.
class Recorder : public oxel::ActionTreeObserver {
  public:
    std::vector<std::string> log;

    static std::string Name(const ActionNode* node) {
        if (node->IsRoot()) {
            return "root";
        }
        return node->Item().Kind == 0 ? node->Item().FileToEdit : node->Item().SearchText;
    }
    void BeforeInsert(ActionNode* parent, int row) override {
        log.push_back("insert " + Name(parent) + ":" + std::to_string(row));
    }
    void AfterInsert(ActionNode* node) override { log.push_back("inserted " + Name(node)); }
    void BeforeRemove(ActionNode* node) override {
        log.push_back("remove " + Name(node->Parent()) + ":" + std::to_string(node->Row()));
    }
    void AfterRemove() override { log.push_back("removed"); }
    void BeforeMove(ActionNode* node, ActionNode* newParent, int destRow) override {
        log.push_back("move " + Name(node->Parent()) + ":" + std::to_string(node->Row()) + " to " +
                      Name(newParent) + ":" + std::to_string(destRow));
    }
    void AfterMove(ActionNode* node) override { log.push_back("moved " + Name(node)); }
    void NodeChanged(ActionNode* node) override { log.push_back("changed " + Name(node)); }
    void BeforeReset() override { log.push_back("reset"); }
    void AfterReset() override { log.push_back("reset done"); }
};

// Files A and B; A holds a1, a2; B holds b1. Actions carry their name as search text.
class TreeTest : public ::testing::Test {
  protected:
    TreeTest() {
        A = File("A");
        a1 = Act(A, "a1");
        a2 = Act(A, "a2");
        B = File("B");
        b1 = Act(B, "b1");
        tree.AddObserver(&rec);
    }
    ActionNode* File(const std::string& name) {
        return tree.Append(tree.Root(), FileItem(name), "<edit file> " + name);
    }
    ActionNode* Act(ActionNode* parent, const std::string& name) {
        return tree.Append(parent, ActionItem(1, name, ""), "search and replace");
    }
    std::string Order() const {
        std::string out;
        for (const ActionNode* n : tree.PreOrder()) {
            out += (n->Level() == 1 ? " " : " /") + Recorder::Name(n);
        }
        return out;
    }

    ActionTree tree;
    Recorder rec;
    ActionNode *A, *a1, *a2, *B, *b1;
};

TEST_F(TreeTest, LookUpsFollowTheShape) {
    EXPECT_EQ(Order(), " /A a1 a2 /B b1");
    EXPECT_EQ(tree.Count(), 5);
    EXPECT_EQ(tree.Root()->ChildCount(), 2);
    EXPECT_EQ(a2->Parent(), A);
    EXPECT_EQ(B->Parent(), tree.Root());
    EXPECT_EQ(a2->Row(), 1);
    EXPECT_EQ(B->Row(), 1);
    EXPECT_EQ(A->Level(), 0);
    EXPECT_EQ(b1->Level(), 1);
    EXPECT_EQ(A->Child(1), a2);
    EXPECT_EQ(A->Child(2), nullptr);
    EXPECT_EQ(A->Child(-1), nullptr);
    EXPECT_EQ(tree.AbsoluteIndex(B), 3);
    EXPECT_EQ(tree.AbsoluteIndex(tree.Root()), -1);
    EXPECT_EQ(b1->ImageIndex(), 1);
}

TEST_F(TreeTest, InsertNotifiesWithParentAndRow) {
    ActionNode* x = tree.Insert(A, 1, ActionItem(2, "x", ""), "search and addbefore");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(Order(), " /A a1 x a2 /B b1");
    EXPECT_EQ(rec.log, (std::vector<std::string>{"insert A:1", "inserted x"}));
}

TEST_F(TreeTest, InsertRefusesThirdLevelBadRowAndBadKind) {
    EXPECT_EQ(tree.Insert(a1, 0, ActionItem(1, "deep", ""), ""), nullptr);
    EXPECT_EQ(tree.Insert(A, 3, ActionItem(1, "far", ""), ""), nullptr);
    EXPECT_EQ(tree.Insert(A, 0, ActionItem(7, "kind", ""), ""), nullptr);
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(Order(), " /A a1 a2 /B b1");
}

TEST_F(TreeTest, RemovingAFileRemovesItsActions) {
    tree.Remove(A);
    EXPECT_EQ(Order(), " /B b1");
    EXPECT_EQ(rec.log, (std::vector<std::string>{"remove root:0", "removed"}));
    tree.Remove(tree.Root());
    EXPECT_EQ(tree.Count(), 2);
}

TEST_F(TreeTest, ClearResets) {
    tree.Clear();
    EXPECT_TRUE(tree.Empty());
    EXPECT_EQ(rec.log, (std::vector<std::string>{"reset", "reset done"}));
}

TEST_F(TreeTest, SetItemAndCaptionNotify) {
    tree.SetCaption(A, "<edit file>A2");
    tree.SetItem(a1, ActionItem(3, "a1", "new"));
    EXPECT_EQ(A->Caption(), "<edit file>A2");
    EXPECT_EQ(a1->Item().ActionText, "new");
    EXPECT_EQ(rec.log, (std::vector<std::string>{"changed A", "changed a1"}));
}

struct MoveCase {
    const char* name;
    const char* node;
    const char* parent;
    int destRow;
    bool accepted;
    const char* order;
    const char* notice;  // empty: no notification
};

class TreeMoveTest : public TreeTest, public ::testing::WithParamInterface<MoveCase> {
  protected:
    ActionNode* ByName(const std::string& name) {
        if (name == "root") {
            return tree.Root();
        }
        for (ActionNode* n : tree.PreOrder()) {
            if (Recorder::Name(n) == name) {
                return n;
            }
        }
        return nullptr;
    }
};

TEST_P(TreeMoveTest, MovesNodeWithItsChildren) {
    const MoveCase& c = GetParam();
    ActionNode* node = ByName(c.node);
    EXPECT_EQ(tree.Move(node, ByName(c.parent), c.destRow), c.accepted);
    EXPECT_EQ(Order(), c.order);
    if (std::string(c.notice).empty()) {
        EXPECT_TRUE(rec.log.empty());
    } else {
        EXPECT_EQ(rec.log, (std::vector<std::string>{c.notice, "moved " + std::string(c.node)}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, TreeMoveTest,
    ::testing::Values(
        MoveCase{"ForwardInSameParent", "a1", "A", 2, true, " /A a2 a1 /B b1", "move A:0 to A:2"},
        MoveCase{"BackwardInSameParent", "a2", "A", 0, true, " /A a2 a1 /B b1", "move A:1 to A:0"},
        MoveCase{"OntoOwnPlaceChangesNothing", "a1", "A", 1, true, " /A a1 a2 /B b1", ""},
        MoveCase{"AcrossFiles", "a2", "B", 0, true, " /A a1 /B a2 b1", "move A:1 to B:0"},
        MoveCase{"FileWithActions", "B", "root", 0, true, " /B b1 /A a1 a2",
                 "move root:1 to root:0"},
        MoveCase{"ActionToLevel0", "b1", "root", 1, true, " /A a1 a2 /b1 /B", "move B:0 to root:1"},
        MoveCase{"FileWithActionsUnderFileRefused", "B", "A", 0, false, " /A a1 a2 /B b1", ""},
        MoveCase{"UnderItselfRefused", "A", "A", 0, false, " /A a1 a2 /B b1", ""},
        MoveCase{"UnderActionRefused", "b1", "a1", 0, false, " /A a1 a2 /B b1", ""},
        MoveCase{"RowOutOfRangeRefused", "a1", "B", 2, false, " /A a1 a2 /B b1", ""}),
    [](const ::testing::TestParamInfo<MoveCase>& row) { return std::string(row.param.name); });

struct DropCase {
    const char* name;
    const char* s;
    const char* t;
    bool accepted;
    const char* order;  // after the drop
};

class DropRulesTest : public TreeTest, public ::testing::WithParamInterface<DropCase> {
  protected:
    ActionNode* ByName(const std::string& name) {
        if (name.empty()) {
            return nullptr;
        }
        for (ActionNode* n : tree.PreOrder()) {
            if (Recorder::Name(n) == name) {
                return n;
            }
        }
        return nullptr;
    }
};

TEST_P(DropRulesTest, AcceptsAndDropsByLevel) {
    const DropCase& c = GetParam();
    ActionNode* s = ByName(c.s);
    ActionNode* t = ByName(c.t);
    EXPECT_EQ(oxel::CanDrop(s, t), c.accepted);
    EXPECT_EQ(oxel::Drop(tree, s, t), c.accepted);
    EXPECT_EQ(Order(), c.order);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DropRulesTest,
    ::testing::Values(
        DropCase{"ActionOnFileBecomesItsLastAction", "a1", "B", true, " /A a2 /B b1 a1"},
        DropCase{"ActionOnOwnFileMovesToEnd", "a1", "A", true, " /A a2 a1 /B b1"},
        DropCase{"ActionOnActionGoesBeforeIt", "a2", "a1", true, " /A a2 a1 /B b1"},
        DropCase{"ActionOnActionOfOtherFile", "b1", "a2", true, " /A a1 b1 a2 /B"},
        DropCase{"FileOnFileGoesBeforeWithActions", "B", "A", true, " /B b1 /A a1 a2"},
        DropCase{"FileOnActionRefused", "A", "b1", false, " /A a1 a2 /B b1"},
        DropCase{"OnItselfRefused", "a1", "a1", false, " /A a1 a2 /B b1"},
        DropCase{"NothingDraggedRefused", "", "A", false, " /A a1 a2 /B b1"},
        DropCase{"NoTargetRefused", "a1", "", false, " /A a1 a2 /B b1"}),
    [](const ::testing::TestParamInfo<DropCase>& row) { return std::string(row.param.name); });

TEST(DropRules, Level0ActionMovesLikeAFileNode) {
    ActionTree tree;
    ActionNode* early = tree.Append(tree.Root(), ActionItem(1, "early", ""), "search and replace");
    ActionNode* file = tree.Append(tree.Root(), FileItem("f"), "<edit file> f");
    ActionNode* late = tree.Append(file, ActionItem(2, "late", ""), "search and addbefore");
    EXPECT_TRUE(oxel::Drop(tree, file, early));
    EXPECT_EQ(tree.PreOrder(), (std::vector<ActionNode*>{file, late, early}));
    EXPECT_TRUE(oxel::CanDrop(late, early));
}

TEST(FileNodeOf, IsTheParentOfAnActionElseTheNode) {
    ActionTree tree;
    ActionNode* file = tree.Append(tree.Root(), FileItem("f"), "");
    ActionNode* action = tree.Append(file, ActionItem(1, "", ""), "");
    ActionNode* loose = tree.Append(tree.Root(), ActionItem(1, "", ""), "");
    EXPECT_EQ(oxel::FileNodeOf(action), file);
    EXPECT_EQ(oxel::FileNodeOf(file), file);
    EXPECT_EQ(oxel::FileNodeOf(loose), loose);
    EXPECT_EQ(oxel::FileNodeOf(nullptr), nullptr);
}

}  // namespace
