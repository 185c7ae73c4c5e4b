// INI file reading and writing with the profile functions' rules.
#include "oxel/IniPlus.h"

#include <sys/stat.h>

#include <cerrno>
#include <variant>

#include "modcommon/ModTags.h"
#include "modcommon/SafeWrite.h"

namespace oxel {
namespace {

constexpr size_t npos = std::string::npos;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

bool Quoted(std::string_view s) {
    return s.size() >= 2 && s.front() == s.back() && (s.front() == '"' || s.front() == '\'');
}

std::string NameKey(std::string_view name) {
    return modcommon::AsciiLower(Trim(name));
}

std::optional<int32_t> ParseProfileInteger(std::string_view text) {
    bool negative = false;
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || (base == 16 && text.size() > 8)) {
        return std::nullopt;
    }
    int64_t value = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (base == 10 && value > int64_t{INT32_MAX} + 1) {
            return std::nullopt;
        }
    }
    if (base == 16) {
        return static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    value = negative ? -value : value;
    if (value > INT32_MAX || value < INT32_MIN) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

}  // namespace

TIniPlus::TIniPlus(std::string path) : m_path(std::move(path)) {
    auto read = ReadWholeFile(m_path);
    if (auto* text = std::get_if<std::string>(&read)) {
        LoadText(*text);
        return;
    }
    FileError error = std::get<FileError>(std::move(read));
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0 && errno == ENOENT) {
        return;  // a first start: nothing to read yet
    }
    m_loadError = std::move(error);
}

TIniPlus::Line TIniPlus::ParseLine(std::string text) {
    Line line;
    const std::string_view trimmed = Trim(text);
    if (!trimmed.empty() && trimmed.front() == '[') {
        const size_t close = trimmed.find(']');
        line.kind = LineKind::Section;
        line.name = NameKey(trimmed.substr(1, close == npos ? npos : close - 1));
    } else if (const size_t eq = text.find('='); eq != npos) {
        line.kind = LineKind::Key;
        line.name = NameKey(std::string_view(text).substr(0, eq));
    }
    line.text = std::move(text);
    return line;
}

void TIniPlus::LoadText(std::string_view text) {
    m_lines.clear();
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            m_lines.push_back(ParseLine(std::string(text.substr(start, i - start))));
            i += (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) {
        m_lines.push_back(ParseLine(std::string(text.substr(start))));
    }
}

std::string TIniPlus::Text() const {
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

std::optional<FileError> TIniPlus::UpdateFile(modcommon::FileSystem& fs) const {
    if (m_loadError) {
        return FileError{
            m_path, "the file could not be read, so it is left as it is: " + m_loadError->reason};
    }
    if (m_path.empty()) {
        return FileError{m_path, "no file name"};
    }
    if (auto failure = modcommon::WriteFileAtomically(m_path, Text(), fs)) {
        return FileError{failure->path, failure->reason};
    }
    return std::nullopt;
}

size_t TIniPlus::FindSection(std::string_view section) const {
    const std::string name = NameKey(section);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == LineKind::Section && m_lines[i].name == name) {
            return i;
        }
    }
    return npos;
}

size_t TIniPlus::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != LineKind::Section) {
        ++i;
    }
    return i;
}

size_t TIniPlus::FindKey(std::string_view section, std::string_view key) const {
    const size_t header = FindSection(section);
    if (header == npos) {
        return npos;
    }
    const std::string name = NameKey(key);
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == LineKind::Key && m_lines[i].name == name) {
            return i;
        }
    }
    return npos;
}

bool TIniPlus::SectionExists(std::string_view section) const {
    return FindSection(section) != npos;
}

bool TIniPlus::ValueExists(std::string_view section, std::string_view key) const {
    return FindKey(section, key) != npos;
}

std::vector<std::string> TIniPlus::KeysOf(std::string_view section) const {
    std::vector<std::string> keys;
    const size_t header = FindSection(section);
    if (header == npos) {
        return keys;
    }
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == LineKind::Key) {
            const std::string& text = m_lines[i].text;
            keys.emplace_back(Trim(std::string_view(text).substr(0, text.find('='))));
        }
    }
    return keys;
}

std::string TIniPlus::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    std::string_view value = defaultValue;
    const size_t i = FindKey(section, key);
    if (i != npos) {
        const std::string& text = m_lines[i].text;
        value = Trim(std::string_view(text).substr(text.find('=') + 1));
        if (Quoted(value)) {
            value = value.substr(1, value.size() - 2);
        }
    }
    return std::string(value.substr(0, kMaxValueLength));
}

int32_t TIniPlus::ReadInteger(std::string_view section, std::string_view key,
                              int32_t defaultValue) const {
    return ParseProfileInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TIniPlus::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniPlus::ReadFont(std::string_view section, std::string_view key, Font& font) const {
    const Font original = font;
    const std::string fallback = FontToString(font);
    const std::string text = ReadString(section, key, fallback);
    try {
        StringToFont(text, font);
    } catch (const FontConversionError&) {
        try {
            StringToFont(fallback, font);
        } catch (const FontConversionError&) {
            // A name with a comma in it has no string form that reads back.
            font = original;
        }
    }
}

void TIniPlus::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    std::string stored(value);
    if (Trim(value).size() != value.size() || Quoted(value)) {
        stored = '"' + stored + '"';
    }
    const size_t existing = FindKey(section, key);
    if (existing != npos) {
        Line& line = m_lines[existing];
        const std::string_view name =
            Trim(std::string_view(line.text).substr(0, line.text.find('=')));
        line = ParseLine(std::string(name) + "=" + stored);
        return;
    }
    Line entry = ParseLine(std::string(Trim(key)) + "=" + stored);
    const size_t header = FindSection(section);
    if (header == npos) {
        m_lines.push_back(ParseLine("[" + std::string(Trim(section)) + "]"));
        m_lines.push_back(std::move(entry));
        return;
    }
    // After the section's last non-empty line, so blank lines before the next section stay.
    size_t at = SectionEnd(header);
    while (at > header + 1 && Trim(m_lines[at - 1].text).empty()) {
        --at;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

void TIniPlus::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniPlus::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniPlus::WriteFont(std::string_view section, std::string_view key, const Font& font) {
    WriteString(section, key, FontToString(font));
}

void TIniPlus::EraseSection(std::string_view section) {
    for (size_t header = FindSection(section); header != npos; header = FindSection(section)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
    }
}

}  // namespace oxel
