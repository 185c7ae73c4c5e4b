// Line splitting and case-blind tag search over a mod's bytes.
#include "ModLines.h"

#include <cstring>

#include "modcommon/ModTags.h"

namespace kestrune::modlines {
namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Does `tag` (lower case) stand in `line` at `pos`?
bool TagAt(std::string_view line, size_t pos, std::string_view tag) {
    if (line.size() - pos < tag.size()) {
        return false;
    }
    for (size_t k = 0; k < tag.size(); ++k) {
        if (LowerAscii(line[pos + k]) != tag[k]) {
            return false;
        }
    }
    return true;
}

// Calls `at(pos)` for every '<' in the line until it returns true.
template <typename Fn>
bool ForEachAngle(std::string_view line, Fn at) {
    const char* data = line.data();
    size_t pos = 0;
    while (pos < line.size()) {
        const void* hit = std::memchr(data + pos, '<', line.size() - pos);
        if (hit == nullptr) {
            return false;
        }
        pos = static_cast<size_t>(static_cast<const char*>(hit) - data);
        if (at(pos)) {
            return true;
        }
        ++pos;
    }
    return false;
}

}  // namespace

LineSpan LineAt(std::string_view text, size_t pos) {
    // A plain loop: find_first_of would call memchr on its two-byte set for every byte.
    size_t brk = pos;
    while (brk < text.size() && text[brk] != '\r' && text[brk] != '\n') {
        ++brk;
    }
    if (brk == text.size()) {
        return {pos, brk, brk};
    }
    size_t next = brk + 1;
    if (text[brk] == '\r' && next < text.size() && text[next] == '\n') {
        ++next;
    }
    return {pos, brk, next};
}

uint16_t OpeningTagsIn(std::string_view line) {
    uint16_t found = 0;
    ForEachAngle(line, [&](size_t pos) {
        // The letter after '<' narrows the ten opening tags down to at most three.
        char second = pos + 1 < line.size() ? LowerAscii(line[pos + 1]) : '\0';
        for (int g = 0; g < 10; ++g) {
            std::string_view tag = modcommon::ModTags[static_cast<size_t>(2 * g)];
            if (tag[1] == second && (found & (1u << g)) == 0 && TagAt(line, pos, tag)) {
                found = static_cast<uint16_t>(found | (1u << g));
            }
        }
        return found == 0x3FF;
    });
    return found;
}

size_t FindTag(std::string_view line, std::string_view tag) {
    size_t where = std::string_view::npos;
    ForEachAngle(line, [&](size_t pos) {
        if (TagAt(line, pos, tag)) {
            where = pos;
            return true;
        }
        return false;
    });
    return where;
}

}  // namespace kestrune::modlines
