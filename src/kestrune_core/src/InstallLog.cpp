// The installed-mods log: loading, old-format conversion, recording and saving.
#include "kestrune/InstallLog.h"

#include <algorithm>

#include "kestrune/TextFiles.h"

namespace kestrune {
namespace {

constexpr std::string_view kOldFormatMarker = "\\Mods\\";

bool AskYes(const modcommon::MessageBoxFn& box, std::string text) {
    modcommon::BoxRequest request;
    request.kind = modcommon::BoxKind::Information;
    request.buttons = modcommon::BoxButtons::YesNo;
    request.text = std::move(text);
    return box(request) == modcommon::BoxAnswer::Yes;
}

// The old lines named the mod by a path through the Mods folder; the rest is the new key.
// A line without the marker loses its first five characters, as it always has.
std::string KeyFromOldLine(const std::string& line) {
    size_t marker = line.find(kOldFormatMarker);
    size_t start = marker == std::string::npos ? 5 : marker + kOldFormatMarker.size();
    return start < line.size() ? line.substr(start) : std::string();
}

std::string WithSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace

InstallLog::InstallLog(std::string path) : m_path(std::move(path)) {}

std::optional<modcommon::WriteFailure> InstallLog::Load() {
    m_entries.clear();
    m_closeRequested = false;
    m_unreadable = false;
    if (!IsExistingFile(m_path)) {
        return std::nullopt;
    }
    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(m_path, bytes, reason)) {
        m_unreadable = true;
        return modcommon::WriteFailure{m_path, reason};
    }
    m_entries = SplitLines(bytes);
    return std::nullopt;
}

std::optional<modcommon::WriteFailure> InstallLog::ConvertOldFormatIfWanted(
    const std::string& programFolder, const modcommon::MessageBoxFn& box,
    modcommon::FileSystem& fs) {
    if (m_entries.empty() || m_entries.front().find(kOldFormatMarker) == std::string::npos) {
        return std::nullopt;
    }
    if (!AskYes(box,
                "An 'install.log' of an older Kestrune version was detected!\r\n\r\n"
                "Do you want that Kestrune tries to convert it?")) {
        return std::nullopt;
    }
    std::vector<std::string> converted;
    for (const std::string& line : m_entries) {
        if (line.find("Installed") == std::string::npos) {
            continue;
        }
        std::string key = KeyFromOldLine(line);
        std::string modPath = WithSlashes(programFolder + "Mods/" + key);
        if (!IsExistingFile(modPath) &&
            !AskYes(box, "The Modfile '" + modPath +
                             "' was not found in the current mod-folder!\r\n\r\n"
                             "Do you want to continue converting? (if you choose NO Kestrune "
                             "will close)")) {
            // Abandoned: the loaded lines stay as they were and are never saved.
            m_closeRequested = true;
            return std::nullopt;
        }
        converted.push_back(std::move(key));
    }
    m_entries = std::move(converted);
    return Save(fs);
}

bool InstallLog::Contains(const std::string& key) const {
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&](const std::string& entry) { return SameTextIgnoringCase(entry, key); });
}

void InstallLog::Record(const std::string& key, bool installed) {
    auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const std::string& entry) {
        return SameTextIgnoringCase(entry, key);
    });
    if (installed && found == m_entries.end()) {
        m_entries.push_back(key);
    } else if (!installed && found != m_entries.end()) {
        m_entries.erase(found);
    }
}

std::optional<modcommon::WriteFailure> InstallLog::Save(modcommon::FileSystem& fs) const {
    if (m_closeRequested) {
        return std::nullopt;
    }
    if (m_unreadable) {
        return modcommon::WriteFailure{
            m_path,
            "it could not be read at start-up, so it is left as it is; the change is kept until "
            "the program ends"};
    }
    return modcommon::WriteFileAtomically(m_path, JoinLinesCrLf(m_entries), fs);
}

std::string ModCounterText(size_t modCount, size_t installedCount) {
    return std::to_string(modCount) + " Mods, " + std::to_string(installedCount) + " Installed";
}

}  // namespace kestrune
