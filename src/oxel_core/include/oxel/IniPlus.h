// The settings file: an INI file read and written with the rules of the Windows profile
// functions, plus font values.
//
//   oxel::TIniPlus ini(settingsPath);
//   int width = ini.ReadInteger("General", "Tree_Width", 200);
//   ini.WriteString("General", "YaBB", forumScript);
//   if (auto error = ini.UpdateFile()) report(*error);
//
// Section and key names compare without regard to letter case. Values are trimmed of blanks
// and of one pair of enclosing quotes on reading and cut to 2047 bytes. Writing keeps every
// other line and section as it was; the file is written with CR LF through the crash-safe write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modcommon/FileSystem.h"
#include "oxel/FileError.h"
#include "oxel/Font.h"

namespace oxel {

class TIniPlus {
  public:
    static constexpr size_t kMaxValueLength = 2047;

    // An empty file not tied to any path (UpdateFile then refuses).
    TIniPlus() = default;
    // Reads the file at `path`; a missing file is an empty one.
    explicit TIniPlus(std::string path);

    // Why an existing file could not be read. Such a file is never overwritten.
    const std::optional<FileError>& LoadError() const { return m_loadError; }
    // Replaces the contents with `text` (any line breaks).
    void LoadText(std::string_view text);
    // The contents as they would be written.
    std::string Text() const;
    std::optional<FileError> UpdateFile(
        modcommon::FileSystem& fs = modcommon::DefaultFileSystem()) const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The key names of the section, as spelled in the file, in file order.
    std::vector<std::string> KeysOf(std::string_view section) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything else gives the default.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    // True for any non-zero integer.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // Reads a font string into `font`; a value that does not convert gives the font as it was
    // passed in (its string form is the default).
    void ReadFont(std::string_view section, std::string_view key, Font& font) const;

    // A value is written up to its first line break, which would otherwise start a new line
    // of the file; values with blanks or quotes at their ends are quoted so they read back.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    // "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteFont(std::string_view section, std::string_view key, const Font& font);
    // Removes the section's header and every line of it.
    void EraseSection(std::string_view section);

  private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        std::string text;
        LineKind kind = LineKind::Other;
        std::string name;  // lower-cased section or key name
    };
    static Line ParseLine(std::string text);
    // Index of the section's header line, or npos.
    size_t FindSection(std::string_view section) const;
    // Index past the section's last line.
    size_t SectionEnd(size_t header) const;
    size_t FindKey(std::string_view section, std::string_view key) const;

    std::string m_path;
    std::optional<FileError> m_loadError;
    std::vector<Line> m_lines;
};

}  // namespace oxel
