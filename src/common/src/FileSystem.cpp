#include "modcommon/FileSystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace modcommon {

int FileSystem::Open(const std::string& path, int flags, mode_t mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}
ssize_t FileSystem::Write(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}
int FileSystem::Fsync(int fd) {
    return ::fsync(fd);
}
int FileSystem::SyncFileSystem(const std::string& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    int result = ::syncfs(fd);
    int err = errno;
    ::close(fd);
    errno = err;
    return result;
}
int FileSystem::Close(int fd) {
    return ::close(fd);
}
int FileSystem::Fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int FileSystem::Stat(const std::string& path, struct stat* st) {
    return ::stat(path.c_str(), st);
}
int FileSystem::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}
int FileSystem::Link(const std::string& from, const std::string& to) {
    return ::link(from.c_str(), to.c_str());
}
int FileSystem::Unlink(const std::string& path) {
    return ::unlink(path.c_str());
}

FileSystem& DefaultFileSystem() {
    static FileSystem fs;
    return fs;
}

}  // namespace modcommon
