// Finding a text as whole lines and putting another text in its place.
#include <algorithm>
#include <string>

#include "kestrune/ApplyStep.h"

namespace kestrune {

std::variant<std::string, int> SpliceLines(std::string_view text, std::string_view search,
                                           std::string_view insert) {
    constexpr std::string_view kCrLf = "\r\n";
    constexpr int kPartOfLine = 12;
    const size_t n = text.size();
    const size_t len = search.size();

    std::string framed;  // CR LF, the search text, CR LF: a whole line after the first
    framed.reserve(len + 4);
    framed.append(kCrLf).append(search).append(kCrLf);
    const std::string_view afterBreak = std::string_view(framed).substr(0, len + 2);

    size_t at = text.find(search);
    bool firstLine = at == 0;
    if (!firstLine) {
        size_t found = text.find(afterBreak);
        if (found == std::string_view::npos) {
            return kPartOfLine;
        }
        at = found + 2;
    }
    const size_t following = n - (at + len);
    if (following >= (firstLine ? 2u : 4u)) {
        if (!(firstLine && text.substr(len, 2) == kCrLf)) {
            // Not the first line, or the first line only begins with the search text: take
            // the first occurrence that is a whole run of lines. (Any occurrence followed by
            // CR LF would do for the line break after it, but one inside a line would patch
            // half a line of a forum script.)
            size_t found = text.find(framed);
            if (found == std::string_view::npos) {
                return kPartOfLine;
            }
            at = found + 2;
        }
    } else if (following != 0 && text.substr(at + len, 2) != kCrLf) {
        return kPartOfLine;
    }

    std::string out;
    size_t tail = std::min(n, at + len + 2);  // the line break after the occurrence goes too
    out.reserve(at + insert.size() + (n - tail));
    out.append(text.substr(0, at)).append(insert).append(text.substr(tail));
    return out;
}

}  // namespace kestrune
