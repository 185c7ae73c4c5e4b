// The editor's settings as data, and their load and save from the settings file.
//
//   oxel::OxelSettings settings;       // the window puts its current geometry in first
//   oxel::LoadStartupSettings(programPath, settings, platformDefaultFont);
//   ...                                // the window applies them
//   oxel::SaveSettings(oxel::SettingsPathFor(programPath), settings);
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "modcommon/FileSystem.h"
#include "oxel/FileError.h"
#include "oxel/Font.h"
#include "oxel/RecentFiles.h"

namespace oxel {

struct OxelSettings {
    std::string forumScriptPath;  // "YaBB": full path of the forum's main script
    std::string installerPath;    // "Kestrune"
    int32_t treeWidth = 200;      // "Tree_Width"
    std::string yourName;         // "Your_Name"
    std::string yourHomepage;     // "Your_Homepage"
    Font editorFont;              // "Editor_Font"
    RecentFiles recentFiles;      // section "MRU"; its maximum is "MRU_Max_Number"
    bool association = false;     // "Association"
    int32_t left = 265;           // "Left", "Top", "Width", "Height": the main window
    int32_t top = 244;
    int32_t width = 621;
    int32_t height = 574;
    int32_t state = 0;  // "State": 0 normal, 1 minimized, 2 maximized; others leave the window be
};

inline constexpr int32_t kDefaultTreeWidth = 200;
inline constexpr int32_t kDefaultMruMax = 10;

// The program's path with its extension replaced by ".ini" ("oxel" gives "oxel.ini").
std::string SettingsPathFor(const std::string& programPath);
// The program's folder, ending in the separator.
std::string ProgramFolderOf(const std::string& programPath);

// LoadSettings: reads section General and the recent files into `settings`. Keys that are
// missing keep the defaults of the file format; the window position and size default to the
// values already in `settings`, the font to `newFont`. The recent files are appended.
void LoadSettings(const std::string& iniPath, OxelSettings& settings, const Font& newFont);

// SaveSettings: writes section General and rewrites section MRU; other sections stay.
std::optional<FileError> SaveSettings(const std::string& iniPath, const OxelSettings& settings,
                                      modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

// The first line of "path.cfg" in the program folder, if the file has one.
std::optional<std::string> LoadFrom_path_cfg(const std::string& programFolder);

// Start-up: the settings file when it exists, else the forum script path from "path.cfg".
void LoadStartupSettings(const std::string& programPath, OxelSettings& settings,
                         const Font& newFont);

}  // namespace oxel
