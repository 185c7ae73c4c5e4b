// Font strings and colour names.
#include "oxel/Font.h"

#include <array>
#include <cstdio>

#include "modcommon/ModTags.h"

namespace oxel {
namespace {

struct ColorName {
    int32_t value;
    std::string_view name;
};

constexpr int32_t Sys(int index) {
    return kSystemColorBase | index;
}

// Where two names share a value, the first one is written; both are read.
constexpr std::array<ColorName, 52> kColorNames = {{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {Sys(0x0A), "clActiveBorder"},
    {Sys(0x02), "clActiveCaption"},
    {Sys(0x0C), "clAppWorkSpace"},
    {Sys(0x01), "clBackground"},
    {Sys(0x0F), "clBtnFace"},
    {Sys(0x14), "clBtnHighlight"},
    {Sys(0x10), "clBtnShadow"},
    {Sys(0x12), "clBtnText"},
    {Sys(0x09), "clCaptionText"},
    {0x20000000, "clDefault"},
    {Sys(0x1B), "clGradientActiveCaption"},
    {Sys(0x1C), "clGradientInactiveCaption"},
    {Sys(0x11), "clGrayText"},
    {Sys(0x0D), "clHighlight"},
    {Sys(0x0E), "clHighlightText"},
    {Sys(0x1A), "clHotLight"},
    {Sys(0x0B), "clInactiveBorder"},
    {Sys(0x03), "clInactiveCaption"},
    {Sys(0x13), "clInactiveCaptionText"},
    {Sys(0x18), "clInfoBk"},
    {Sys(0x17), "clInfoText"},
    {Sys(0x04), "clMenu"},
    {Sys(0x1E), "clMenuBar"},
    {Sys(0x1D), "clMenuHighlight"},
    {Sys(0x07), "clMenuText"},
    {0x1FFFFFFF, "clNone"},
    {Sys(0x00), "clScrollBar"},
    {Sys(0x15), "cl3DDkShadow"},
    {Sys(0x16), "cl3DLight"},
    {Sys(0x05), "clWindow"},
    {Sys(0x06), "clWindowFrame"},
    {Sys(0x08), "clWindowText"},
}};

// Read-only aliases.
constexpr std::array<ColorName, 2> kColorAliases = {{
    {clSilver, "clLtGray"},
    {clGray, "clDkGray"},
}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// An optional sign, then decimal digits within the 32-bit range, or "$" and up to eight hex
// digits (taken as the 32 bits of the value).
std::optional<int32_t> ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    int64_t value = 0;
    if (text[0] == '$') {
        text.remove_prefix(1);
        if (text.empty() || text.size() > 8) {
            return std::nullopt;
        }
        uint32_t bits = 0;
        for (char c : text) {
            const int d = HexDigit(c);
            if (d < 0) {
                return std::nullopt;
            }
            bits = bits * 16 + static_cast<uint32_t>(d);
        }
        value = static_cast<int32_t>(bits);
        return static_cast<int32_t>(negative ? -value : value);
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > int64_t{INT32_MAX} + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > INT32_MAX || value < INT32_MIN) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

FontConversionError NotAnInteger(std::string_view text) {
    return FontConversionError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace

bool IsSystemColor(int32_t color) {
    return (static_cast<uint32_t>(color) & 0xFF000000u) == 0x80000000u;
}

std::string ColorToString(int32_t color) {
    for (const ColorName& c : kColorNames) {
        if (c.value == color) {
            return std::string(c.name);
        }
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color));
    return buffer;
}

std::optional<int32_t> StringToColor(std::string_view text) {
    const std::string lower = modcommon::AsciiLower(text);
    auto lookUp = [&](const auto& table) -> std::optional<int32_t> {
        for (const ColorName& c : table) {
            if (modcommon::AsciiLower(c.name) == lower) {
                return c.value;
            }
        }
        return std::nullopt;
    };
    if (auto value = lookUp(kColorNames)) {
        return value;
    }
    if (auto value = lookUp(kColorAliases)) {
        return value;
    }
    return ParseInteger(text);
}

std::string FontToString(const Font& font) {
    std::string out = font.name;
    out += ',';
    out += std::to_string(font.size);
    out += ',';
    for (bool on : {font.bold, font.italic, font.underline, font.strikeout}) {
        out += on ? '1' : '0';
    }
    out += ',';
    out += ColorToString(font.color);
    return out;
}

void StringToFont(std::string_view text, Font& font) {
    size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        throw FontConversionError(std::string(kInvalidFontString));
    }
    font.name = std::string(text.substr(0, comma));
    text.remove_prefix(comma + 1);

    comma = text.find(',');
    if (comma == std::string_view::npos) {
        throw FontConversionError(std::string(kInvalidFontString));
    }
    const std::string_view sizeText = text.substr(0, comma);
    const std::optional<int32_t> size = ParseInteger(sizeText);
    if (!size) {
        throw NotAnInteger(sizeText);
    }
    font.size = *size;
    text.remove_prefix(comma + 1);

    if (text.find(',') != 4) {
        throw FontConversionError(std::string(kInvalidFontString));
    }
    // The style is only stored once the colour is known to be good.
    const bool bold = text[0] == '1';
    const bool italic = text[1] == '1';
    const bool underline = text[2] == '1';
    const bool strikeout = text[3] == '1';
    text.remove_prefix(5);
    const std::optional<int32_t> color = StringToColor(text);
    if (!color) {
        throw NotAnInteger(text);
    }
    font.bold = bold;
    font.italic = italic;
    font.underline = underline;
    font.strikeout = strikeout;
    font.color = *color;
}

}  // namespace oxel
