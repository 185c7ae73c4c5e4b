// How bytes of mods, forum files and settings become text on screen: UTF-8 when they are
// valid UTF-8, else Latin-1, which maps every byte to one character and so never loses one.
//
//   QString shown = QString::fromStdString(modcommon::DisplayUtf8(step.SearchText));
#pragma once

#include <string>
#include <string_view>

namespace modcommon {

enum class TextEncoding { Utf8, Latin1 };

// Strict: overlong forms, surrogates, code points above U+10FFFF and cut-off sequences are
// invalid. Plain ASCII (and the empty text) is valid.
bool IsValidUtf8(std::string_view bytes);

// Every byte as the code point of the same value, encoded as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

TextEncoding DetectTextEncoding(std::string_view bytes);

// The bytes unchanged when they are valid UTF-8, else read as Latin-1 and encoded as UTF-8.
// Line breaks and every other byte keep their meaning; the result is always valid UTF-8.
std::string DisplayUtf8(std::string_view bytes);

}  // namespace modcommon
