// Crash-safe, all-or-nothing writing of one or several whole files.
//
//   std::vector<modcommon::PendingWrite> files = {{"/forum/YaBB.pl", newText}};
//   if (auto failure = modcommon::WriteFilesAtomically(files)) {
//       report(failure->path, failure->reason);   // no original was changed
//   }
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "modcommon/FileSystem.h"

namespace modcommon {

struct PendingWrite {
    std::string path;   // target; a symlink is written through, and stays a link
    std::string bytes;  // the whole new content
};

struct WriteFailure {
    std::string path;    // the file the failure concerns, as the caller named it
    std::string reason;  // the system's reason, e.g. "No space left on device"
};

// Writes every file to a temporary beside its target, flushes it, gives it the target's
// permissions, and only when all are written renames them over the targets. If any step
// fails, every target keeps its old content (renames already done are rolled back), the
// temporaries are removed, and the failure names the file and the reason.
std::optional<WriteFailure> WriteFilesAtomically(const std::vector<PendingWrite>& files,
                                                 FileSystem& fs = DefaultFileSystem());

// One file; the same guarantees.
std::optional<WriteFailure> WriteFileAtomically(const std::string& path, const std::string& bytes,
                                                FileSystem& fs = DefaultFileSystem());

}  // namespace modcommon
