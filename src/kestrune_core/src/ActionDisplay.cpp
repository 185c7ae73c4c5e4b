// The labels and panes that tell the user what one step does, in either direction.
#include "kestrune/RunView.h"

#include "modcommon/ModTags.h"

namespace kestrune {

ActionDisplay DescribeStep(const TStep& step, bool install) {
    ActionDisplay display;
    const bool replace =
        step.Kind != modcommon::kTagAddBefore && step.Kind != modcommon::kTagAddAfter;
    if (install) {
        display.label1 = "Search for this in file " + step.FileToEdit;
        if (step.Kind == modcommon::kTagAddBefore) {
            display.label2 = "and add this before it";
        } else if (step.Kind == modcommon::kTagAddAfter) {
            display.label2 = "and add this after it";
        } else {
            display.label2 = "and replace it with this";
        }
        display.memo1 = step.SearchText;
        display.memo2 = step.ActionText;
    } else if (replace) {
        // Undoing a replacement swaps the texts back.
        display.label1 = "Search for this in file " + step.FileToEdit;
        display.label2 = "and replace it with this";
        display.memo1 = step.ActionText;
        display.memo2 = step.SearchText;
    } else {
        // Undoing an addition only takes the added text out again.
        display.label1 = "remove this in file " + step.FileToEdit;
        display.label2.clear();
        display.memo1 = step.ActionText;
        display.memo2.clear();
    }
    return display;
}

ActionDisplay NothingToDoDisplay() {
    return {"nothing todo here", "nothing todo here", "", ""};
}

}  // namespace kestrune
