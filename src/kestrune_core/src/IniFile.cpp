// The installer's settings object: reading and writing rules of its INI text.
#include "kestrune/IniFile.h"

#include <algorithm>

#include "kestrune/TextFiles.h"

namespace kestrune {
namespace {

// Blanks and control characters; bytes of 0x80 and above are text of the code page and stay.
bool IsTrimmable(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsTrimmable(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsTrimmable(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<std::string_view> EntryKey(std::string_view line) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return line.substr(0, eq);
}

std::string_view EntryValue(std::string_view line) {
    size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

IniFile IniFile::FromText(std::string path, std::string_view bytes) {
    IniFile ini(std::move(path));
    Section* current = nullptr;
    for (const std::string& raw : SplitLines(bytes)) {
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            ini.m_sections.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}});
            current = &ini.m_sections.back();
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            current->lines.emplace_back(line);
        } else {
            current->lines.push_back(std::string(Trim(line.substr(0, eq))) + "=" +
                                     std::string(Trim(line.substr(eq + 1))));
        }
    }
    return ini;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    for (const Section& section : m_sections) {
        if (SameTextIgnoringCase(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    if (const Section* found = FindSection(section)) {
        for (const std::string& line : found->lines) {
            auto lineKey = EntryKey(line);
            if (lineKey && SameTextIgnoringCase(*lineKey, key)) {
                return std::string(EntryValue(line));
            }
        }
    }
    return std::string(defaultValue);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    // A value is one line: a script path holding a line break would otherwise write a second
    // line that is read back as an entry of its own (say "EnableSkin=off").
    value = value.substr(0, value.find_first_of("\r\n"));
    std::string entry = std::string(key) + "=" + std::string(value);
    auto found = std::find_if(m_sections.begin(), m_sections.end(), [&](const Section& s) {
        return SameTextIgnoringCase(s.name, section);
    });
    if (found == m_sections.end()) {
        m_sections.push_back({std::string(section), {std::move(entry)}});
        return;
    }
    for (std::string& line : found->lines) {
        auto lineKey = EntryKey(line);
        if (lineKey && SameTextIgnoringCase(*lineKey, key)) {
            line = std::move(entry);
            return;
        }
    }
    found->lines.push_back(std::move(entry));
}

std::vector<std::string> IniFile::ReadSectionValues(std::string_view section) const {
    const Section* found = FindSection(section);
    return found ? found->lines : std::vector<std::string>{};
}

std::string IniFile::ToText() const {
    std::string out;
    for (const Section& section : m_sections) {
        out += "[" + section.name + "]\r\n";
        for (const std::string& line : section.lines) {
            out += line + "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

std::optional<modcommon::WriteFailure> IniFile::UpdateFile(modcommon::FileSystem& fs) const {
    return modcommon::WriteFileAtomically(m_path, ToText(), fs);
}

}  // namespace kestrune
