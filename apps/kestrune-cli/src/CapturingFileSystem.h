// The file system that a run's write-back goes through on the command line: it can keep what
// each file held before and what was written over it (for --diff), and in dry-run mode it keeps
// the writes in memory and changes nothing on disk (for --dry-run). The crash-safe write and
// the line-break conversion of the core stay exactly as in a real run.
#pragma once

#include <limits>
#include <map>
#include <string>
#include <vector>

#include "modcommon/FileSystem.h"

namespace kestrune::cli {

class CapturingFileSystem final : public modcommon::FileSystem {
  public:
    // `dryRun`: nothing is created, written, renamed or removed; reads and stat calls go to
    // the disk, so the checks of a real write (a read-only file, say) still apply.
    // `keepContents`: remember the old and new bytes of every file replaced.
    CapturingFileSystem(bool dryRun, bool keepContents);

    struct Replacement {
        std::string target;  // the file replaced, as the write named it (symlinks resolved)
        std::string before;  // its bytes just before the switch
        std::string after;   // the bytes written over them
    };
    // In the order the files were switched; empty unless `keepContents`.
    const std::vector<Replacement>& replacements() const { return m_replacements; }

    int Open(const std::string& path, int flags, mode_t mode) override;
    ssize_t Write(int fd, const void* data, size_t size) override;
    int Fsync(int fd) override;
    int Close(int fd) override;
    int Fchmod(int fd, mode_t mode) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Link(const std::string& from, const std::string& to) override;
    int Unlink(const std::string& path) override;

  private:
    bool m_dryRun;
    bool m_keepContents;
    // Above any descriptor the system hands out, so a call the core makes on it directly
    // (fchown) fails harmlessly.
    int m_nextFakeFd = std::numeric_limits<int>::max();
    std::map<int, std::string> m_openTemps;        // descriptor -> temporary file it writes
    std::map<std::string, std::string> m_written;  // temporary file -> bytes written to it
    std::vector<Replacement> m_replacements;
};

}  // namespace kestrune::cli
