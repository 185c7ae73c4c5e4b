// Hints for failed searches: the partial line, the nearest line, and the replay of a run.
#include "FailureHint.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "modcommon/ModTags.h"

namespace kestrune::cli {
namespace {

using ::testing::HasSubstr;

TEST(FailureHint, PartialLineNamesTheLineWhereTheTextStands) {
    EXPECT_EQ(PartialLineHint("a\r\n  b;\r\nc", "b;"),
              "hint: it occurs at line 2, but not as whole lines:\n  2|   b;\n");
}

struct NearestCase {
    const char* name;
    std::string content;
    std::string searched;
    std::string expected;
};

// Rows print as their names in test output.
void PrintTo(const NearestCase& row, std::ostream* os) {
    *os << row.name;
}

class NearestLineCases : public ::testing::TestWithParam<NearestCase> {};

TEST_P(NearestLineCases, NamesTheNearestLine) {
    EXPECT_EQ(NearestLineHint(GetParam().content, GetParam().searched), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FailureHint, NearestLineCases,
    ::testing::Values(
        NearestCase{"BlanksAtTheEnds", "x\r\n  foo();\r\ny", "foo();",
                    "hint: its line 1 is no line of the file; the nearest is line 2, which "
                    "differs only in blanks at its ends:\n  2|   foo();\n"},
        NearestCase{"LetterCase", "x\r\nFoo();", "foo();",
                    "hint: its line 1 is no line of the file; the nearest is line 2, which "
                    "differs only in letter case or blanks at its ends:\n  2| Foo();\n"},
        NearestCase{"MostSimilar", "print $a;\r\nprint $name;\r\nexit;", "print $names;",
                    "hint: its line 1 is no line of the file; the nearest is line 2, the most "
                    "similar one:\n  2| print $name;\n"},
        NearestCase{"SecondLineNothingLike", "a\r\nb", "a\r\nzzz",
                    "hint: its line 2 is no line of the file, and no line of the file "
                    "resembles it\n"},
        NearestCase{"LinesPresentButApart", "x\r\na\r\nx\r\nb", "a\r\nb",
                    "hint: every line of it is in the file, but not one after another; its "
                    "first line is line 2\n"},
        NearestCase{"LfFileLinesCountToo", "x\n  foo();\n", "foo();",
                    "hint: its line 1 is no line of the file; the nearest is line 2, which "
                    "differs only in blanks at its ends:\n  2|   foo();\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// The replay sees each failing step on the text the steps before it left, and stops
// explaining after the limit.
TEST(FailureHint, ExplainFailuresReplaysTheRunAndCountsWhatItLeavesOut) {
    testsupport::TempDir forum;
    testsupport::WriteFile(forum.file("a.pl"), "one\r\ntwo\r\n");
    TMod mod;
    mod.Steps = {{"a.pl", "one", modcommon::kTagReplace, "ONE"},
                 {"a.pl", "one", modcommon::kTagReplace, "uno"},  // gone after step 1
                 {"a.pl", "thre", modcommon::kTagReplace, "3"},
                 {"a.pl", "four", modcommon::kTagReplace, "4"}};

    std::string hints = ExplainFailures(mod, true, forum.folder(), true, 2);

    EXPECT_THAT(hints, HasSubstr("hint: step 2 (a.pl) looks for:\n  | one\nhint: its line 1 is "
                                 "no line of the file; the nearest is line 1, which differs "
                                 "only in letter case or blanks at its ends:\n  1| ONE\n"));
    EXPECT_THAT(hints, HasSubstr("hint: step 3 (a.pl) looks for:\n  | thre\n"));
    EXPECT_THAT(hints, HasSubstr("hint: 1 more steps failed the same way"));
    EXPECT_EQ(hints.find("step 4"), std::string::npos);
}

}  // namespace
}  // namespace kestrune::cli
