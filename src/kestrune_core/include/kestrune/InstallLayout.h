// Where the install window's controls go for a given window size.
#pragma once

#include <optional>

namespace kestrune {

// Lefts and widths of the command row as designed; only the widths and PreviousStep's left
// take part in the arithmetic.
struct CommandRow {
    int previousLeft = 8;
    int previousWidth = 97;
    int nextWidth = 99;
    int openFileWidth = 123;
    int abortWidth = 75;
};

// The step panes' geometry, set only in the step layout.
struct StepPanes {
    int label2Left = 0;
    int memo2Left = 0;
    int panel3Height = 0;  // the log and command panel at the bottom
    int memo1Height = 0;
    int memo2Height = 0;
};

struct InstallLayout {
    std::optional<StepPanes> panes;  // empty in the fast layout: the panes keep their geometry
    int nextLeft = 0;
    int progressLeft = 0;
    int progressWidth = 0;
    int openFileLeft = 0;
    int abortLeft = 0;
    int memoWidth = 0;  // both panes
};

// The layout pass for a window of `width` x `height`. At the designed 601 x 379 in the step
// layout: Label2 and Memo2 at 305, Panel3 94 high, Memo1 226 high, progress bar 159 wide,
// panes 296 wide. `memo1Top` is Memo1's top within its panel. Sizes never go below 0.
// The pass shows and hides nothing: in the fast layout the action panel stays hidden (see
// RunView::actionPanelVisible), so a resized window keeps the log filling it.
InstallLayout ComputeInstallLayout(int width, int height, bool stepLayout,
                                   const CommandRow& row = {}, int memo1Top = 0);

}  // namespace kestrune
