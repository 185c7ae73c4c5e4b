// Path functions over a path style, aware of double-byte characters.
#include "oxel/Paths.h"

#include <sys/stat.h>

#include <filesystem>
#include <vector>

namespace oxel {
namespace {

constexpr size_t npos = std::string_view::npos;

// Width of the character that starts at `i`: 2 for a lead byte followed by another byte.
size_t CharWidth(std::string_view s, size_t i, const PathStyle& style) {
    if (style.leadByte != nullptr && i + 1 < s.size() &&
        style.leadByte(static_cast<unsigned char>(s[i]))) {
        return 2;
    }
    return 1;
}

// Whether `c` separates folders: the separator, and the drive colon where drives exist.
bool IsDelimiter(char c, const PathStyle& style) {
    return c == style.separator || (style.drives && c == ':');
}

// The last position at a character start holding a delimiter (or only the separator).
size_t LastDelimiter(std::string_view s, const PathStyle& style, bool separatorOnly = false) {
    size_t last = npos;
    for (size_t i = 0; i < s.size(); i += CharWidth(s, i, style)) {
        if (separatorOnly ? s[i] == style.separator : IsDelimiter(s[i], style)) {
            last = i;
        }
    }
    return last;
}

// The first separator at a character start at or after `from`.
size_t NextSeparator(std::string_view s, size_t from, const PathStyle& style) {
    for (size_t i = from; i < s.size(); i += CharWidth(s, i, style)) {
        if (s[i] == style.separator) {
            return i;
        }
    }
    return npos;
}

bool EndsWithSeparator(std::string_view s, const PathStyle& style) {
    return !s.empty() && s.back() == style.separator;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// Length of the drive or share prefix.
size_t DriveLength(std::string_view path, const PathStyle& style) {
    if (!style.drives) {
        return 0;
    }
    if (path.size() >= 2 && path[1] == ':') {
        return 2;
    }
    if (path.size() >= 2 && path[0] == style.separator && path[1] == style.separator) {
        const size_t serverEnd = NextSeparator(path, 2, style);
        if (serverEnd == npos) {
            return path.size();
        }
        const size_t shareEnd = NextSeparator(path, serverEnd + 1, style);
        return shareEnd == npos ? path.size() : shareEnd;
    }
    return 0;
}

// Length of the part no file-system look-up can spell differently: the drive or share with
// the separator after it, or the leading separators of a rooted path.
size_t RootLength(std::string_view path, const PathStyle& style) {
    size_t length = DriveLength(path, style);
    if (length > 0 && path[1] != ':') {
        // A share: only the one separator after it belongs to the root.
        return length < path.size() && path[length] == style.separator ? length + 1 : length;
    }
    while (length < path.size() && path[length] == style.separator) {
        ++length;
    }
    return length;
}

std::vector<std::string_view> SplitComponents(std::string_view folder, const PathStyle& style) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= folder.size()) {
        size_t end = NextSeparator(folder, start, style);
        if (end == npos) {
            end = folder.size();
        }
        if (end > start) {
            parts.push_back(folder.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

}  // namespace

std::string IncludeDelimiter(std::string_view s, const PathStyle& style) {
    std::string out(s);
    if (!EndsWithSeparator(out, style)) {
        out += style.separator;
    }
    return out;
}

std::string Rep(std::string_view s, std::string_view find, std::string_view repl,
                const PathStyle& style) {
    if (s.empty() || find.empty()) {
        return std::string(s);
    }
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, find.size(), find) == 0) {
            out += repl;
            i += find.size();
        } else {
            const size_t width = CharWidth(s, i, style);
            out += s.substr(i, width);
            i += width;
        }
    }
    return out;
}

std::string updir(std::string_view dir, const PathStyle& style) {
    std::string_view w = dir;
    if (EndsWithSeparator(w, style)) {
        w.remove_suffix(1);
    }
    const size_t p = LastDelimiter(w, style, true);
    return p == npos ? std::string() : std::string(dir.substr(0, p + 1));
}

std::string chabspath(std::string_view base, std::string_view rel, const PathStyle& style) {
    std::string folder = ExtractFileDir(base, style);
    if (folder.empty()) {
        return std::string();
    }
    folder = IncludeDelimiter(folder, style);
    std::string r =
        Rep(rel, std::string(1, style.ForeignSeparator()), std::string(1, style.separator), style);
    const std::string here = std::string(".") + style.separator;
    const std::string up = std::string("..") + style.separator;
    std::string_view rest = r;
    if (StartsWith(rest, here)) {
        rest.remove_prefix(here.size());
    }
    while (StartsWith(rest, up)) {
        rest.remove_prefix(up.size());
        folder = updir(folder, style);
    }
    return folder + std::string(rest);
}

std::string RelativePath(std::string_view baseFile, std::string_view destFile,
                         const PathStyle& style) {
    const std::string baseDrive = ExtractFileDrive(baseFile, style);
    const std::string destDrive = ExtractFileDrive(destFile, style);
    if (!SameFileName(baseDrive, destDrive, style)) {
        return std::string(destFile);
    }
    const std::string baseFolder = ExtractFilePath(baseFile, style).substr(baseDrive.size());
    const std::string destFolder = ExtractFilePath(destFile, style).substr(destDrive.size());
    const auto baseParts = SplitComponents(baseFolder, style);
    const auto destParts = SplitComponents(destFolder, style);
    size_t common = 0;
    while (common < baseParts.size() && common < destParts.size() &&
           SameFileName(baseParts[common], destParts[common], style)) {
        ++common;
    }
    std::string out;
    for (size_t i = common; i < baseParts.size(); ++i) {
        out += "..";
        out += style.separator;
    }
    for (size_t i = common; i < destParts.size(); ++i) {
        out += destParts[i];
        out += style.separator;
    }
    return out + ExtractFileName(destFile, style);
}

std::optional<std::string> HostEntryName(const std::string& path) {
    struct stat target {};
    if (::lstat(path.c_str(), &target) != 0) {
        return std::nullopt;
    }
    const std::filesystem::path p(path);
    const std::string name = p.filename().string();
    if (name.empty()) {
        return std::nullopt;
    }
    const std::filesystem::path folder = p.has_parent_path() ? p.parent_path() : ".";
    std::error_code ec;
    // On a case-insensitive file system the entry may be spelled otherwise: find it by identity.
    std::optional<std::string> sameFile;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (entry == name) {
            return entry;
        }
        struct stat st {};
        if (!sameFile && ::lstat(it->path().c_str(), &st) == 0 && st.st_dev == target.st_dev &&
            st.st_ino == target.st_ino) {
            sameFile = entry;
        }
    }
    return sameFile ? sameFile : std::optional<std::string>(name);
}

