// The editor font as a value, its colours, and its one-line string form in the settings file.
//
//   FontToString({"MS Sans Serif", 8, true, false, false, false, clWindowText})
//       == "MS Sans Serif,8,1000,clWindowText"
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace oxel {

// Colours are 0x00BBGGRR values; system colours are 0x80000000 plus the index of the
// display element, and stand for whatever the desktop uses for it.
inline constexpr int32_t clBlack = 0x000000;
inline constexpr int32_t clMaroon = 0x000080;
inline constexpr int32_t clGreen = 0x008000;
inline constexpr int32_t clOlive = 0x008080;
inline constexpr int32_t clNavy = 0x800000;
inline constexpr int32_t clPurple = 0x800080;
inline constexpr int32_t clTeal = 0x808000;
inline constexpr int32_t clGray = 0x808080;
inline constexpr int32_t clSilver = 0xC0C0C0;
inline constexpr int32_t clRed = 0x0000FF;
inline constexpr int32_t clLime = 0x00FF00;
inline constexpr int32_t clYellow = 0x00FFFF;
inline constexpr int32_t clBlue = 0xFF0000;
inline constexpr int32_t clFuchsia = 0xFF00FF;
inline constexpr int32_t clAqua = 0xFFFF00;
inline constexpr int32_t clWhite = 0xFFFFFF;
inline constexpr int32_t kSystemColorBase = INT32_MIN;  // 0x80000000
inline constexpr int32_t clWindow = kSystemColorBase | 0x05;
inline constexpr int32_t clWindowText = kSystemColorBase | 0x08;
inline constexpr int32_t clHighlight = kSystemColorBase | 0x0D;
inline constexpr int32_t clHighlightText = kSystemColorBase | 0x0E;
inline constexpr int32_t clBtnFace = kSystemColorBase | 0x0F;

bool IsSystemColor(int32_t color);

struct Font {
    std::string name = "MS Sans Serif";
    int32_t size = 8;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int32_t color = clWindowText;

    bool operator==(const Font&) const = default;
};

// The font string could not be converted (missing comma, style not four characters, size or
// colour not a number).
class FontConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kInvalidFontString = "Invalid string to font conversion";

// The colour's identifier ("clRed", "clWindowText") when it has one, else "$" and eight
// upper-case hex digits ("$00A0B0C0").
std::string ColorToString(int32_t color);
// An identifier (any letter case) or an integer, decimal or "$" hexadecimal.
std::optional<int32_t> StringToColor(std::string_view text);

// "name,size,BIUS,colour", e.g. "Arial,10,0100,$00FF8000" for 10-point italic.
std::string FontToString(const Font& font);
// Reads a font string into `font`. The name and size are stored as soon as they are parsed,
// so a failure later leaves them changed. Throws FontConversionError.
void StringToFont(std::string_view text, Font& font);

}  // namespace oxel
