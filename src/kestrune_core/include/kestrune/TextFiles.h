// Whole-file reading, line splitting and case-blind comparison for the installer's own text
// files (settings, log, main script), byte for byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrune {

// True when `path` names an existing regular file (a symlink is followed). Folders, devices and
// pipes are not files here: reading a pipe would block the program.
bool IsExistingFile(const std::string& path);

// The whole content of the file at `path` in `bytes`; false with the system's reason in
// `reason` when it can't be read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason);

// The lines of `text`; a line ends at CR LF, LF or lone CR. A break at the very end opens no
// further line, so "a\r\nb\r\n" and "a\r\nb" both give {"a", "b"}; empty lines inside are kept.
std::vector<std::string> SplitLines(std::string_view text);

// Each line followed by CR LF, the form every file of ours is written in.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// True when `a` and `b` are equal ignoring ASCII letter case; other bytes must match exactly.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kestrune
