// Finding a text as whole lines and putting another text in its place.
#include <string.h>  // memmem: linear two-way search, unlike std::string::find

#include <algorithm>
#include <string>

#include "kestrune/ApplyStep.h"

namespace kestrune {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr int kNotFound = 1;
constexpr int kPartOfLine = 12;

size_t Find(std::string_view text, std::string_view pattern, size_t from = 0) {
    if (from > text.size()) {
        return std::string_view::npos;
    }
    const void* hit =
        ::memmem(text.data() + from, text.size() - from, pattern.data(), pattern.size());
    return hit == nullptr ? std::string_view::npos
                          : static_cast<size_t>(static_cast<const char*>(hit) - text.data());
}

}  // namespace

std::variant<SpliceRange, int> FindWholeLines(std::string_view text, std::string_view search) {
    const size_t n = text.size();
    const size_t len = search.size();
    size_t at = Find(text, search);
    if (at == std::string_view::npos) {
        return kNotFound;
    }

    std::string framed;  // CR LF, the search text, CR LF: a whole line after the first
    framed.reserve(len + 4);
    framed.append(kCrLf).append(search).append(kCrLf);
    const std::string_view afterBreak = std::string_view(framed).substr(0, len + 2);

    bool firstLine = at == 0;
    if (!firstLine) {
        // An occurrence after a break can't start before the first occurrence of the text.
        size_t found = Find(text, afterBreak, at >= 2 ? at - 2 : 0);
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
            size_t found = Find(text, framed, firstLine ? 0 : at - 2);
            if (found == std::string_view::npos) {
                return kPartOfLine;
            }
            at = found + 2;
        }
    } else if (following != 0 && text.substr(at + len, 2) != kCrLf) {
        return kPartOfLine;
    }
    return SpliceRange{at, std::min(n - at, len + 2)};
}

std::variant<std::string, int> SpliceLines(std::string_view text, std::string_view search,
                                           std::string_view insert) {
    auto found = FindWholeLines(text, search);
    if (const int* code = std::get_if<int>(&found)) {
        return *code;
    }
    const SpliceRange& range = std::get<SpliceRange>(found);
    std::string out;
    out.reserve(text.size() - range.length + insert.size());
    out.append(text.substr(0, range.at))
        .append(insert)
        .append(text.substr(range.at + range.length));
    return out;
}

}  // namespace kestrune
