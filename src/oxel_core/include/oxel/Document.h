// The mod being edited: five properties, the action tree, the selected node and the state
// flags that decide captions and the unsaved-changes question.
//
// The window mirrors the document through DocumentObserver (fields, caption, Save command) and
// the tree through ActionTreeObserver (the item model); it forwards user edits to the setters
// and commands here, which keep the Modified rules.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "oxel/ActionTree.h"

namespace oxel {

inline constexpr std::string_view kProgramTitle = "Oxel";

// In the order the writer puts them in the file.
enum class Property { Id, Version, Description, Author, Homepage };
inline constexpr int kPropertyCount = 5;

class DocumentObserver {
  public:
    virtual ~DocumentObserver() = default;
    virtual void PropertyChanged(Property /*property*/) {}
    virtual void CaptionChanged() {}
    virtual void ModifiedChanged() {}
    virtual void SelectionChanged() {}
    // ClearAllValue has emptied the document: the input fields, the preview and the
    // editing-file view are to be emptied too.
    virtual void Cleared() {}
};

class Document {
  public:
    Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    ActionTree& Tree() { return m_tree; }
    const ActionTree& Tree() const { return m_tree; }

    const std::string& Value(Property property) const;
    // Marks the document modified when the value changes, also while loading: a load that
    // stops halfway leaves a document that differs from its file.
    void SetValue(Property property, std::string value);

    const std::string& CurrentFile() const { return m_currentFile; }
    void SetCurrentFile(std::string path) { m_currentFile = std::move(path); }
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);
    // Set while the program itself fills or empties the tree.
    bool Loading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }
    bool ReloadEditingFile() const { return m_reloadEditingFile; }
    void SetReloadEditingFile(bool reload) { m_reloadEditingFile = reload; }

    // The window's caption: "Oxel", "Oxel - <file>" after opening, "<file> - Oxel" after Save As.
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption);
    // "Oxel - " followed by CurrentFile.
    void UpdateCaption();

    ActionNode* Selected() const { return m_selected; }
    // Moves the selection. Unless loading or nothing was selected, first decides whether the
    // editing-file view must be reloaded: when the preview is empty or the file node changes.
    void Select(ActionNode* node, bool previewEmpty = false);

    // Empties the document: caption "Oxel", no file, empty properties and tree. Does not
    // clear Modified (emptying fields marks it, as typing would).
    void ClearAllValue();

    // Adds a node of `kind`: a file node at the end of the tree whatever is selected; an
    // action at the end of the selected file's actions (under the selected node when it is at
    // level 0). Selects it and marks the document modified. nullptr when an action is asked
    // for with nothing selected, or the kind is unknown. `previewEmpty` feeds the editing-file
    // reload rule, as for a selection by the user.
    ActionNode* AddAction(int32_t kind, bool previewEmpty = false);
    // Deletes the node and its children. A selection inside it moves to the next sibling, else
    // the previous one, else the parent.
    void DeleteNode(ActionNode* node);
    // The drag-and-drop move (see CanDrop/Drop); marks the document modified when accepted.
    bool DropNode(ActionNode* s, ActionNode* t);
    // Changes an action to another action kind, keeping its texts. False for file nodes, an
    // unknown kind, or the kind it already has.
    bool ChangeKind(ActionNode* node, int32_t kind);
    // The three input fields were edited: copies them into the selected node (the file name
    // for a file node, with its caption; the two texts for an action) and marks it modified.
    void SaveRightNow(std::string_view fileToEdit, std::string_view searchText,
                      std::string_view actionText);

    // Step number of the selected node: 0 for none or a level-0 node, else the count of
    // level-1 nodes up to it in document order.
    int GetStep() const;
    // Number of level-1 nodes.
    int GetTotalSteps() const;
    // "Step #3/Total Steps: 10".
    std::string StepStatusText() const;

    void AddObserver(DocumentObserver* observer);
    void RemoveObserver(DocumentObserver* observer);

  private:
    template <typename F>
    void Notify(F&& f);

    ActionTree m_tree;
    std::array<std::string, kPropertyCount> m_values;
    std::string m_currentFile;
    std::string m_caption;
    bool m_modified = false;
    bool m_loading = false;
    bool m_reloadEditingFile = false;
    ActionNode* m_selected = nullptr;
    std::vector<DocumentObserver*> m_observers;
};

}  // namespace oxel
