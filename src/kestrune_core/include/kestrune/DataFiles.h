// The edit buffers: in-memory copies of the forum files a mod edits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kestrune/Mod.h"
#include "modcommon/FileSystem.h"
#include "modcommon/SafeWrite.h"

namespace kestrune {

struct TDataFile {
    std::string FileName;   // relative to the forum folder, spelt as the first step spells it
    uint8_t CrLfStyle = 1;  // 1 CR LF, 0 LF; meaningful only with the line-break check on
    std::string Content;    // with the check on, every line break is CR LF
};

using DataFileList = std::vector<TDataFile>;

// A file that exists but could not be read. Nothing of the run may go on to write.
struct LoadFailure {
    std::string path;
    std::string reason;
};

// The path of a step's file to edit: `forumFolder` (ending in "/") followed by `fileToEdit`,
// or nothing when the name would leave the forum folder: an absolute name, or one whose ".."
// parts climb above it. Mods come from strangers; such a file counts as not found (code 2).
//   ForumFilePath("/srv/forum/", "Sources/Post.pl") == "/srv/forum/Sources/Post.pl"
//   ForumFilePath("/srv/forum/", "../../etc/passwd") == std::nullopt
std::optional<std::string> ForumFilePath(const std::string& forumFolder,
                                         const std::string& fileToEdit);

// Loads every distinct file the steps name (names compared without regard to case) that
// exists under `forumFolder` (ending in "/"). Missing files, folders and names that
// ForumFilePath refuses get no buffer. A file that exists but can't be read (or is a pipe or
// device) leaves the list empty and is named in the failure.
std::optional<LoadFailure> LoadDataFiles(DataFileList& list, const TMod& mod,
                                         const std::string& forumFolder, bool linebreakCheck);

// Writes every buffer back, all or nothing (see modcommon::WriteFilesAtomically). With the
// line-break check on, each file gets its own style back. A file that has gone since it was
// loaded is not made anew: nothing is written and the failure names it.
std::optional<modcommon::WriteFailure> WriteDataFiles(
    const DataFileList& list, const std::string& forumFolder, bool linebreakCheck,
    modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

// The release point of a run's buffers.
void FreeDataFiles(DataFileList& list);

// Index of the buffer named exactly `name` (case counts), or -1.
int FindDataFile(const std::string& name, const DataFileList& list);

}  // namespace kestrune
