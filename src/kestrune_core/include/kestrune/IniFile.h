// The installer's settings object: an INI text held in memory and written back whole.
//
//   kestrune::IniFile ini = kestrune::IniFile::FromText(path, bytes);
//   std::string mode = ini.ReadString("Settings", "Installmode", "Fast mode");
//   ini.WriteString("Settings", "Installmode", "Step by step mode");
//   if (auto failure = ini.UpdateFile()) { /* report failure->path, failure->reason */ }
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modcommon/FileSystem.h"
#include "modcommon/SafeWrite.h"

namespace kestrune {

class IniFile {
  public:
    // An empty object bound to `path`; UpdateFile writes there.
    explicit IniFile(std::string path = {});

    // Reads `bytes` by these rules: every line is trimmed of blanks and control characters;
    // empty lines, ";" comments and lines before the first "[name]" header are dropped; an
    // entry "key = value" is kept as "key=value" (key and value trimmed, split at the first
    // "="); a line without "=" is kept as it stands. A repeated header opens a second section
    // of that name, which look-ups never reach.
    static IniFile FromText(std::string path, std::string_view bytes);

    const std::string& path() const { return m_path; }

    // The value of the first entry whose key matches in the first section whose name matches
    // (both ignoring ASCII letter case), else `defaultValue`. Values are returned as stored:
    // callers compare them exactly ("on" is on, "On" is not).
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // Sets the entry in memory: replaces the first matching entry in place, else appends the
    // key to the end of its section, else appends a new section after the last one.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The stored lines of the first matching section ("key=value", or a line without "="), in
    // order; empty when there is no such section.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;

    // The whole object as file text: per section, in creation order, "[name]", its lines and
    // one empty line, each ending in CR LF. Comments and spacing of the original are gone.
    std::string ToText() const;

    // Writes ToText() to path() crash-safely; the file keeps its old content on failure.
    std::optional<modcommon::WriteFailure> UpdateFile(
        modcommon::FileSystem& fs = modcommon::DefaultFileSystem()) const;

  private:
    struct Section {
        std::string name;
        std::vector<std::string> lines;
    };

    const Section* FindSection(std::string_view name) const;

    std::string m_path;
    std::vector<Section> m_sections;
};

// The key of a stored entry line: the text before its first "=", or nullopt for a line
// without "=". Shared by every reader of "key=value" lists.
std::optional<std::string_view> EntryKey(std::string_view line);

// The value of a stored entry line: the text after its first "=" (empty without "=").
std::string_view EntryValue(std::string_view line);

}  // namespace kestrune
