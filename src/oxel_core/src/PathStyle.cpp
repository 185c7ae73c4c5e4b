// Code-page and letter-case rules of path styles.
#include "oxel/PathStyle.h"

#include "modcommon/ModTags.h"

namespace oxel {

bool ShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool SameFileName(std::string_view a, std::string_view b, const PathStyle& style) {
    if (!style.ignoreCase) {
        return a == b;
    }
    return a.size() == b.size() && modcommon::AsciiLower(a) == modcommon::AsciiLower(b);
}

}  // namespace oxel
