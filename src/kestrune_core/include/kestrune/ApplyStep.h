// Applying one step of a mod to the edit buffers, forwards or backwards.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "kestrune/DataFiles.h"
#include "kestrune/Mod.h"

namespace kestrune {

// Installs (install = true) or uninstalls step `stepNumber` (from 1) on its buffer. Returns 0,
// or 1, 2, 10, 11, 12 or 17; on any code but 0 the buffer is unchanged.
int ApplyStep(const TMod& mod, int stepNumber, bool install, const std::string& forumFolder,
              DataFileList& list);

// The bytes SpliceLines replaces: the whole-line occurrence of the search text and the line
// break after it (none when it ends the text).
struct SpliceRange {
    size_t at = 0;
    size_t length = 0;
};

// Finds the non-empty `search` in `text` as whole lines. Returns where, or 1 when it does not
// occur at all, or 12 when it occurs only as part of a line. Time linear in the text.
std::variant<SpliceRange, int> FindWholeLines(std::string_view text, std::string_view search);

// Finds `search` in `text` as whole lines and puts `insert` in its place, dropping the line
// break after it. Returns the new text, or 12 when it occurs only as part of a line (1 when
// it does not occur at all).
//   SpliceLines("a\r\nb\r\nc", "b", "X\r\n") == "a\r\nX\r\nc"
std::variant<std::string, int> SpliceLines(std::string_view text, std::string_view search,
                                           std::string_view insert);

// True when the file can't be written: no write bit in its mode, or it can't be examined.
bool IsReadOnlyFile(const std::string& path);

}  // namespace kestrune
