// Fuzzes the editor's settings file class: any bytes load without a crash, the text it writes
// loads back to itself, and a value written under a plain section and key reads back (up to
// its first line break and the length limit).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "oxel/IniPlus.h"

namespace {

using fuzzsupport::Require;

// Names with line breaks, "=", brackets, or blanks and tabs at their ends don't survive as
// names of the INI format.
bool PlainName(std::string_view name) {
    if (name.empty() || name.front() == ' ' || name.front() == '\t' || name.back() == ' ' ||
        name.back() == '\t') {
        return false;
    }
    return name.find_first_of(std::string_view("\r\n\0=[]", 7)) == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = in.ConsumeRandomLengthString(32);
    const std::string key = in.ConsumeRandomLengthString(32);
    const std::string value = in.ConsumeRandomLengthString(3000);
    const int32_t number = in.ConsumeIntegral<int32_t>();
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    oxel::TIniPlus ini;
    ini.LoadText(bytes);
    (void)ini.ReadInteger(section, key, 7);
    (void)ini.ReadBool(section, key, true);
    oxel::Font font;
    ini.ReadFont(section, key, font);
    (void)ini.KeysOf(section);

    const std::string text = ini.Text();
    oxel::TIniPlus again;
    again.LoadText(text);
    Require(again.Text() == text, "the written text loads back to itself");
    Require(again.ReadString(section, key, "\x01") == ini.ReadString(section, key, "\x01"),
            "a value reads the same after a round trip");

    if (!PlainName(section) || !PlainName(key)) {
        return 0;
    }
    oxel::TIniPlus changed;
    changed.LoadText(text);
    changed.WriteString(section, key, value);
    changed.WriteInteger(section, std::string(key) + "#", number);
    oxel::TIniPlus back;
    back.LoadText(changed.Text());
    const std::string_view firstLine =
        std::string_view(value).substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    Require(back.ReadString(section, key, "\x01") ==
                firstLine.substr(0, oxel::TIniPlus::kMaxValueLength),
            "a written value reads back");
    Require(back.ReadInteger(section, std::string(key) + "#", number ^ 1) == number,
            "a written integer reads back");

    changed.EraseSection(section);
    Require(!changed.SectionExists(section), "an erased section is gone");
    return 0;
}
