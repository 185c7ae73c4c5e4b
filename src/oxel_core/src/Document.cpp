// The document: properties, state flags, selection and the tree-editing commands.
#include "oxel/Document.h"

#include <algorithm>
#include <utility>

namespace oxel {

Document::Document() : m_caption(kProgramTitle) {}

template <typename F>
void Document::Notify(F&& f) {
    std::vector<DocumentObserver*> observers = m_observers;
    for (DocumentObserver* o : observers) {
        f(*o);
    }
}

const std::string& Document::Value(Property property) const {
    return m_values[static_cast<size_t>(property)];
}

void Document::SetValue(Property property, std::string value) {
    std::string& slot = m_values[static_cast<size_t>(property)];
    if (slot == value) {
        return;
    }
    slot = std::move(value);
    Notify([&](DocumentObserver& o) { o.PropertyChanged(property); });
    SetModified(true);
}

void Document::SetModified(bool modified) {
    if (m_modified == modified) {
        return;
    }
    m_modified = modified;
    Notify([](DocumentObserver& o) { o.ModifiedChanged(); });
}

void Document::SetCaption(std::string caption) {
    if (m_caption == caption) {
        return;
    }
    m_caption = std::move(caption);
    Notify([](DocumentObserver& o) { o.CaptionChanged(); });
}

void Document::UpdateCaption() {
    SetCaption(std::string(kProgramTitle) + " - " + m_currentFile);
}

void Document::Select(ActionNode* node, bool previewEmpty) {
    if (node != nullptr && (node->IsRoot() || !m_tree.Contains(node))) {
        return;
    }
    if (!m_loading && m_selected != nullptr) {
        m_reloadEditingFile = previewEmpty || FileNodeOf(m_selected) != FileNodeOf(node);
    }
    if (node == m_selected) {
        return;
    }
    m_selected = node;
    Notify([](DocumentObserver& o) { o.SelectionChanged(); });
}

void Document::ClearAllValue() {
    SetCaption(std::string(kProgramTitle));
    m_currentFile.clear();
    for (int p = 0; p < kPropertyCount; ++p) {
        SetValue(static_cast<Property>(p), std::string());
    }
    // Emptying the input fields writes their empty texts into the node still selected.
    if (m_selected != nullptr) {
        SaveRightNow({}, {}, {});
    }
    Notify([](DocumentObserver& o) { o.Cleared(); });
    const bool wasLoading = m_loading;
    m_loading = true;
    // Deselect first, so nobody listening to the tree's removals sees a freed node selected.
    Select(nullptr);
    m_tree.Clear();
    m_loading = wasLoading;
}

ActionNode* Document::AddAction(int32_t kind, bool previewEmpty) {
    if (!IsValidKind(kind)) {
        return nullptr;
    }
    std::string caption(KindTable(kind).caption);
    ActionNode* added = nullptr;
    if (kind == kKindEditFile) {
        added = m_tree.Append(m_tree.Root(), FileItem({}), std::move(caption));
    } else {
        if (m_selected == nullptr) {
            return nullptr;
        }
        ActionNode* parent = m_selected->Level() == 0 ? m_selected : m_selected->Parent();
        const bool wasLoading = m_loading;
        m_loading = true;
        added = m_tree.Append(parent, ActionItem(kind, {}, {}), std::move(caption));
        m_loading = wasLoading;
    }
    if (added == nullptr) {
        return nullptr;
    }
    Select(added, previewEmpty);
    SetModified(true);
    return added;
}

void Document::DeleteNode(ActionNode* node) {
    if (node == nullptr || node->IsRoot() || !m_tree.Contains(node)) {
        return;
    }
    bool selectionInside = false;
    for (const ActionNode* p = m_selected; p != nullptr; p = p->Parent()) {
        selectionInside = selectionInside || p == node;
    }
    ActionNode* next = nullptr;
    if (selectionInside) {
        ActionNode* parent = node->Parent();
        const int row = node->Row();
        next = parent->Child(row + 1);
        if (next == nullptr) {
            next = parent->Child(row - 1);
        }
        if (next == nullptr && !parent->IsRoot()) {
            next = parent;
        }
        // The selected node is about to be freed: forget it before anyone can look at it.
        m_selected = nullptr;
    }
    m_tree.Remove(node);
    if (selectionInside) {
        m_selected = next;
        Notify([](DocumentObserver& o) { o.SelectionChanged(); });
    }
    SetModified(true);
}

bool Document::DropNode(ActionNode* s, ActionNode* t) {
    if (!Drop(m_tree, s, t)) {
        return false;
    }
    SetModified(true);
    return true;
}

bool Document::ChangeKind(ActionNode* node, int32_t kind) {
    if (node == nullptr || node->IsRoot() || !m_tree.Contains(node) || !IsActionKind(kind) ||
        !IsActionKind(node->Kind()) || node->Kind() == kind) {
        return false;
    }
    TItem item = node->Item();
    item.Kind = kind;
    m_tree.SetItem(node, std::move(item));
    m_tree.SetCaption(node, std::string(KindTable(kind).caption));
    SetModified(true);
    return true;
}

void Document::SaveRightNow(std::string_view fileToEdit, std::string_view searchText,
                            std::string_view actionText) {
    if (m_selected == nullptr) {
        return;
    }
    TItem item = m_selected->Item();
    if (item.Kind == kKindEditFile) {
        item.FileToEdit = fileToEdit;
        m_tree.SetItem(m_selected, std::move(item));
        m_tree.SetCaption(m_selected, EditedFileCaption(fileToEdit));
    } else {
        item.SearchText = searchText;
        item.ActionText = actionText;
        m_tree.SetItem(m_selected, std::move(item));
    }
    SetModified(true);
}

int Document::GetStep() const {
    if (m_selected == nullptr || m_selected->Level() != 1) {
        return 0;
    }
    int step = 0;
    for (const ActionNode* node : m_tree.PreOrder()) {
        if (node->Level() == 1) {
            ++step;
        }
        if (node == m_selected) {
            break;
        }
    }
    return step;
}

int Document::GetTotalSteps() const {
    int total = 0;
    const ActionNode* root = m_tree.Root();
    for (int i = 0; i < root->ChildCount(); ++i) {
        total += root->Child(i)->ChildCount();
    }
    return total;
}

std::string Document::StepStatusText() const {
    return "Step #" + std::to_string(GetStep()) + "/" +
           "Total Steps: " + std::to_string(GetTotalSteps());
}

void Document::AddObserver(DocumentObserver* observer) {
    if (observer != nullptr &&
        std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void Document::RemoveObserver(DocumentObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

}  // namespace oxel
