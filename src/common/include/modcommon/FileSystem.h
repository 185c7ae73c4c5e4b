// The file-system calls that writes go through, behind an interface so a test can make any
// single call fail (disk full, permission denied, ...) and check that nothing was lost.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace modcommon {

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Each call mirrors its POSIX namesake: -1 and errno on failure.
    virtual int Open(const std::string& path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, size_t size);
    virtual int Fsync(int fd);
    // Flushes everything written to the file system that holds `folder` (syncfs).
    virtual int SyncFileSystem(const std::string& folder);
    virtual int Close(int fd);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Stat(const std::string& path, struct stat* st);
    virtual int Rename(const std::string& from, const std::string& to);
    virtual int Link(const std::string& from, const std::string& to);
    virtual int Unlink(const std::string& path);
};

// The real file system.
FileSystem& DefaultFileSystem();

}  // namespace modcommon
