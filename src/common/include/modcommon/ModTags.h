// The twenty tags of the .mod format: opening and closing tag of ten blocks, side by side.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace modcommon {

// The index of a tag is part of the format's contract: an action's kind is the index of its
// opening tag (14 replace, 16 add before, 18 add after).
inline constexpr std::array<std::string_view, 20> ModTags = {
    "<id>",          "</id>",         "<version>",    "</version>",    "<mod info>",
    "</mod info>",   "<author>",      "</author>",    "<homepage>",    "</homepage>",
    "<edit file>",   "</edit file>",  "<search for>", "</search for>", "<replace>",
    "</replace>",    "<add before>",  "</add before>", "<add after>",  "</add after>",
};

inline constexpr int kTagId = 0;
inline constexpr int kTagEditFile = 10;
inline constexpr int kTagSearchFor = 12;
inline constexpr int kTagReplace = 14;
inline constexpr int kTagAddBefore = 16;
inline constexpr int kTagAddAfter = 18;

// Lower-cases ASCII letters only: tags are ASCII, and content bytes of other code pages must
// not change their length or meaning when a line is searched for a tag.
std::string AsciiLower(std::string_view text);

}  // namespace modcommon
