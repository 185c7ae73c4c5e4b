// A file that could not be read or written, for the window to show, and whole-file reading.
#pragma once

#include <string>
#include <variant>

namespace oxel {

struct FileError {
    std::string path;
    std::string reason;  // the system's reason, e.g. "No such file or directory"
};

// The whole file as bytes, or why it could not be read.
std::variant<std::string, FileError> ReadWholeFile(const std::string& path);

}  // namespace oxel
