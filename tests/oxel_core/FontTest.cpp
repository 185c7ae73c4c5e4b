// Font strings and colour names.
#include <gtest/gtest.h>

#include <string>

#include "oxel/Font.h"

namespace {

using oxel::Font;

Font MakeFont(const std::string& name, int size, bool b, bool i, bool u, bool s, int32_t color) {
    Font f;
    f.name = name;
    f.size = size;
    f.bold = b;
    f.italic = i;
    f.underline = u;
    f.strikeout = s;
    f.color = color;
    return f;
}

struct FontCase {
    const char* name;
    std::string text;
    Font font;
};

class FontStringTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontStringTest, ReadsAndWrites) {
    Font read;
    oxel::StringToFont(GetParam().text, read);
    EXPECT_EQ(read, GetParam().font);
    EXPECT_EQ(oxel::FontToString(GetParam().font), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Valid, FontStringTest,
    ::testing::Values(FontCase{"BoldWindowText", "MS Sans Serif,8,1000,clWindowText",
                               MakeFont("MS Sans Serif", 8, true, false, false, false,
                                        oxel::clWindowText)},
                      FontCase{"AllStyles", "Courier New,12,1111,clRed",
                               MakeFont("Courier New", 12, true, true, true, true, oxel::clRed)},
                      FontCase{"ItalicUnnamedColour", "Arial,10,0100,$00A0B0C0",
                               MakeFont("Arial", 10, false, true, false, false, 0xA0B0C0)},
                      FontCase{"UnderlineStrikeout", "Mono,9,0011,clBtnFace",
                               MakeFont("Mono", 9, false, false, true, true, oxel::clBtnFace)},
                      FontCase{"EmptyName", ",8,0000,clBlack",
                               MakeFont("", 8, false, false, false, false, oxel::clBlack)}),
    [](const ::testing::TestParamInfo<FontCase>& row) { return std::string(row.param.name); });

TEST(FontString, AcceptsOtherSpellingsOfNumbersAndColours) {
    Font f;
    oxel::StringToFont("Arial,$A,0200,clwindow", f);
    EXPECT_EQ(f, MakeFont("Arial", 10, false, false, false, false, oxel::clWindow));
    oxel::StringToFont("Arial,-11,0000,255", f);
    EXPECT_EQ(f.size, -11);
    EXPECT_EQ(f.color, oxel::clRed);
    oxel::StringToFont("Arial,8,0000,$80000008", f);
    EXPECT_EQ(f.color, oxel::clWindowText);
    oxel::StringToFont("Arial,8,0000,clLtGray", f);
    EXPECT_EQ(f.color, oxel::clSilver);
}

struct BadCase {
    const char* name;
    std::string text;
    bool invalidStructure;  // the "Invalid string to font conversion" message
};

class BadFontStringTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadFontStringTest, Throws) {
    Font f;
    try {
        oxel::StringToFont(GetParam().text, f);
        FAIL() << "no error";
    } catch (const oxel::FontConversionError& e) {
        if (GetParam().invalidStructure) {
            EXPECT_EQ(std::string(e.what()), "Invalid string to font conversion");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Invalid, BadFontStringTest,
    ::testing::Values(BadCase{"NoComma", "Arial", true}, BadCase{"OneComma", "Arial,8", true},
                      BadCase{"FiveStyleDigits", "Arial,8,10000,clRed", true},
                      BadCase{"ThreeStyleDigits", "Arial,8,100,clRed", true},
                      BadCase{"NoColourComma", "Arial,8,1000", true},
                      BadCase{"SizeNotANumber", "Arial,big,1000,clRed", false},
                      BadCase{"SizeOutOfRange", "Arial,99999999999,1000,clRed", false},
                      BadCase{"UnknownColour", "Arial,8,1000,clRainbow", false},
                      BadCase{"ColourTooLong", "Arial,8,1000,$123456789", false},
                      BadCase{"EmptyColour", "Arial,8,1000,", false}),
    [](const ::testing::TestParamInfo<BadCase>& row) { return std::string(row.param.name); });

TEST(FontString, NameAndSizeAreStoredBeforeALaterFailure) {
    Font f;
    EXPECT_THROW(oxel::StringToFont("Arial,14,10000,clRed", f), oxel::FontConversionError);
    EXPECT_EQ(f.name, "Arial");
    EXPECT_EQ(f.size, 14);
    EXPECT_FALSE(f.bold);
}

TEST(ColorNames, EveryWrittenIdentifierReadsBack) {
    for (int32_t color : {oxel::clBlack,        oxel::clMaroon,  oxel::clGreen,   oxel::clOlive,
                          oxel::clNavy,         oxel::clPurple,  oxel::clTeal,    oxel::clGray,
                          oxel::clSilver,       oxel::clRed,     oxel::clLime,    oxel::clYellow,
                          oxel::clBlue,         oxel::clFuchsia, oxel::clAqua,    oxel::clWhite,
                          oxel::clWindowText,   oxel::clWindow,  oxel::clBtnFace, oxel::clHighlight,
                          oxel::clHighlightText}) {
        const std::string name = oxel::ColorToString(color);
        EXPECT_EQ(name.substr(0, 2), "cl");
        EXPECT_EQ(oxel::StringToColor(name), color) << name;
    }
    EXPECT_EQ(oxel::ColorToString(oxel::clWindowText), "clWindowText");
    EXPECT_EQ(oxel::ColorToString(oxel::clBtnFace), "clBtnFace");
    EXPECT_EQ(oxel::ColorToString(0x0012AB34), "$0012AB34");
    EXPECT_TRUE(oxel::IsSystemColor(oxel::clHighlight));
    EXPECT_FALSE(oxel::IsSystemColor(oxel::clWhite));
}

}  // namespace
