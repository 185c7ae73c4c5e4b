// Line-break style detection and conversion for forum files.
#include "kestrune/LineBreaks.h"

namespace kestrune {

bool DetectLineBreakStyle(std::string_view text) {
    // Taking out the first CR LF again and again, where a removal may join a CR and an LF
    // into a new pair, pairs each LF with the nearest unpaired CR directly before it, with
    // nothing but such CRs between them. That is bracket matching, done here in one pass:
    // `openCrs` counts the unpaired CRs at the end of what is left so far.
    size_t pairs = 0;
    size_t loneLfs = 0;
    size_t openCrs = 0;
    for (char c : text) {
        if (c == '\r') {
            ++openCrs;
        } else if (c == '\n') {
            if (openCrs > 0) {
                --openCrs;
                ++pairs;
            } else {
                ++loneLfs;
            }
        } else {
            openCrs = 0;
        }
    }
    return pairs >= loneLfs;
}

std::string ConvertLineBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    size_t start = 0;
    while (start < text.size()) {
        size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            out.append(text.substr(start));
            break;
        }
        out.append(text.substr(start, brk - start));
        out.append(lineBreak);
        start = brk + 1;
        if (text[brk] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return out;
}

}  // namespace kestrune
