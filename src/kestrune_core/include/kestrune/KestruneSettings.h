// Kestrune's settings file: its built-in default text, the names and defaults of its keys,
// and how it is opened at start-up.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kestrune/IniFile.h"
#include "modcommon/FileSystem.h"
#include "modcommon/SafeWrite.h"

namespace kestrune {

inline constexpr std::string_view kProgramVersion = "v2.5.6";
inline constexpr std::string_view kSettingsFileName = "kestrune.ini";

// The file written when none exists or when it belongs to another version (1349 bytes, CR LF
// between lines, none after the last; the file gets DefaultSettingsText + CR LF).
extern const std::string_view DefaultSettingsText;

// Section and key names, and the values the program reads when a key is missing.
namespace settings {
inline constexpr std::string_view kSection = "Settings";
inline constexpr std::string_view kBrowsersSection = "LinuxBrowsers";
inline constexpr std::string_view kDetectionSection = "AutoDetectableScripts";

inline constexpr std::string_view kVersion = "Version";
inline constexpr std::string_view kScriptpath = "Scriptpath";
inline constexpr std::string_view kInstallmode = "Installmode";
inline constexpr std::string_view kScriptAutoDetection = "ScriptAutoDetection";
inline constexpr std::string_view kLinebreakCheck = "LinebreakCheck";
inline constexpr std::string_view kEnableSkin = "EnableSkin";
inline constexpr std::string_view kTextEditor = "TextEditor";

inline constexpr std::string_view kOn = "on";
inline constexpr std::string_view kFastMode = "Fast mode";
inline constexpr std::string_view kStepByStepMode = "Step by step mode";
}  // namespace settings

struct OpenedSettings {
    IniFile ini;
    // An existing file that could not be read. `ini` then holds the default text, and the
    // caller must not write it over the file: settings never read would replace the user's.
    std::optional<modcommon::WriteFailure> readFailure;
    // Writing the default text failed; the file keeps its old content, if any.
    std::optional<modcommon::WriteFailure> writeFailure;
};

// Opens program folder + "kestrune.ini" as at start-up: writes the default text when no file
// exists; when the file's Version is not exactly kProgramVersion, overwrites it with the
// default text and carries its Scriptpath over into the new object (in memory only).
OpenedSettings OpenSettings(const std::string& programFolder,
                            modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

// Exact comparisons, letter case included: only "on" is on, only "Fast mode" is fast.
bool SettingIsOn(const IniFile& ini, std::string_view key);
bool InstallModeIsFast(const IniFile& ini);

// The detection table: the AutoDetectableScripts lines in file order ("folder=signature").
std::vector<std::string> ReadDetectionTable(const IniFile& ini);

// The browser list: the values of the LinuxBrowsers entries in file order, keys dropped.
std::vector<std::string> ReadBrowserList(const IniFile& ini);

}  // namespace kestrune
