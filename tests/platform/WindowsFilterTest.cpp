#include <gtest/gtest.h>

#include "platform/WindowsFilter.h"

using platform::WindowsFilterToQt;

namespace {

struct FilterCase {
    const char* name;
    const char* windows;
    const char* qt;
};

class WindowsFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(WindowsFilter, BecomesQtNameFilters) {
    EXPECT_EQ(WindowsFilterToQt(QString::fromUtf8(GetParam().windows)),
              QString::fromUtf8(GetParam().qt));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsFilter,
    ::testing::Values(
        FilterCase{"MainScriptChoice",
                   "YaBB.pl or YaBB.cgi|YaBB.pl; YaBB.cgi|index.php [for YaBB SE]|index.php|"
                   "Main Script File|*.*",
                   "YaBB.pl or YaBB.cgi (YaBB.pl YaBB.cgi);;index.php [for YaBB SE] (index.php);;"
                   "Main Script File (*)"},
        FilterCase{"ModFile", "mod file|*.mod", "mod file (*.mod)"},
        FilterCase{"DescriptionWithParentheses", "All Files(*.*)|*.*", "All Files(*.*) (*)"},
        FilterCase{"PatternsWithoutBlank", "YaBB.pl, YaBB.cgi|YaBB.pl;YaBB.cgi",
                   "YaBB.pl, YaBB.cgi (YaBB.pl YaBB.cgi)"},
        FilterCase{"DescriptionWithoutPattern", "Anything", "Anything (*)"},
        FilterCase{"TrailingSeparatorAndEmptyPattern", "mod file|*.mod;|", "mod file (*.mod)"},
        FilterCase{"Empty", "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
