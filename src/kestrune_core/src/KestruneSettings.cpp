// Kestrune's settings file: default text, opening at start-up, and the lists taken from it.
#include "kestrune/KestruneSettings.h"

#include "kestrune/TextFiles.h"

namespace kestrune {

const std::string_view DefaultSettingsText =
    "[Settings]\r\n"
    "Version=v2.5.6\r\n"
    "Scriptpath=\r\n"
    "Installmode=Fast mode\r\n"
    "ScriptAutoDetection=on\r\n"
    "LinebreakCheck=on\r\n"
    "EnableSkin=on\r\n"
    "TextEditor=notepad.exe\r\n"
    "\r\n"
    "[LinuxBrowsers]\r\n"
    "browser1=mozilla\r\n"
    "browser2=netscape\r\n"
    "browser3=konqueror\r\n"
    "\r\n"
    "[AutoDetectableScripts]\r\n"
    "YaBB 1 Final=$YaBBversion=\"1 Final\";\r\n"
    "YaBB 1 Gold - Release=$YaBBversion='1 Gold - Release';\r\n"
    "YaBB 1 Gold - SP 1=$YaBBversion = '1 Gold - SP1';\r\n"
    "YaBB 1 Gold - SP 1.1=$YaBBversion = '1 Gold - SP 1.1';\r\n"
    "YaBB 1 Gold - SP 1.2=$YaBBversion = '1 Gold - SP 1.2';\r\n"
    "YaBB 1 Gold - SP 1.3=$YaBBversion = '1 Gold - SP 1.3';\r\n"
    "YaBB 1 Gold - SP 1.3.1=$YaBBversion = '1 Gold - SP 1.3.1';\r\n"
    "YaBB 1 Gold - SP 1.3.2=$YaBBversion = '1 Gold - SP 1.3.2';\r\n"
    "YaBB 1 Gold - SP 1.4=$YaBBversion = '1 Gold - SP 1.4';\r\n"
    "YaBB 2 RC1=$YaBBversion = 'YaBB 2 RC 1';\r\n"
    "YaBB 2 RC2=$YaBBversion = 'YaBB 2 RC 2';\r\n"
    "YaBB 2 RC3=$YaBBversion = 'YaBB 2 RC 3';\r\n"
    "YaBB 2.0=$YaBBversion = 'YaBB 2.0';\r\n"
    "YaBB 2.1=$YaBBversion = 'YaBB 2.1';\r\n"
    "YaBB 2.2=$YaBBversion = 'YaBB 2.2';\r\n"
    "YaBB SE 1.0.0=$YaBBversion = 'YaBB SE 1.0.0';\r\n"
    "YaBB SE 1.1.0=$YaBBversion = 'YaBB SE 1.1.0';\r\n"
    "YaBB SE 1.3.0=$YaBBversion = 'YaBB SE 1.3.0';\r\n"
    "YaBB SE 1.4.0=$YaBBversion = 'YaBB SE 1.4.0';\r\n"
    "YaBB SE 1.4.1=$YaBBversion = 'YaBB SE 1.4.1';\r\n"
    "YaBB SE 1.5.0=$YaBBversion = 'YaBB SE 1.5.0';\r\n"
    "YaBB SE 1.5.1=$YaBBversion = 'YaBB SE 1.5.1';\r\n"
    "YaBB SE 1.5.5=$YaBBversion = 'YaBB SE 1.5.5';";

namespace {

std::string DefaultFileBytes() {
    return std::string(DefaultSettingsText) + "\r\n";
}

}  // namespace

OpenedSettings OpenSettings(const std::string& programFolder, modcommon::FileSystem& fs) {
    const std::string path = programFolder + std::string(kSettingsFileName);
    OpenedSettings opened{IniFile::FromText(path, DefaultFileBytes()), std::nullopt, std::nullopt};

    if (!IsExistingFile(path)) {
        opened.writeFailure = modcommon::WriteFileAtomically(path, DefaultFileBytes(), fs);
        return opened;
    }

    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(path, bytes, reason)) {
        opened.readFailure = modcommon::WriteFailure{path, reason};
        return opened;
    }
    IniFile current = IniFile::FromText(path, bytes);
    if (current.ReadString(settings::kSection, settings::kVersion, kProgramVersion) ==
        kProgramVersion) {
        opened.ini = std::move(current);
        return opened;
    }

    // Another version's file: only the forum script survives the replacement.
    std::string scriptPath = current.ReadString(settings::kSection, settings::kScriptpath, "");
    opened.writeFailure = modcommon::WriteFileAtomically(path, DefaultFileBytes(), fs);
    opened.ini.WriteString(settings::kSection, settings::kScriptpath, scriptPath);
    return opened;
}

bool SettingIsOn(const IniFile& ini, std::string_view key) {
    return ini.ReadString(settings::kSection, key, settings::kOn) == settings::kOn;
}

bool InstallModeIsFast(const IniFile& ini) {
    return ini.ReadString(settings::kSection, settings::kInstallmode, settings::kFastMode) ==
           settings::kFastMode;
}

std::vector<std::string> ReadDetectionTable(const IniFile& ini) {
    return ini.ReadSectionValues(settings::kDetectionSection);
}

std::vector<std::string> ReadBrowserList(const IniFile& ini) {
    std::vector<std::string> browsers;
    for (const std::string& line : ini.ReadSectionValues(settings::kBrowsersSection)) {
        if (EntryKey(line)) {
            browsers.emplace_back(EntryValue(line));
        }
    }
    return browsers;
}

}  // namespace kestrune
