// Whole-file reading with the system's reason on failure.
#include "oxel/FileError.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace oxel {

std::variant<std::string, FileError> ReadWholeFile(const std::string& path) {
    // O_NONBLOCK: opening a pipe must not wait for a writer; only regular files are read, as
    // a pipe or device could block the program for good or never end.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return FileError{path, std::strerror(errno)};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return FileError{path, std::strerror(err)};
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return FileError{path, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a regular file"};
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int err = errno;
            ::close(fd);
            return FileError{path, std::strerror(err)};
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

}  // namespace oxel
