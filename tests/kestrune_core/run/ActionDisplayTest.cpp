// What the two labels and panes say about one step, in the install and the uninstall view.
#include <gtest/gtest.h>

#include "RunFixtures.h"
#include "kestrune/RunView.h"
#include "modcommon/ModTags.h"

namespace {

using kestrune::ActionDisplay;

struct Case {
    std::string name;
    int kind;
    bool install;
    ActionDisplay expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ActionDisplayTest : public testing::TestWithParam<Case> {};

TEST_P(ActionDisplayTest, DescribesTheStep) {
    // Multi-line texts show as the mod gives them, line breaks included.
    const auto step = runtest::Step("Sources/Post.pl", "SEARCH\r\nLINE", GetParam().kind, "ACTION");
    EXPECT_EQ(kestrune::DescribeStep(step, GetParam().install), GetParam().expected);
}

const std::string kSearchIn = "Search for this in file Sources/Post.pl";
const std::string kRemoveIn = "remove this in file Sources/Post.pl";

INSTANTIATE_TEST_SUITE_P(
    Views, ActionDisplayTest,
    testing::Values(
        Case{"InstallReplace",
             modcommon::kTagReplace,
             true,
             {kSearchIn, "and replace it with this", "SEARCH\r\nLINE", "ACTION"}},
        Case{"InstallAddBefore",
             modcommon::kTagAddBefore,
             true,
             {kSearchIn, "and add this before it", "SEARCH\r\nLINE", "ACTION"}},
        Case{"InstallAddAfter",
             modcommon::kTagAddAfter,
             true,
             {kSearchIn, "and add this after it", "SEARCH\r\nLINE", "ACTION"}},
        Case{"UninstallReplace",
             modcommon::kTagReplace,
             false,
             {kSearchIn, "and replace it with this", "ACTION", "SEARCH\r\nLINE"}},
        Case{"UninstallAddBefore", modcommon::kTagAddBefore, false, {kRemoveIn, "", "ACTION", ""}},
        Case{"UninstallAddAfter", modcommon::kTagAddAfter, false, {kRemoveIn, "", "ACTION", ""}}),
    [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

}  // namespace
