#include "TestSupport.h"

#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testsupport {

TempDir::TempDir() {
    std::random_device rd;
    for (int i = 0; i < 100; ++i) {
        auto candidate =
            std::filesystem::temp_directory_path() /
            ("kestrune-test-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave read-only files and folders behind; give write access back first.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        std::filesystem::permissions(
            it->path(), std::filesystem::perms::owner_all,
            std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, ec);
    }
    std::filesystem::remove_all(m_path, ec);
}

std::string CrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\r\n";
    }
    return out;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void MakeReadOnly(const std::filesystem::path& path) {
    std::filesystem::permissions(path,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
}

FaultyFileSystem::FaultyFileSystem(FsCall call, int nth, int err, std::string pathPart)
    : m_call(call), m_nth(nth), m_err(err), m_pathPart(std::move(pathPart)) {}

bool FaultyFileSystem::ShouldFail(FsCall call, const std::string& path) {
    if (call != m_call || m_fired) {
        return false;
    }
    if (!m_pathPart.empty() && path.find(m_pathPart) == std::string::npos) {
        return false;
    }
    if (++m_counts[static_cast<int>(call)] != m_nth) {
        return false;
    }
    m_fired = true;
    errno = m_err;
    return true;
}

int FaultyFileSystem::callsSeen(FsCall call) const {
    return m_counts[static_cast<int>(call)];
}

int FaultyFileSystem::Open(const std::string& path, int flags, mode_t mode) {
    return ShouldFail(FsCall::Open, path) ? -1 : FileSystem::Open(path, flags, mode);
}
ssize_t FaultyFileSystem::Write(int fd, const void* data, size_t size) {
    return ShouldFail(FsCall::Write, "") ? -1 : FileSystem::Write(fd, data, size);
}
int FaultyFileSystem::Fsync(int fd) {
    return ShouldFail(FsCall::Fsync, "") ? -1 : FileSystem::Fsync(fd);
}
int FaultyFileSystem::SyncFileSystem(const std::string& folder) {
    return ShouldFail(FsCall::SyncFileSystem, folder) ? -1 : FileSystem::SyncFileSystem(folder);
}
int FaultyFileSystem::Close(int fd) {
    if (ShouldFail(FsCall::Close, "")) {
        FileSystem::Close(fd);  // a failed close still releases the descriptor
        errno = m_err;
        return -1;
    }
    return FileSystem::Close(fd);
}
int FaultyFileSystem::Fchmod(int fd, mode_t mode) {
    return ShouldFail(FsCall::Fchmod, "") ? -1 : FileSystem::Fchmod(fd, mode);
}
int FaultyFileSystem::Stat(const std::string& path, struct stat* st) {
    return ShouldFail(FsCall::Stat, path) ? -1 : FileSystem::Stat(path, st);
}
int FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    return ShouldFail(FsCall::Rename, to) ? -1 : FileSystem::Rename(from, to);
}
int FaultyFileSystem::Link(const std::string& from, const std::string& to) {
    return ShouldFail(FsCall::Link, from) ? -1 : FileSystem::Link(from, to);
}
int FaultyFileSystem::Unlink(const std::string& path) {
    return ShouldFail(FsCall::Unlink, path) ? -1 : FileSystem::Unlink(path);
}

}  // namespace testsupport
