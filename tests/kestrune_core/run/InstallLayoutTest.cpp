// The install window's layout pass.
#include <gtest/gtest.h>

#include "kestrune/InstallLayout.h"

namespace {

using kestrune::ComputeInstallLayout;

TEST(InstallLayoutTest, DesignedSizeInTheStepLayout) {
    auto layout = ComputeInstallLayout(601, 379, true);
    ASSERT_TRUE(layout.panes);
    EXPECT_EQ(layout.panes->label2Left, 305);
    EXPECT_EQ(layout.panes->memo2Left, 305);
    EXPECT_EQ(layout.panes->panel3Height, 94);
    EXPECT_EQ(layout.panes->memo1Height, 226);
    EXPECT_EQ(layout.panes->memo2Height, 226);
    EXPECT_EQ(layout.memoWidth, 296);
    EXPECT_EQ(layout.nextLeft, 113);
    EXPECT_EQ(layout.progressLeft, 220);
    EXPECT_EQ(layout.progressWidth, 159);
    EXPECT_EQ(layout.openFileLeft, 387);
    EXPECT_EQ(layout.abortLeft, 518);
}

TEST(InstallLayoutTest, GrowingWidensBothPanesAndTheProgressBar) {
    struct Case {
        int width, height;
        int label2Left, panel3Height, memo1Height, memoWidth, progressWidth;
    };
    const Case cases[] = {
        {602, 379, 305, 94, 226, 297, 160},
        {801, 500, 405, 125, 316, 396, 359},
        {1024, 768, 516, 192, 517, 508, 582},
    };
    const kestrune::CommandRow row;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        auto layout = ComputeInstallLayout(c.width, c.height, true);
        ASSERT_TRUE(layout.panes);
        EXPECT_EQ(layout.panes->label2Left, c.label2Left);
        EXPECT_EQ(layout.panes->panel3Height, c.panel3Height);
        EXPECT_EQ(layout.panes->memo1Height, c.memo1Height);
        EXPECT_EQ(layout.memoWidth, c.memoWidth);
        EXPECT_EQ(layout.progressWidth, c.progressWidth);
        // The bar fills the room between NextStep and OpenFileToEdit, gaps of 8 either side,
        // and Abort ends 8 from the right edge.
        EXPECT_EQ(layout.openFileLeft - (layout.nextLeft + row.nextWidth), c.progressWidth + 16);
        EXPECT_EQ(layout.abortLeft + row.abortWidth, c.width - 8);
    }
}

TEST(InstallLayoutTest, FastLayoutLeavesThePanesAlone) {
    auto layout = ComputeInstallLayout(601, 379, false);
    EXPECT_FALSE(layout.panes);
    EXPECT_EQ(layout.progressWidth, 159);
    EXPECT_EQ(layout.memoWidth, 296);
}

}  // namespace
