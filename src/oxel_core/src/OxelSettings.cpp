// Loading and saving the editor's settings file and reading "path.cfg".
#include "oxel/OxelSettings.h"

#include <sys/stat.h>

#include <map>
#include <variant>

#include "modcommon/ModTags.h"
#include "oxel/IniPlus.h"
#include "oxel/Paths.h"

namespace oxel {
namespace {

constexpr std::string_view kGeneral = "General";
constexpr std::string_view kMru = "MRU";

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The index of a key spelled "MRU<n>" in the canonical decimal form that the loader's
// "MRU" + i look-up would match, or -1.
int64_t MruIndex(std::string_view lowerName) {
    if (lowerName.size() < 4 || lowerName.substr(0, 3) != "mru" || lowerName.size() > 13) {
        return -1;
    }
    const std::string_view digits = lowerName.substr(3);
    if (digits.size() > 1 && digits[0] == '0') {
        return -1;
    }
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string SettingsPathFor(const std::string& programPath) {
    return ChangeFileExt(programPath, ".ini");
}

std::string ProgramFolderOf(const std::string& programPath) {
    const std::string folder = ExtractFilePath(programPath);
    return folder.empty() ? "./" : IncludeDelimiter(folder);
}

void LoadSettings(const std::string& iniPath, OxelSettings& s, const Font& newFont) {
    const TIniPlus ini(iniPath);
    s.forumScriptPath = ini.ReadString(kGeneral, "YaBB", "");
    s.installerPath = ini.ReadString(kGeneral, "Kestrune", "");
    s.treeWidth = ini.ReadInteger(kGeneral, "Tree_Width", kDefaultTreeWidth);
    s.yourName = ini.ReadString(kGeneral, "Your_Name", "");
    s.yourHomepage = ini.ReadString(kGeneral, "Your_Homepage", "");
    Font font = newFont;
    ini.ReadFont(kGeneral, "Editor_Font", font);
    s.editorFont = font;
    const int32_t max = ini.ReadInteger(kGeneral, "MRU_Max_Number", kDefaultMruMax);
    s.recentFiles.SetMax(max);

    // The same as reading "MRU0" to "MRU<max-1>" one by one, without walking up to two
    // billion absent keys when the maximum is huge.
    std::map<int64_t, std::string> entries;
    for (const std::string& key : ini.KeysOf(kMru)) {
        const int64_t index = MruIndex(modcommon::AsciiLower(key));
        if (index >= 0 && index < max && entries.count(index) == 0) {
            entries[index] = ini.ReadString(kMru, key, "");
        }
    }
    for (auto& [index, path] : entries) {
        if (!path.empty()) {
            s.recentFiles.AppendLoaded(std::move(path));
        }
    }

    s.association = ini.ReadBool(kGeneral, "Association", false);
    s.left = ini.ReadInteger(kGeneral, "Left", s.left);
    s.top = ini.ReadInteger(kGeneral, "Top", s.top);
    s.width = ini.ReadInteger(kGeneral, "Width", s.width);
    s.height = ini.ReadInteger(kGeneral, "Height", s.height);
    s.state = ini.ReadInteger(kGeneral, "State", 0);
}

std::optional<FileError> SaveSettings(const std::string& iniPath, const OxelSettings& s,
                                      modcommon::FileSystem& fs) {
    TIniPlus ini(iniPath);
    ini.WriteString(kGeneral, "YaBB", s.forumScriptPath);
    ini.WriteString(kGeneral, "Kestrune", s.installerPath);
    ini.WriteInteger(kGeneral, "Tree_Width", s.treeWidth);
    ini.WriteString(kGeneral, "Your_Name", s.yourName);
    ini.WriteString(kGeneral, "Your_Homepage", s.yourHomepage);
    ini.WriteFont(kGeneral, "Editor_Font", s.editorFont);
    ini.WriteInteger(kGeneral, "MRU_Max_Number", s.recentFiles.Max());
    ini.EraseSection(kMru);
    const auto& items = s.recentFiles.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        ini.WriteString(kMru, "MRU" + std::to_string(i), items[i]);
    }
    ini.WriteBool(kGeneral, "Association", s.association);
    ini.WriteInteger(kGeneral, "Left", s.left);
    ini.WriteInteger(kGeneral, "Top", s.top);
    ini.WriteInteger(kGeneral, "Width", s.width);
    ini.WriteInteger(kGeneral, "Height", s.height);
    ini.WriteInteger(kGeneral, "State", s.state);
    return ini.UpdateFile(fs);
}

std::optional<std::string> LoadFrom_path_cfg(const std::string& programFolder) {
    const std::string folder = programFolder.empty() ? "./" : IncludeDelimiter(programFolder);
    auto read = ReadWholeFile(folder + "path.cfg");
    const auto* text = std::get_if<std::string>(&read);
    if (text == nullptr || text->empty()) {
        return std::nullopt;
    }
    return text->substr(0, text->find_first_of(std::string_view("\r\n\0", 3)));
}

void LoadStartupSettings(const std::string& programPath, OxelSettings& settings,
                         const Font& newFont) {
    const std::string iniPath = SettingsPathFor(programPath);
    if (Exists(iniPath)) {
        LoadSettings(iniPath, settings, newFont);
    } else if (auto path = LoadFrom_path_cfg(ProgramFolderOf(programPath))) {
        settings.forumScriptPath = *path;
    }
}

}  // namespace oxel
