// A three-step mod for Kestrune's run and install-window tests, and the two forum files it
// edits before and after.
#pragma once

#include <string>

#include "kestrune/Mod.h"

namespace testsupport {

kestrune::TStep Step(std::string file, std::string search, int kind, std::string action);

// Two LF-style Perl files, as on a Unix server.
inline const std::string kPostOriginal = "sub Post {\n    print $form;\n}\n";
inline const std::string kDisplayOriginal = "sub Display {\n    print $thread;\n}\n";
inline const std::string kPostInstalled = "sub Post {\n    print $form_with_reply;\n}\n";
inline const std::string kDisplayInstalled =
    "# quick reply\nsub Display {\n    print $thread;\n    print $quick_reply;\n}\n";

// Replace in Sources/Post.pl, then add after and add before in Sources/Display.pl.
kestrune::TMod QuickReplyMod();

}  // namespace testsupport
