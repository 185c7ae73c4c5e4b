#include "modcommon/SafeWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

namespace modcommon {
namespace {

struct Slot {
    const PendingWrite* request = nullptr;
    std::string target;  // the real file: a symlink's final target
    std::string temp;
    std::string backup;  // hard link to the old file, kept until every rename succeeded
    bool existed = false;
};

std::string Reason(int err) {
    return std::strerror(err);
}

// The file the path finally names, so that writing a symlink replaces its target and the
// link itself stays in place.
std::string ResolveTarget(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p(path);
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, ec); ++hops) {
        std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) {
            break;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p.string();
}

std::string SiblingName(const std::string& target, const char* tag) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path p(target);
    std::string name = "." + p.filename().string() + "." + tag + "-" + std::to_string(::getpid()) +
                       "-" + std::to_string(counter++);
    return (p.parent_path() / name).string();
}

std::optional<WriteFailure> WriteTemp(Slot& slot, const struct stat* old, bool flush,
                                      FileSystem& fs) {
    const std::string& path = slot.request->path;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        slot.temp = SiblingName(slot.target, "tmp");
        fd = fs.Open(slot.temp, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0 && errno != EEXIST) {
            int err = errno;
            slot.temp.clear();
            return WriteFailure{path, Reason(err)};
        }
    }
    if (fd < 0) {
        slot.temp.clear();
        return WriteFailure{path, Reason(EEXIST)};
    }
    auto fail = [&](int err) {
        fs.Close(fd);
        return WriteFailure{path, Reason(err)};
    };
    const std::string& bytes = slot.request->bytes;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = fs.Write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        if (n == 0) {
            return fail(ENOSPC);
        }
        done += static_cast<size_t>(n);
    }
    if (old != nullptr) {
        if (fs.Fchmod(fd, old->st_mode & 07777) != 0) {
            return fail(errno);
        }
        // Keep the forum's owner when an administrator runs us as root; a failure to do so
        // only matters to root, who will then own the file.
        [[maybe_unused]] int ignored = ::fchown(fd, old->st_uid, old->st_gid);
    }
    if (flush && fs.Fsync(fd) != 0) {
        return fail(errno);
    }
    if (fs.Close(fd) != 0) {
        return WriteFailure{path, Reason(errno)};
    }
    return std::nullopt;
}

std::optional<WriteFailure> FlushFileSystems(const std::vector<Slot>& slots, FileSystem& fs) {
    std::set<dev_t> flushed;
    for (const Slot& s : slots) {
        std::string folder = std::filesystem::path(s.temp).parent_path().string();
        struct stat st {};
        if (::stat(folder.empty() ? "." : folder.c_str(), &st) == 0 &&
            !flushed.insert(st.st_dev).second) {
            continue;
        }
        if (fs.SyncFileSystem(folder) != 0) {
            return WriteFailure{s.request->path, Reason(errno)};
        }
    }
    return std::nullopt;
}

void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<WriteFailure> WriteFilesAtomically(const std::vector<PendingWrite>& files,
                                                 FileSystem& fs) {
    std::vector<Slot> slots(files.size());
    // One file is flushed by itself; many are flushed together, one commit per file system,
    // where a flush each would cost a commit each.
    const bool batch = files.size() > 1;
    auto cleanUp = [&] {
        for (Slot& s : slots) {
            if (!s.temp.empty()) {
                fs.Unlink(s.temp);
            }
            if (!s.backup.empty()) {
                fs.Unlink(s.backup);
            }
        }
    };

    // Phase 1: every new content safely on disk beside its target.
    for (size_t i = 0; i < files.size(); ++i) {
        Slot& s = slots[i];
        s.request = &files[i];
        s.target = ResolveTarget(files[i].path);
        struct stat old {};
        if (fs.Stat(s.target, &old) == 0) {
            if (S_ISDIR(old.st_mode)) {
                cleanUp();
                return WriteFailure{files[i].path, Reason(EISDIR)};
            }
            if ((old.st_mode & 0222) == 0) {
                cleanUp();
                return WriteFailure{files[i].path, "the file is read-only"};
            }
            s.existed = true;
        } else if (errno != ENOENT) {
            int err = errno;
            cleanUp();
            return WriteFailure{files[i].path, Reason(err)};
        }
        if (auto failure = WriteTemp(s, s.existed ? &old : nullptr, !batch, fs)) {
            cleanUp();
            return failure;
        }
    }
    if (batch) {
        if (auto failure = FlushFileSystems(slots, fs)) {
            cleanUp();
            return failure;
        }
    }

    // Phase 2: a second name for every old file, so a failed rename can be undone.
    for (Slot& s : slots) {
        if (!s.existed) {
            continue;
        }
        s.backup = SiblingName(s.target, "bak");
        if (fs.Link(s.target, s.backup) != 0) {
            int err = errno;
            s.backup.clear();
            cleanUp();
            return WriteFailure{s.request->path, Reason(err)};
        }
    }

    // Phase 3: the switch. Each rename is atomic; a failure undoes the ones before it.
    for (size_t i = 0; i < slots.size(); ++i) {
        Slot& s = slots[i];
        if (fs.Rename(s.temp, s.target) != 0) {
            int err = errno;
            for (size_t j = 0; j < i; ++j) {
                Slot& done = slots[j];
                if (done.existed) {
                    if (fs.Rename(done.backup, done.target) == 0) {
                        done.backup.clear();
                    }
                } else {
                    fs.Unlink(done.target);
                }
            }
            cleanUp();
            return WriteFailure{s.request->path, Reason(err)};
        }
        s.temp.clear();
    }
    cleanUp();
    // Each folder once: a mod that edits many files of one folder would otherwise pay for
    // the same flush again and again.
    std::set<std::string> folders;
    for (const Slot& s : slots) {
        folders.insert(std::filesystem::path(s.target).parent_path().string());
    }
    for (const std::string& folder : folders) {
        SyncFolder(folder);
    }
    return std::nullopt;
}

std::optional<WriteFailure> WriteFileAtomically(const std::string& path, const std::string& bytes,
                                                FileSystem& fs) {
    return WriteFilesAtomically({PendingWrite{path, bytes}}, fs);
}

}  // namespace modcommon
