// Finding a text as whole lines and splicing another text in.
#include <gtest/gtest.h>

#include "kestrune/ApplyStep.h"

using kestrune::SpliceLines;

namespace {

constexpr int kPartOfLine = 12;

struct SpliceCase {
    const char* name;
    std::string text;
    std::string search;
    std::string insert;
    std::variant<std::string, int> result;
};

void PrintTo(const SpliceCase& c, std::ostream* os) {
    *os << c.name;
}

class SpliceTable : public ::testing::TestWithParam<SpliceCase> {};

TEST_P(SpliceTable, Splices) {
    const SpliceCase& c = GetParam();
    auto result = SpliceLines(c.text, c.search, c.insert);
    if (std::holds_alternative<int>(c.result)) {
        ASSERT_TRUE(std::holds_alternative<int>(result)) << std::get<std::string>(result);
        EXPECT_EQ(std::get<int>(result), std::get<int>(c.result));
    } else {
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << std::get<int>(result);
        EXPECT_EQ(std::get<std::string>(result), std::get<std::string>(c.result));
    }
}

INSTANTIATE_TEST_SUITE_P(
    SpliceLines, SpliceTable,
    ::testing::Values(
        SpliceCase{"MiddleLine", "a\r\nb\r\nc", "b", "X\r\n", "a\r\nX\r\nc"},
        SpliceCase{"FirstLine", "a\r\nb\r\nc", "a", "X\r\n", "X\r\nb\r\nc"},
        SpliceCase{"LastLineWithoutBreak", "a\r\nb\r\nc", "c", "X\r\n", "a\r\nb\r\nX\r\n"},
        SpliceCase{"LastLineWithBreak", "a\r\nc\r\n", "c", "X\r\n", "a\r\nX\r\n"},
        SpliceCase{"WholeText", "b", "b", "X\r\n", "X\r\n"},
        SpliceCase{"TwoLinesAcrossTheBreak", "a\r\nb\r\nc", "a\r\nb", "X\r\n", "X\r\nc"},
        SpliceCase{"OnlyTheFirstOfTwoWholeLines", "a\r\nb\r\nb\r\n", "b", "X\r\n",
                   "a\r\nX\r\nb\r\n"},
        SpliceCase{"FirstLineOnlyBeginsWithIt", "bx\r\nb\r\nc", "b", "X\r\n", "bx\r\nX\r\nc"},
        SpliceCase{"FirstWholeLineAfterPartOfALine", "a\r\nbb\r\nb\r\n", "b", "", "a\r\nbb\r\n"},
        SpliceCase{"EmptyInsertRemovesTheLines", "a\r\nX\r\nb", "X", "", "a\r\nb"},
        SpliceCase{"PartOfTheMiddleLine", "a\r\nbb\r\nc", "b", "X\r\n", kPartOfLine},
        SpliceCase{"IndentedLine", "a\r\n b\r\nc", "b", "X\r\n", kPartOfLine},
        SpliceCase{"StartOfTheLastLine", "a\r\ncd", "c", "X\r\n", kPartOfLine},
        SpliceCase{"FirstLineStartOfLastTwoBytes", "b;", "b", "X\r\n", kPartOfLine},
        SpliceCase{"LfBreaksAreNotLineBreaks", "a\nb\nc", "b", "X\r\n", kPartOfLine},
        // The first line begins with the text but is longer, and the text appears again at
        // the end of a later line and then as a whole line: only the whole line is taken.
        SpliceCase{"NeverTheTailOfALaterLine", "b;\r\nab\r\nb\r\n", "b", "X\r\n",
                   "b;\r\nab\r\nX\r\n"},
        SpliceCase{"SecondByteOfTheText", "ab\r\n", "b", "X\r\n", kPartOfLine},
        SpliceCase{"NotThereAtAll", "a\r\nb", "c", "X\r\n", 1},
        SpliceCase{"NoWholeLineAfterAFirstLineThatBeginsWithIt", "b;\r\nab\r\n", "b", "X\r\n",
                   kPartOfLine}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
