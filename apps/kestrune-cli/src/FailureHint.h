// Hints for the user when a step fails because its text is not found (error 1) or is found
// only inside lines (error 12): where it stands in part, or which line of the file is nearest.
// They go to standard error under the run log, which stays exactly the window's.
#pragma once

#include <string>
#include <string_view>

#include "kestrune/Mod.h"

namespace kestrune::cli {

// Error 12: the line of `content` where `searched` first occurs, though not as whole lines.
std::string PartialLineHint(std::string_view content, std::string_view searched);

// Error 1: the first line of `searched` that is no whole line of `content`, and the line of
// `content` most like it (equal but for blanks at the ends, or letter case, or sharing the
// longest start and end); or that every line is there, just not one after another.
std::string NearestLineHint(std::string_view content, std::string_view searched);

// Replays the run on fresh buffers (the same load and steps as the run) and explains each step
// that fails with error 1 or 12, on the text as the steps before it left it. At most
// `maxHints` steps are explained; the rest are counted.
std::string ExplainFailures(const TMod& mod, bool install, const std::string& forumFolder,
                            bool linebreakCheck, int maxHints = 10);

}  // namespace kestrune::cli
