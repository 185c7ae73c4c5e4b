// How paths are spelled: separator, drive prefixes, letter case and double-byte code pages.
#pragma once

#include <string_view>

namespace oxel {

// True when the byte begins a two-byte character of the code page in use.
using LeadByteTest = bool (*)(unsigned char byte);

// Shift-JIS lead bytes (0x81-0x9F, 0xE0-0xFC), whose second byte may be the byte of "\".
bool ShiftJisLeadByte(unsigned char byte);

struct PathStyle {
    char separator = '/';
    bool drives = false;      // "C:" and "\\server\share" prefixes
    bool ignoreCase = false;  // file names compare without regard to letter case
    // nullptr: single-byte code page, every byte is a character.
    LeadByteTest leadByte = nullptr;

    static PathStyle Windows(LeadByteTest leadByte = nullptr) {
        return PathStyle{'\\', true, true, leadByte};
    }
    static PathStyle Posix() { return PathStyle{'/', false, false, nullptr}; }
    // The style of the machine we run on.
    static PathStyle Host() { return Posix(); }

    // The other separator, which a mod's file names may use and which this style turns into
    // its own.
    char ForeignSeparator() const { return separator == '/' ? '\\' : '/'; }
};

// Whether two file names or path components are the same under the style's letter-case rule.
bool SameFileName(std::string_view a, std::string_view b, const PathStyle& style);

}  // namespace oxel
