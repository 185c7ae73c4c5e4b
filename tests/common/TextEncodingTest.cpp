#include <gtest/gtest.h>

#include <string>

#include "modcommon/TextEncoding.h"

using modcommon::DetectTextEncoding;
using modcommon::DisplayUtf8;
using modcommon::IsValidUtf8;
using modcommon::Latin1ToUtf8;
using modcommon::TextEncoding;

namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

class Utf8Validity : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Validity, MatchesTheStrictRules) {
    const Utf8Case& c = GetParam();
    EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
    EXPECT_EQ(DetectTextEncoding(c.bytes), c.valid ? TextEncoding::Utf8 : TextEncoding::Latin1);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Validity,
                         ::testing::Values(Utf8Case{"Empty", "", true},
                                           Utf8Case{"AsciiWithCrLfAndNul",
                                                    std::string("a\r\nb\0c", 6), true},
                                           Utf8Case{"TwoByte", "gr\xC3\xBC\xC3\x9F", true},
                                           Utf8Case{"ThreeByteEuro", "\xE2\x82\xAC", true},
                                           Utf8Case{"FourByteEmoji", "\xF0\x9F\x98\x80", true},
                                           Utf8Case{"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
                                           Utf8Case{"Latin1Umlaut", "gr\xFC\xDF", false},
                                           Utf8Case{"LoneContinuation", "a\x80", false},
                                           Utf8Case{"OverlongSlash", "\xC0\xAF", false},
                                           Utf8Case{"OverlongThreeByte", "\xE0\x80\xAF", false},
                                           Utf8Case{"OverlongFourByte", "\xF0\x80\x80\xAF", false},
                                           Utf8Case{"Surrogate", "\xED\xA0\x80", false},
                                           Utf8Case{"AboveU10FFFF", "\xF4\x90\x80\x80", false},
                                           Utf8Case{"CutOffAtEnd", "ok\xE2\x82", false},
                                           Utf8Case{"CutOffBeforeAscii", "\xE2\x82z", false},
                                           Utf8Case{"InvalidLeadFF", "\xFF", false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Latin1ToUtf8, MapsEveryByteToItsCodePointAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string utf8 = Latin1ToUtf8(all);
    ASSERT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(utf8.size(), 128u + 2u * 128u);

    // Decode by hand: one character per input byte, same value.
    std::string back;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            back.push_back(static_cast<char>(c));
        } else {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            back.push_back(static_cast<char>(((c & 0x1F) << 6) | (next & 0x3F)));
        }
    }
    EXPECT_EQ(back, all);
}

TEST(DisplayUtf8, KeepsValidUtf8AndReadsAnythingElseAsLatin1) {
    EXPECT_EQ(DisplayUtf8("Caf\xC3\xA9\r\n"), "Caf\xC3\xA9\r\n");
    EXPECT_EQ(DisplayUtf8("Caf\xE9\r\n"), "Caf\xC3\xA9\r\n");
    // One stray byte makes the whole text Latin-1, so already encoded characters show as
    // their bytes rather than being half decoded.
    EXPECT_EQ(DisplayUtf8("\xC3\xA9\xE9"), "\xC3\x83\xC2\xA9\xC3\xA9");
}

}  // namespace
