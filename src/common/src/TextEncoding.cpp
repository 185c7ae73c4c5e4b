// Telling UTF-8 from single-byte text, and turning the latter into UTF-8 for display.
#include "modcommon/TextEncoding.h"

namespace modcommon {

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int trail = 0;
        // The allowed range of the first continuation byte rules out overlong forms,
        // surrogates (U+D800..U+DFFF) and code points above U+10FFFF.
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1;
        } else if (lead == 0xE0) {
            trail = 2;
            lo = 0xA0;
        } else if (lead >= 0xE1 && lead <= 0xEC) {
            trail = 2;
        } else if (lead == 0xED) {
            trail = 2;
            hi = 0x9F;
        } else if (lead >= 0xEE && lead <= 0xEF) {
            trail = 2;
        } else if (lead == 0xF0) {
            trail = 3;
            lo = 0x90;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            trail = 3;
        } else if (lead == 0xF4) {
            trail = 3;
            hi = 0x8F;
        } else {
            return false;
        }
        if (end - p <= trail) {
            return false;
        }
        if (p[1] < lo || p[1] > hi) {
            return false;
        }
        for (int i = 2; i <= trail; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF) {
                return false;
            }
        }
        p += trail + 1;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

TextEncoding DetectTextEncoding(std::string_view bytes) {
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

std::string DisplayUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return Latin1ToUtf8(bytes);
}

}  // namespace modcommon
