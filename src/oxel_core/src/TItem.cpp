// The per-kind table of the action tree.
#include "oxel/TItem.h"

#include <array>

#include "modcommon/ModTags.h"

namespace oxel {
namespace {

constexpr std::array<KindInfo, kKindCount> kKinds = {{
    {"<edit file>", 0, "", modcommon::kTagEditFile, modcommon::kTagEditFile + 1},
    {"search and replace", 1, "Replace by", modcommon::kTagReplace, modcommon::kTagReplace + 1},
    {"search and addbefore", 2, "Add before that", modcommon::kTagAddBefore,
     modcommon::kTagAddBefore + 1},
    {"search and addafter", 3, "Add after that", modcommon::kTagAddAfter,
     modcommon::kTagAddAfter + 1},
}};

}  // namespace

InputFieldState InputFieldsFor(const TItem* selected) {
    InputFieldState state;
    if (selected != nullptr) {
        state.fileToEdit = selected->Kind == kKindEditFile;
        state.searchAndAction = IsActionKind(selected->Kind);
    }
    return state;
}

bool IsValidKind(int32_t kind) {
    return kind >= 0 && kind < kKindCount;
}

bool IsActionKind(int32_t kind) {
    return kind > kKindEditFile && kind < kKindCount;
}

const KindInfo& KindTable(int32_t kind) {
    return kKinds[static_cast<size_t>(kind)];
}

std::string ReaderFileCaption(std::string_view fileToEdit) {
    std::string caption(KindTable(kKindEditFile).caption);
    caption += ' ';
    caption += fileToEdit;
    return caption;
}

std::string EditedFileCaption(std::string_view fileToEdit) {
    std::string caption(KindTable(kKindEditFile).caption);
    caption += fileToEdit;
    return caption;
}

}  // namespace oxel
