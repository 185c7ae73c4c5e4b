// Writes that are kept for a diff, or only pretended.
#include "CapturingFileSystem.h"

#include "kestrune/TextFiles.h"

namespace kestrune::cli {

CapturingFileSystem::CapturingFileSystem(bool dryRun, bool keepContents)
    : m_dryRun(dryRun), m_keepContents(keepContents) {}

int CapturingFileSystem::Open(const std::string& path, int flags, mode_t mode) {
    int fd = m_dryRun ? m_nextFakeFd-- : FileSystem::Open(path, flags, mode);
    if (fd >= 0) {
        m_openTemps[fd] = path;
        if (m_keepContents) {
            m_written[path].clear();
        }
    }
    return fd;
}

ssize_t CapturingFileSystem::Write(int fd, const void* data, size_t size) {
    ssize_t done = m_dryRun ? static_cast<ssize_t>(size) : FileSystem::Write(fd, data, size);
    if (done > 0 && m_keepContents) {
        auto temp = m_openTemps.find(fd);
        if (temp != m_openTemps.end()) {
            m_written[temp->second].append(static_cast<const char*>(data),
                                           static_cast<size_t>(done));
        }
    }
    return done;
}

int CapturingFileSystem::Fsync(int fd) {
    return m_dryRun ? 0 : FileSystem::Fsync(fd);
}

int CapturingFileSystem::Close(int fd) {
    m_openTemps.erase(fd);
    return m_dryRun ? 0 : FileSystem::Close(fd);
}

int CapturingFileSystem::Fchmod(int fd, mode_t mode) {
    return m_dryRun ? 0 : FileSystem::Fchmod(fd, mode);
}

int CapturingFileSystem::Rename(const std::string& from, const std::string& to) {
    auto written = m_written.find(from);
    Replacement replacement;
    if (written != m_written.end()) {
        // Read just before the switch: the diff shows exactly what this write replaces.
        std::string reason;
        if (IsExistingFile(to)) {
            ReadWholeFile(to, replacement.before, reason);
        }
    }
    int result = m_dryRun ? 0 : FileSystem::Rename(from, to);
    if (result == 0 && written != m_written.end()) {
        replacement.target = to;
        replacement.after = std::move(written->second);
        m_written.erase(written);
        m_replacements.push_back(std::move(replacement));
    }
    return result;
}

int CapturingFileSystem::Link(const std::string& from, const std::string& to) {
    return m_dryRun ? 0 : FileSystem::Link(from, to);
}

int CapturingFileSystem::Unlink(const std::string& path) {
    m_written.erase(path);
    return m_dryRun ? 0 : FileSystem::Unlink(path);
}

}  // namespace kestrune::cli
