// The mod folder layout beside the program and the listing of its folders and mod files.
//
//   program/Mods/YaBB 2.1/SomeMod.mod
//   ListModFolders(modsFolder) -> {"YaBB 2.1", ...}; ListModFiles(modsFolder + "YaBB 2.1/")
#pragma once

#include <string>
#include <vector>

namespace kestrune {

// program folder + "Mods/".
std::string ModsFolderPath(const std::string& programFolder);

// The full path of a mod file: program folder + "Mods/" + folder + "/" + file name.
std::string ModFilePath(const std::string& programFolder, const std::string& modFolder,
                        const std::string& fileName);

// The installed-mods log's key of a mod: folder + "\" + file name. Always a backslash, so the
// log reads the same on every system.
std::string ModLogKey(const std::string& modFolder, const std::string& fileName);

// Every entry of `folder` (ending in "/"), folders and plain files alike, hidden ones included,
// sorted ignoring ASCII letter case. A plain file in the Mods folder is listed like a folder.
// A missing or unreadable folder gives an empty list. Names with a line break in them are left
// out of both lists: the installed-mods log could not record them.
std::vector<std::string> ListModFolders(const std::string& folder);

// Every entry of `folder` that is not a folder and whose name ends in ".mod" in any letter
// case, hidden ones included, sorted ignoring ASCII letter case. Sub-folders are not searched.
std::vector<std::string> ListModFiles(const std::string& folder);

}  // namespace kestrune
