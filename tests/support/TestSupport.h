// Helpers every test may use: temporary folders, whole-file I/O, and a file system whose
// calls can be made to fail one at a time.
#pragma once

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "modcommon/FileSystem.h"

namespace testsupport {

// A fresh folder under the system's temp folder, removed with everything in it at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder as a string ending in "/", as the programs keep folders.
    std::string folder() const { return m_path.string() + "/"; }
    std::string file(const std::string& relative) const { return (m_path / relative).string(); }

  private:
    std::filesystem::path m_path;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
void MakeReadOnly(const std::filesystem::path& path);

// Each line followed by CR LF, as our programs write them: mod and ini texts for fixtures.
std::string CrLf(const std::vector<std::string>& lines);

// Names the kinds of call that FaultyFileSystem can fail.
enum class FsCall { Open, Write, Fsync, SyncFileSystem, Close, Fchmod, Stat, Rename, Link, Unlink };

// Passes every call to the real file system, except the nth (counted from 1) call of one
// kind, optionally only for paths that contain a given text, which fails with an errno.
class FaultyFileSystem : public modcommon::FileSystem {
  public:
    FaultyFileSystem(FsCall call, int nth, int err, std::string pathPart = "");

    int Open(const std::string& path, int flags, mode_t mode) override;
    ssize_t Write(int fd, const void* data, size_t size) override;
    int Fsync(int fd) override;
    int SyncFileSystem(const std::string& folder) override;
    int Close(int fd) override;
    int Fchmod(int fd, mode_t mode) override;
    int Stat(const std::string& path, struct stat* st) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Link(const std::string& from, const std::string& to) override;
    int Unlink(const std::string& path) override;

    bool fired() const { return m_fired; }
    int callsSeen(FsCall call) const;

  private:
    bool ShouldFail(FsCall call, const std::string& path);

    FsCall m_call;
    int m_nth;
    int m_err;
    std::string m_pathPart;
    int m_counts[10] = {};
    bool m_fired = false;
};

}  // namespace testsupport
