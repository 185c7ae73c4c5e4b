// The action tree: node ownership, look-ups and the changes an item model mirrors.
#include "oxel/ActionTree.h"

#include <algorithm>
#include <utility>

namespace oxel {

ActionNode::ActionNode(TItem item, std::string caption, ActionNode* parent)
    : m_item(std::move(item)), m_caption(std::move(caption)), m_parent(parent) {}

int ActionNode::ImageIndex() const {
    return IsValidKind(m_item.Kind) ? KindTable(m_item.Kind).imageIndex : 0;
}

int ActionNode::Level() const {
    int level = -1;
    for (const ActionNode* p = m_parent; p != nullptr; p = p->m_parent) {
        ++level;
    }
    return level;
}

int ActionNode::Row() const {
    if (m_parent == nullptr) {
        return 0;
    }
    const auto& siblings = m_parent->m_children;
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i].get() == this) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ActionNode* ActionNode::Child(int row) const {
    if (row < 0 || row >= ChildCount()) {
        return nullptr;
    }
    return m_children[static_cast<size_t>(row)].get();
}

ActionTree::ActionTree() : m_root(new ActionNode(TItem{}, std::string(), nullptr)) {}

ActionTree::~ActionTree() = default;

template <typename F>
void ActionTree::Notify(F&& f) {
    // A copy, so an observer may unsubscribe while being told.
    std::vector<ActionTreeObserver*> observers = m_observers;
    for (ActionTreeObserver* o : observers) {
        f(*o);
    }
}

std::vector<ActionNode*> ActionTree::PreOrder() const {
    std::vector<ActionNode*> nodes;
    for (const auto& top : m_root->m_children) {
        nodes.push_back(top.get());
        for (const auto& child : top->m_children) {
            nodes.push_back(child.get());
        }
    }
    return nodes;
}

int ActionTree::Count() const {
    int count = 0;
    for (const auto& top : m_root->m_children) {
        count += 1 + top->ChildCount();
    }
    return count;
}

int ActionTree::AbsoluteIndex(const ActionNode* node) const {
    int index = 0;
    for (const auto& top : m_root->m_children) {
        if (top.get() == node) {
            return index;
        }
        ++index;
        for (const auto& child : top->m_children) {
            if (child.get() == node) {
                return index;
            }
            ++index;
        }
    }
    return -1;
}

bool ActionTree::Contains(const ActionNode* node) const {
    while (node != nullptr && node->m_parent != nullptr) {
        node = node->m_parent;
    }
    return node == m_root.get();
}

ActionNode* ActionTree::Insert(ActionNode* parent, int row, TItem item, std::string caption) {
    if (parent == nullptr || !Contains(parent) || parent->Level() > 0 || row < 0 ||
        row > parent->ChildCount() || !IsValidKind(item.Kind)) {
        return nullptr;
    }
    Notify([&](ActionTreeObserver& o) { o.BeforeInsert(parent, row); });
    auto node =
        std::unique_ptr<ActionNode>(new ActionNode(std::move(item), std::move(caption), parent));
    ActionNode* raw = node.get();
    parent->m_children.insert(parent->m_children.begin() + row, std::move(node));
    Notify([&](ActionTreeObserver& o) { o.AfterInsert(raw); });
    return raw;
}

ActionNode* ActionTree::Append(ActionNode* parent, TItem item, std::string caption) {
    if (parent == nullptr) {
        return nullptr;
    }
    return Insert(parent, parent->ChildCount(), std::move(item), std::move(caption));
}

void ActionTree::Remove(ActionNode* node) {
    if (node == nullptr || node->IsRoot() || !Contains(node)) {
        return;
    }
    Notify([&](ActionTreeObserver& o) { o.BeforeRemove(node); });
    auto& siblings = node->m_parent->m_children;
    siblings.erase(siblings.begin() + node->Row());
    Notify([&](ActionTreeObserver& o) { o.AfterRemove(); });
}

void ActionTree::Clear() {
    Notify([&](ActionTreeObserver& o) { o.BeforeReset(); });
    m_root->m_children.clear();
    Notify([&](ActionTreeObserver& o) { o.AfterReset(); });
}

bool ActionTree::Move(ActionNode* node, ActionNode* newParent, int destRow) {
    if (node == nullptr || newParent == nullptr || node->IsRoot() || !Contains(node) ||
        !Contains(newParent) || destRow < 0 || destRow > newParent->ChildCount()) {
        return false;
    }
    for (const ActionNode* p = newParent; p != nullptr; p = p->m_parent) {
        if (p == node) {
            return false;
        }
    }
    const int height = node->ChildCount() > 0 ? 1 : 0;
    if (newParent->Level() + 1 + height > 1) {
        return false;
    }
    ActionNode* oldParent = node->m_parent;
    const int oldRow = node->Row();
    if (oldParent == newParent && (destRow == oldRow || destRow == oldRow + 1)) {
        return true;
    }
    Notify([&](ActionTreeObserver& o) { o.BeforeMove(node, newParent, destRow); });
    std::unique_ptr<ActionNode> owned =
        std::move(oldParent->m_children[static_cast<size_t>(oldRow)]);
    oldParent->m_children.erase(oldParent->m_children.begin() + oldRow);
    int insertAt = destRow;
    if (oldParent == newParent && destRow > oldRow) {
        --insertAt;
    }
    owned->m_parent = newParent;
    newParent->m_children.insert(newParent->m_children.begin() + insertAt, std::move(owned));
    Notify([&](ActionTreeObserver& o) { o.AfterMove(node); });
    return true;
}

void ActionTree::SetItem(ActionNode* node, TItem item) {
    if (node == nullptr || node->IsRoot() || !IsValidKind(item.Kind)) {
        return;
    }
    node->m_item = std::move(item);
    Notify([&](ActionTreeObserver& o) { o.NodeChanged(node); });
}

void ActionTree::SetCaption(ActionNode* node, std::string caption) {
    if (node == nullptr || node->IsRoot()) {
        return;
    }
    node->m_caption = std::move(caption);
    Notify([&](ActionTreeObserver& o) { o.NodeChanged(node); });
}

void ActionTree::AddObserver(ActionTreeObserver* observer) {
    if (observer != nullptr &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void ActionTree::RemoveObserver(ActionTreeObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

const ActionNode* FileNodeOf(const ActionNode* node) {
    if (node == nullptr) {
        return nullptr;
    }
    return node->Level() == 1 ? node->Parent() : node;
}

bool CanDrop(const ActionNode* s, const ActionNode* t) {
    if (s == nullptr || t == nullptr || s == t || s->IsRoot() || t->IsRoot()) {
        return false;
    }
    return s->Level() == t->Level() || (s->Level() == 1 && t->Level() == 0);
}

bool Drop(ActionTree& tree, ActionNode* s, ActionNode* t) {
    if (!CanDrop(s, t) || !tree.Contains(s) || !tree.Contains(t)) {
        return false;
    }
    if (s->Level() == 1 && t->Level() == 0) {
        return tree.Move(s, t, t->ChildCount());
    }
    return tree.Move(s, t->Parent(), t->Row());
}

}  // namespace oxel
