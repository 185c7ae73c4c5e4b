// The mod folder layout beside the program and the listing of its folders and mod files.
#include "kestrune/ModFolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "modcommon/ModTags.h"

namespace kestrune {
namespace {

enum class Entries { FoldersAndFiles, ModFilesOnly };

bool HasModExtension(const std::string& name) {
    return name.size() >= 4 && modcommon::AsciiLower(name.substr(name.size() - 4)) == ".mod";
}

std::vector<std::string> ListEntries(const std::string& folder, Entries which) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        // The installed-mods log keeps one key per line: a name with a line break in it would
        // come back as two keys, and an installed mod would look uninstalled.
        if (name.find_first_of("\r\n") != std::string::npos) {
            continue;
        }
        if (which == Entries::ModFilesOnly) {
            std::error_code typeError;
            // A link counts as what it points to, as the system's own listing would say.
            if (!HasModExtension(name) || fs::is_directory(it->path(), typeError)) {
                continue;
            }
        }
        names.push_back(std::move(name));
    }
    // Ties (names equal but for case) keep a fixed order by their bytes.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string la = modcommon::AsciiLower(a);
        std::string lb = modcommon::AsciiLower(b);
        return la != lb ? la < lb : a < b;
    });
    return names;
}

}  // namespace

std::string ModsFolderPath(const std::string& programFolder) {
    return programFolder + "Mods/";
}

std::string ModFilePath(const std::string& programFolder, const std::string& modFolder,
                        const std::string& fileName) {
    return ModsFolderPath(programFolder) + modFolder + "/" + fileName;
}

std::string ModLogKey(const std::string& modFolder, const std::string& fileName) {
    return modFolder + "\\" + fileName;
}

std::vector<std::string> ListModFolders(const std::string& folder) {
    return ListEntries(folder, Entries::FoldersAndFiles);
}

std::vector<std::string> ListModFiles(const std::string& folder) {
    return ListEntries(folder, Entries::ModFilesOnly);
}

}  // namespace kestrune
