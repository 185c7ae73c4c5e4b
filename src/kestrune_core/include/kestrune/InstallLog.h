// The installed-mods log: which mods are installed, one key ("folder\file.mod") per line of
// program folder + "install.log".
//
//   kestrune::InstallLog log(programFolder + "install.log");
//   log.Load();
//   log.ConvertOldFormatIfWanted(programFolder, box);
//   log.Record("YaBB 2.1\\Polls.mod", true);
//   if (auto failure = log.Save()) { /* report failure->path, failure->reason */ }
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "modcommon/FileSystem.h"
#include "modcommon/MessageBox.h"
#include "modcommon/SafeWrite.h"

namespace kestrune {

inline constexpr std::string_view kInstallLogFileName = "install.log";

class InstallLog {
  public:
    explicit InstallLog(std::string path = {});

    const std::string& path() const { return m_path; }

    // Replaces the entries by the file's lines (ending at CR LF, LF or CR). A missing file
    // gives no entries and no failure; an existing file that can't be read gives its reason,
    // and from then on Save keeps the changes in memory and leaves that file as it is: the
    // records in it are not ours to replace unseen.
    std::optional<modcommon::WriteFailure> Load();

    // A log whose first line holds "\Mods\" is of the older format. Asks (information box, Yes
    // and No, empty caption) whether to convert it; on Yes keeps the lines that hold
    // "Installed", each cut to its text after the first "\Mods\", and asks whether to go on for
    // every one whose mod file is missing under program folder + "Mods/". A No there sets
    // closeRequested(), restores the loaded entries and ends the conversion; the program is
    // to close and the log is never saved. A finished conversion is saved at once.
    std::optional<modcommon::WriteFailure> ConvertOldFormatIfWanted(
        const std::string& programFolder, const modcommon::MessageBoxFn& box,
        modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

    // True when `key` equals an entry, ignoring ASCII letter case.
    bool Contains(const std::string& key) const;

    // Installed: appends `key` unless an entry equals it (ignoring case). Not installed:
    // removes the first entry that equals it (ignoring case). Memory only; call Save.
    void Record(const std::string& key, bool installed);

    void Clear() { m_entries.clear(); }

    // Writes every entry followed by CR LF (no entries: an empty file), crash-safely. Does
    // nothing while closeRequested() is set. After a Load that could not read the file, writes
    // nothing and says so.
    std::optional<modcommon::WriteFailure> Save(
        modcommon::FileSystem& fs = modcommon::DefaultFileSystem()) const;

    const std::vector<std::string>& entries() const { return m_entries; }
    size_t size() const { return m_entries.size(); }
    bool closeRequested() const { return m_closeRequested; }
    bool unreadable() const { return m_unreadable; }

  private:
    std::string m_path;
    std::vector<std::string> m_entries;
    bool m_closeRequested = false;
    bool m_unreadable = false;  // the file exists but Load could not read it
};

// The counter above the mod list: "N Mods, M Installed" (M counts every folder's entries).
std::string ModCounterText(size_t modCount, size_t installedCount);

// The counter's text before the first refresh of the mod list.
inline constexpr std::string_view kModCounterInitialText = "0 Mods available";

}  // namespace kestrune
