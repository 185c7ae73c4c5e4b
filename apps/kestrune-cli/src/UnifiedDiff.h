// Unified diffs of whole files, in the form patch -p1 and git apply take.
//
//   std::string d = UnifiedDiff("Sources/Post.pl", oldBytes, newBytes);
//   // "--- a/Sources/Post.pl\n+++ b/Sources/Post.pl\n@@ -10,7 +10,8 @@\n ..."
#pragma once

#include <string>
#include <string_view>

namespace kestrune::cli {

// The changes from `before` to `after` with `context` unchanged lines around each, under the
// headers "--- a/PATH" and "+++ b/PATH" (PATH is C-quoted, "a/..." included, when it holds a
// blank, a quote, a backslash or a control character). Lines end at LF; a CR before the LF is
// part of the line, so CR LF files keep their CRs. A last line without LF is followed by
// "\ No newline at end of file". Empty when the two are equal.
std::string UnifiedDiff(std::string_view path, std::string_view before, std::string_view after,
                        int context = 3);

}  // namespace kestrune::cli
