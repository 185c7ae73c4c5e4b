// Line-break style detection and conversion.
#include <gtest/gtest.h>

#include <random>

#include "kestrune/LineBreaks.h"

using kestrune::ConvertLineBreaks;
using kestrune::DetectLineBreakStyle;

namespace {

struct StyleCase {
    const char* name;
    std::string text;
    bool crlf;
};

class StyleTable : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleTable, Detects) {
    EXPECT_EQ(DetectLineBreakStyle(GetParam().text), GetParam().crlf);
}

void PrintTo(const StyleCase& c, std::ostream* os) {
    *os << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, StyleTable,
    ::testing::Values(StyleCase{"Empty", "", true}, StyleCase{"NoBreak", "print;", true},
                      StyleCase{"LoneCrs", "a\rb\r", true}, StyleCase{"Lf", "a\nb\n", false},
                      StyleCase{"CrLf", "a\r\nb\r\n", true},
                      StyleCase{"ThreeCrLfFiveLf", "1\r\n2\r\n3\r\n4\n5\n6\n7\n8\n", false},
                      StyleCase{"CrCrLfLfJoinsIntoTwo", "\r\r\n\n", true},
                      StyleCase{"EqualCountsAreCrLf", "a\r\nb\nc", true},
                      StyleCase{"CrThenTextThenLfDoNotJoin", "\rx\n", false},
                      StyleCase{"MoreLfThanCrLf", "\n\r\n\n", false}),
    [](const auto& row) { return std::string(row.param.name); });

// The counting done as described: take out the first CR LF while there is one, then count
// the LFs left. Quadratic, so for short texts only.
bool CountingByRemoval(std::string text) {
    if (text.find('\n') != std::string::npos && text.find("\r\n") == std::string::npos) {
        return false;
    }
    size_t removed = 0;
    for (size_t at; (at = text.find("\r\n")) != std::string::npos; ++removed) {
        text.erase(at, 2);
    }
    size_t lfs = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    return removed >= lfs;
}

TEST(LineBreaks, OnePassAgreesWithCountingByRemoval) {
    std::mt19937 rng(99);
    const char alphabet[] = {'\r', '\n', 'x'};
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (size_t n = rng() % 14; n > 0; --n) {
            text += alphabet[rng() % 3];
        }
        ASSERT_EQ(DetectLineBreakStyle(text), CountingByRemoval(text))
            << ::testing::PrintToString(text);
    }
}

TEST(LineBreaks, ConvertsEveryKindOfBreak) {
    struct Case {
        std::string text, toCrLf, toLf;
    };
    std::vector<Case> cases = {
        {"", "", ""},
        {"a", "a", "a"},
        {"a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd", "a\nb\nc\nd"},
        {"\r\r\n\n", "\r\n\r\n\r\n", "\n\n\n"},
        {"\n\r", "\r\n\r\n", "\n\n"},
        {"end\r", "end\r\n", "end\n"},
        {std::string("a\0\r\n", 4), std::string("a\0\r\n", 4), std::string("a\0\n", 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ConvertLineBreaks(c.text, "\r\n"), c.toCrLf) << ::testing::PrintToString(c.text);
        EXPECT_EQ(ConvertLineBreaks(c.text, "\n"), c.toLf) << ::testing::PrintToString(c.text);
    }
}

}  // namespace
