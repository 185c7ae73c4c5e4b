// The two-level tree of files to edit and their actions, as plain data for an item model.
//
//   oxel::ActionTree tree;
//   oxel::ActionNode* file = tree.Append(tree.Root(), oxel::FileItem("Sources/Post.pl"),
//                                        oxel::ReaderFileCaption("Sources/Post.pl"));
//   tree.Append(file, oxel::ActionItem(oxel::kKindReplace, "a", "b"), "search and replace");
//
// Nodes are owned by their parent and keep their address for as long as they exist, so a view
// may hold raw pointers (QModelIndex::internalPointer) to them. A hidden root node holds the
// level-0 nodes; the tree never grows deeper than level 1.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "oxel/TItem.h"

namespace oxel {

class ActionTree;

class ActionNode {
  public:
    ActionNode(const ActionNode&) = delete;
    ActionNode& operator=(const ActionNode&) = delete;

    const TItem& Item() const { return m_item; }
    const std::string& Caption() const { return m_caption; }
    int Kind() const { return m_item.Kind; }
    int ImageIndex() const;

    // The hidden root for level-0 nodes; nullptr only for the root itself.
    ActionNode* Parent() const { return m_parent; }
    bool IsRoot() const { return m_parent == nullptr; }
    // 0 for the nodes under the root, 1 for their children, -1 for the root.
    int Level() const;
    // Position among the parent's children (0 for the root).
    int Row() const;
    int ChildCount() const { return static_cast<int>(m_children.size()); }
    // nullptr when `row` is out of range.
    ActionNode* Child(int row) const;

  private:
    friend class ActionTree;
    ActionNode(TItem item, std::string caption, ActionNode* parent);

    TItem m_item;
    std::string m_caption;
    ActionNode* m_parent;
    std::vector<std::unique_ptr<ActionNode>> m_children;
};

// Told about every change of the tree, before and after, in the shape that
// QAbstractItemModel's begin/end pairs want.
class ActionTreeObserver {
  public:
    virtual ~ActionTreeObserver() = default;
    virtual void BeforeInsert(ActionNode* /*parent*/, int /*row*/) {}
    virtual void AfterInsert(ActionNode* /*node*/) {}
    // The node and its subtree are still in place.
    virtual void BeforeRemove(ActionNode* /*node*/) {}
    virtual void AfterRemove() {}
    // `destRow` counts in the new parent's children before the move (as beginMoveRows does).
    virtual void BeforeMove(ActionNode* /*node*/, ActionNode* /*newParent*/, int /*destRow*/) {}
    virtual void AfterMove(ActionNode* /*node*/) {}
    virtual void NodeChanged(ActionNode* /*node*/) {}
    virtual void BeforeReset() {}
    virtual void AfterReset() {}
};

class ActionTree {
  public:
    ActionTree();
    ~ActionTree();
    ActionTree(const ActionTree&) = delete;
    ActionTree& operator=(const ActionTree&) = delete;

    ActionNode* Root() const { return m_root.get(); }
    bool Empty() const { return m_root->ChildCount() == 0; }
    // All nodes below the root in document order (pre-order: each file node, then its actions).
    std::vector<ActionNode*> PreOrder() const;
    int Count() const;
    // Position of `node` in document order, -1 for the root or a node of another tree.
    int AbsoluteIndex(const ActionNode* node) const;
    bool Contains(const ActionNode* node) const;

    // Creates a node before the child now at `row` of `parent` (row == ChildCount() appends).
    // Refused (nullptr) when the parent is at level 1, the row is out of range or the kind is
    // not one of the four.
    ActionNode* Insert(ActionNode* parent, int row, TItem item, std::string caption);
    ActionNode* Append(ActionNode* parent, TItem item, std::string caption);

    // Deletes the node with all its children. The root cannot be removed.
    void Remove(ActionNode* node);
    void Clear();

    // Moves the node with its children to before the child now at `destRow` of `newParent`.
    // Refused (false) when the result would be deeper than two levels, would put a node under
    // itself, or the row is out of range. Moving a node onto its own place is accepted and
    // changes nothing.
    bool Move(ActionNode* node, ActionNode* newParent, int destRow);

    void SetItem(ActionNode* node, TItem item);
    void SetCaption(ActionNode* node, std::string caption);

    void AddObserver(ActionTreeObserver* observer);
    void RemoveObserver(ActionTreeObserver* observer);

  private:
    template <typename F>
    void Notify(F&& f);

    std::unique_ptr<ActionNode> m_root;
    std::vector<ActionTreeObserver*> m_observers;
};

// The node whose file an action edits: its parent for a level-1 node, else the node itself.
const ActionNode* FileNodeOf(const ActionNode* node);

// Whether dragging `s` may drop on `t`: never on itself; only between nodes of one level, or
// an action (level 1) onto a file node (level 0). Nothing is accepted without a dragged node.
bool CanDrop(const ActionNode* s, const ActionNode* t);

// Drops `s` on `t`: an action dropped on a file node becomes its last action; otherwise `s`,
// with its children, goes just before `t` under `t`'s parent. False when CanDrop refuses.
bool Drop(ActionTree& tree, ActionNode* s, ActionNode* t);

}  // namespace oxel