std::string ExpandShortName(std::string_view name, const PathStyle& style,
                            const EntryNameLookup& lookup) {
    const size_t root = RootLength(name, style);
    if (name.size() <= root) {
        return std::string(name);
    }
    const std::string folder = ExtractFilePath(name, style);
    const std::string file(name.substr(folder.size()));
    if (file.empty()) {
        return std::string(name);
    }
    std::string expanded;
    if (folder.size() <= root) {
        expanded = folder;
    } else {
        std::string_view inner = folder;
        if (EndsWithSeparator(inner, style)) {
            inner.remove_suffix(1);
        }
        expanded = ExpandShortName(inner, style, lookup);
        if (!expanded.empty() && !EndsWithSeparator(expanded, style)) {
            expanded += style.separator;
        }
    }
    std::optional<std::string> entry = lookup ? lookup(expanded + file) : std::nullopt;
    return expanded + (entry ? *entry : file);
}

std::string ExpandShortName(std::string_view name) {
    return ExpandShortName(name, PathStyle::Host(), HostEntryName);
}

std::string ExtractFileDrive(std::string_view path, const PathStyle& style) {
    return std::string(path.substr(0, DriveLength(path, style)));
}

std::string ExtractFilePath(std::string_view path, const PathStyle& style) {
    const size_t i = LastDelimiter(path, style);
    return i == npos ? std::string() : std::string(path.substr(0, i + 1));
}

std::string ExtractFileName(std::string_view path, const PathStyle& style) {
    const size_t i = LastDelimiter(path, style);
    return std::string(i == npos ? path : path.substr(i + 1));
}

std::string ExtractFileDir(std::string_view path, const PathStyle& style) {
    const size_t i = LastDelimiter(path, style);
    if (i == npos) {
        return std::string();
    }
    // Keep the separator of a root ("C:\", "/", "\\"), drop it after a folder name.
    bool keep = i == 0 || path[i] != style.separator;
    if (!keep) {
        const size_t before = LastDelimiter(path.substr(0, i), style);
        keep = before == i - 1;
    }
    return std::string(path.substr(0, keep ? i + 1 : i));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext, const PathStyle& style) {
    size_t dot = npos;
    for (size_t i = 0; i < path.size(); i += CharWidth(path, i, style)) {
        if (path[i] == '.') {
            dot = i;
        } else if (IsDelimiter(path[i], style)) {
            dot = npos;
        }
    }
    std::string out(path.substr(0, dot == npos ? path.size() : dot));
    return out + std::string(ext);
}

}  // namespace oxel
