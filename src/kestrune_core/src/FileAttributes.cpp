// Whether a forum file may be written.
#include <filesystem>

#include "kestrune/ApplyStep.h"

namespace kestrune {

bool IsReadOnlyFile(const std::string& path) {
    // The mode's write bits, not access(2): as root, access() calls every file writable.
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
        return true;
    }
    constexpr fs::perms kWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & kWrite) == fs::perms::none;
}

}  // namespace kestrune
