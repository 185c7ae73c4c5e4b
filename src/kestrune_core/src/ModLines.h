// Walking a mod's text line by line, and finding tags in a line without regard to case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kestrune::modlines {

// One line as offsets into the text: [begin, end) without its line break; `next` is where
// the following line begins (the text's size after the last line).
struct LineSpan {
    size_t begin = 0;
    size_t end = 0;
    size_t next = 0;
};

// The line that starts at `pos` (< text.size()). A line ends at CR LF, a lone LF or a lone CR;
// the last line needs no break, and a break at the very end starts no further line.
LineSpan LineAt(std::string_view text, size_t pos);

// Bit g is set when `line` contains the opening tag of block g (ModTags[2g]) in any case.
uint16_t OpeningTagsIn(std::string_view line);

// Position of the first occurrence of `tag` (lower case) in `line`, letters compared without
// regard to case; npos when absent.
size_t FindTag(std::string_view line, std::string_view tag);

}  // namespace kestrune::modlines
