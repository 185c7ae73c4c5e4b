// The record behind each node of the action tree, and what each kind of node looks like.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace oxel {

inline constexpr int32_t kKindEditFile = 0;
inline constexpr int32_t kKindReplace = 1;
inline constexpr int32_t kKindAddBefore = 2;
inline constexpr int32_t kKindAddAfter = 3;
inline constexpr int32_t kKindCount = 4;

// Fields that do not belong to the node's kind stay empty.
struct TItem {
    std::string FileToEdit;  // kind 0: relative to the forum folder, as stored in the mod
    int32_t Kind = kKindEditFile;
    std::string SearchText;  // kinds 1-3; may span lines (CR LF)
    std::string ActionText;  // kinds 1-3; may span lines (CR LF)
};

inline TItem FileItem(std::string fileToEdit) {
    TItem item;
    item.FileToEdit = std::move(fileToEdit);
    return item;
}

inline TItem ActionItem(int32_t kind, std::string searchText, std::string actionText) {
    TItem item;
    item.Kind = kind;
    item.SearchText = std::move(searchText);
    item.ActionText = std::move(actionText);
    return item;
}

// One row of the per-kind table.
struct KindInfo {
    std::string_view caption;      // node caption ("<edit file>" for kind 0 from the add command)
    int imageIndex;                // image and selected image of the node
    std::string_view actionLabel;  // label over the second input field
    int openTag;                   // index into modcommon::ModTags of the tag the writer uses
    int closeTag;
};

// The label over the first input field while an action is selected (empty for a file node).
inline constexpr std::string_view kSearchLabel = "Search for";

// Which input fields the selected node enables: the file-to-edit field for a file node, the
// search and action fields for an action, none without a selection.
struct InputFieldState {
    bool fileToEdit = false;
    bool searchAndAction = false;
};
InputFieldState InputFieldsFor(const TItem* selected);

bool IsValidKind(int32_t kind);
bool IsActionKind(int32_t kind);
// `kind` must be valid.
const KindInfo& KindTable(int32_t kind);

// The three captions a file node can carry: from the reader ("<edit file> name"), from the add
// command ("<edit file>"), and after the file-to-edit field was edited ("<edit file>name").
std::string ReaderFileCaption(std::string_view fileToEdit);
std::string EditedFileCaption(std::string_view fileToEdit);

}  // namespace oxel
