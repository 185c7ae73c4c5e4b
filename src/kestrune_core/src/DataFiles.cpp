// The edit buffers: loading the files a mod edits, looking them up, and writing them back.
#include "kestrune/DataFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unordered_set>

#include "kestrune/LineBreaks.h"
#include "modcommon/ModTags.h"

namespace kestrune {
namespace {

// Reads the whole regular file at `path`; on failure returns the system's reason.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& bytes) {
    // O_NONBLOCK: opening a pipe must not wait for a writer (it is refused below).
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::string(std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        return std::string(std::strerror(err));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::string("not a regular file");  // a pipe or device could block or never end
    }
    bytes.clear();
    bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[1 << 16];
    for (;;) {
        ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            int err = errno;
            ::close(fd);
            return std::string(std::strerror(err));
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<size_t>(got));
    }
    ::close(fd);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ForumFilePath(const std::string& forumFolder,
                                         const std::string& fileToEdit) {
    if (!fileToEdit.empty() && fileToEdit.front() == '/') {
        return std::nullopt;
    }
    // Lexically, part by part: symbolic links inside the forum are the administrator's own
    // choice and are followed as usual.
    int depth = 0;
    size_t start = 0;
    while (start <= fileToEdit.size()) {
        size_t end = fileToEdit.find('/', start);
        if (end == std::string::npos) {
            end = fileToEdit.size();
        }
        std::string_view part(fileToEdit.data() + start, end - start);
        if (part == "..") {
            if (--depth < 0) {
                return std::nullopt;
            }
        } else if (!part.empty() && part != ".") {
            ++depth;
        }
        start = end + 1;
    }
    return forumFolder + fileToEdit;
}

std::optional<LoadFailure> LoadDataFiles(DataFileList& list, const TMod& mod,
                                         const std::string& forumFolder, bool linebreakCheck) {
    list.clear();
    // Names count as equal without regard to case; the first step's spelling is kept.
    std::vector<const std::string*> names;
    std::unordered_set<std::string> seen;
    for (const TStep& step : mod.Steps) {
        if (seen.insert(modcommon::AsciiLower(step.FileToEdit)).second) {
            names.push_back(&step.FileToEdit);
        }
    }

    for (const std::string* name : names) {
        std::optional<std::string> inside = ForumFilePath(forumFolder, *name);
        if (!inside) {
            continue;  // outside the forum: no buffer, so every step on it fails with code 2
        }
        const std::string& path = *inside;
        std::error_code ec;
        auto status = std::filesystem::status(path, ec);
        if (status.type() == std::filesystem::file_type::not_found) {
            continue;  // no buffer: every step on this file fails with code 2
        }
        if (ec) {
            list.clear();
            return LoadFailure{path, ec.message()};
        }
        if (status.type() == std::filesystem::file_type::directory) {
            continue;  // a folder is no file to edit
        }
        TDataFile file;
        file.FileName = *name;
        if (auto reason = ReadWholeFile(path, file.Content)) {
            list.clear();
            return LoadFailure{path, *reason};
        }
        if (linebreakCheck) {
            file.CrLfStyle = DetectLineBreakStyle(file.Content) ? 1 : 0;
            file.Content = ConvertLineBreaks(file.Content, "\r\n");
        }
        list.push_back(std::move(file));
    }
    return std::nullopt;
}

std::optional<modcommon::WriteFailure> WriteDataFiles(const DataFileList& list,
                                                      const std::string& forumFolder,
                                                      bool linebreakCheck,
                                                      modcommon::FileSystem& fs) {
    std::vector<modcommon::PendingWrite> files;
    files.reserve(list.size());
    for (const TDataFile& file : list) {
        modcommon::PendingWrite write{forumFolder + file.FileName, {}};
        struct stat st {};
        if (fs.Stat(write.path, &st) != 0 && errno == ENOENT) {
            return modcommon::WriteFailure{write.path, "the file has gone since it was read"};
        }
        write.bytes = linebreakCheck
                          ? ConvertLineBreaks(file.Content, file.CrLfStyle == 1 ? "\r\n" : "\n")
                          : file.Content;
        files.push_back(std::move(write));
    }
    return modcommon::WriteFilesAtomically(files, fs);
}

void FreeDataFiles(DataFileList& list) {
    list.clear();
    list.shrink_to_fit();
}

int FindDataFile(const std::string& name, const DataFileList& list) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].FileName == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace kestrune
