// Reads a .mod file into a TMod.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "kestrune/Mod.h"
#include "modcommon/MessageBox.h"

namespace kestrune {

using modcommon::BoxAnswer;
using modcommon::BoxRequest;
using modcommon::MessageBoxFn;

// What the parse reported. A parse that showed a fault (codes 8, 9, 15) may have stopped
// partway; such a mod must never be installed or uninstalled.
struct ParseReport {
    int faultCode = 0;     // the first numbered fault shown, 0 when none
    bool stopped = false;  // a fault box was answered OK, or the text limit below was reached
    // The mod repeats its own blocks so often that its text would outgrow the limit; the
    // parse stopped there (after telling the user).
    bool textLimitReached = false;
    bool faulted() const { return faultCode != 0 || textLimitReached; }
};

// A block whose content holds its own opening tag is collected once for every such line, so a
// hostile file can ask for text quadratic in its size. The parse keeps exactly to the format
// until the text put into the mod would exceed twice the file's size plus this many bytes; a
// well-formed mod never comes near it (its blocks don't overlap: at most two bytes of text per
// byte of file). Single-line forms are not counted: they add at most four times the file.
inline constexpr size_t kParseTextSlack = size_t{64} << 20;

// Fills `mod` (cleared by the caller) from the file at `modPath`. `scriptPath` is the forum's
// main script; only its file name is used, to adapt the top-level script names. Faults are
// shown through `box` (error kind, caption "Error"); an Ok answer stops the parse, any other
// answer lets it go on. Any bytes parse without a crash, in time linear in the file's size.
ParseReport ParseModFile(TMod& mod, const std::string& modPath, const std::string& scriptPath,
                         const MessageBoxFn& box);

// The same on text already in memory (modPath is then used for FileName and messages only).
ParseReport ParseModText(TMod& mod, const std::string& text, const std::string& modPath,
                         const std::string& scriptPath, const MessageBoxFn& box);

// The part of a path after its last "/", "\" or ":".
std::string FileNamePart(std::string_view path);

// A file name from "<edit file>" for the forum whose main script is `scriptPath`: the five
// top-level scripts take the ".pl" or ".cgi" form of that script, then every "\" becomes "/".
//   AdaptFileName("yabb.cgi", "/srv/forum/YaBB.pl") == "YaBB.pl"
std::string AdaptFileName(std::string_view name, std::string_view scriptPath);

}  // namespace kestrune
