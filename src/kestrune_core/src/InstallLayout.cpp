// The install window's layout pass as plain arithmetic.
#include "kestrune/InstallLayout.h"

#include <algorithm>

namespace kestrune {

InstallLayout ComputeInstallLayout(int width, int height, bool stepLayout, const CommandRow& row,
                                   int memo1Top) {
    InstallLayout layout;
    if (stepLayout) {
        StepPanes panes;
        panes.label2Left = width - width / 2 + 4;
        panes.memo2Left = panes.label2Left;
        panes.panel3Height = height / 4;
        panes.memo1Height = std::max(0, height - 59 - memo1Top - panes.panel3Height);
        panes.memo2Height = panes.memo1Height;
        layout.panes = panes;
    }
    constexpr int kGap = 8;
    layout.nextLeft = row.previousLeft + row.previousWidth + kGap;
    layout.progressLeft = layout.nextLeft + row.nextWidth + kGap;
    layout.progressWidth = std::max(
        0, width - 48 - row.previousWidth - row.nextWidth - row.openFileWidth - row.abortWidth);
    layout.openFileLeft = layout.progressLeft + layout.progressWidth + kGap;
    layout.abortLeft = layout.openFileLeft + row.openFileWidth + kGap;
    layout.memoWidth = std::max(0, (width - 8) / 2);
    return layout;
}

}  // namespace kestrune
