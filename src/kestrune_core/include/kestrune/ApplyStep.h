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

// Finds `search` in `text` as whole lines and puts `insert` in its place, dropping the line
// break after it. Returns the new text, or 12 when it occurs only as part of a line. Called
// only with a non-empty `search` that occurs in `text`. One pass over the text.
std::variant<std::string, int> SpliceLines(std::string_view text, std::string_view search,
                                           std::string_view insert);

// True when the file can't be written: no write bit in its mode, or it can't be examined.
bool IsReadOnlyFile(const std::string& path);

}  // namespace kestrune
