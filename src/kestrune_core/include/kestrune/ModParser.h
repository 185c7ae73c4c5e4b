// Reads a .mod file into a TMod.
#pragma once

#include <string>

#include "modcommon/MessageBox.h"
#include "kestrune/Mod.h"

namespace kestrune {

using modcommon::BoxAnswer;
using modcommon::BoxRequest;
using modcommon::MessageBoxFn;

// What the parse reported. A parse that showed a fault (codes 8, 9, 15) may have stopped
// partway; such a mod must never be installed or uninstalled.
struct ParseReport {
    int faultCode = 0;      // the first fault shown, 0 when none
    bool stopped = false;   // a fault box was answered OK and the parse stopped there
    bool faulted() const { return faultCode != 0; }
};

// Fills `mod` (cleared by the caller) from the file at `modPath`. `scriptPath` is the forum's
// main script; only its file name is used, to adapt the top-level script names. Faults are
// shown through `box` (error kind, caption "Error"); an Ok answer stops the parse, any other
// answer lets it go on. Any bytes parse without a crash, in time linear in the file's size.
ParseReport ParseModFile(TMod& mod, const std::string& modPath, const std::string& scriptPath,
                         const MessageBoxFn& box);

// The same on text already in memory (modPath is then used for FileName and messages only).
ParseReport ParseModText(TMod& mod, const std::string& text, const std::string& modPath,
                         const std::string& scriptPath, const MessageBoxFn& box);

}  // namespace kestrune
