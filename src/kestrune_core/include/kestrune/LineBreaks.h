// Line-break styles of forum files.
#pragma once

#include <string>
#include <string_view>

namespace kestrune {

// True for the CR LF style, false for the LF style; a text without LF is CR LF style.
bool DetectLineBreakStyle(std::string_view text);

// Every line break (CR LF, lone CR, lone LF) becomes `lineBreak`, in one pass.
std::string ConvertLineBreaks(std::string_view text, std::string_view lineBreak);

}  // namespace kestrune
