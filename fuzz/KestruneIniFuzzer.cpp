// Fuzzes the installer's settings reader and writer: any bytes read without a crash, what is
// written reads back to the same object, and a value written under a plain key reads back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "kestrune/IniFile.h"
#include "kestrune/KestruneSettings.h"

namespace {

using fuzzsupport::Require;

// Blanks and control characters at either end are trimmed on reading, so only a text without
// them, without line breaks and (for names) without "=", "[" and "]", survives a round trip.
bool Plain(std::string_view text, bool name) {
    if (text.empty() || static_cast<unsigned char>(text.front()) <= ' ' ||
        static_cast<unsigned char>(text.back()) <= ' ') {
        return false;
    }
    for (char c : text) {
        if (c == '\r' || c == '\n' || (name && (c == '=' || c == '[' || c == ']' || c == ';'))) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = in.ConsumeRandomLengthString(32);
    const std::string key = in.ConsumeRandomLengthString(32);
    const std::string value = in.ConsumeRandomLengthString(128);
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    kestrune::IniFile ini = kestrune::IniFile::FromText("kestrune.ini", bytes);
    // What start-up takes from it.
    (void)kestrune::SettingIsOn(ini, "LinebreakCheck");
    (void)kestrune::InstallModeIsFast(ini);
    (void)kestrune::ReadDetectionTable(ini);
    (void)kestrune::ReadBrowserList(ini);

    const std::string written = ini.ToText();
    const kestrune::IniFile reread = kestrune::IniFile::FromText("kestrune.ini", written);
    Require(reread.ToText() == written, "read, write, read gives the same settings");
    Require(reread.ReadString(section, key, "\x01") == ini.ReadString(section, key, "\x01"),
            "a value reads the same after a round trip");

    if (Plain(section, true) && Plain(key, true) && (value.empty() || Plain(value, false))) {
        kestrune::IniFile changed = reread;
        changed.WriteString(section, key, value);
        const std::string text = changed.ToText();
        const kestrune::IniFile back = kestrune::IniFile::FromText("kestrune.ini", text);
        Require(back.ToText() == text, "a written object reads back whole");
        Require(back.ReadString(section, key, "\x01") == value, "a written value reads back");
    }
    return 0;
}
