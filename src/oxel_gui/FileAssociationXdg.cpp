// The .mod association on a freedesktop.org desktop: mime package, desktop entry, icon and
// the default-application line, each written whole and crash-safe, and removed again.
#include "FileAssociationXdg.h"

#include <pwd.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>
#include <variant>

#include "modcommon/SafeWrite.h"
#include "modcommon/TextEncoding.h"
#include "oxel/FileError.h"

namespace oxelgui {
namespace {

constexpr std::string_view kDefaultApplications = "[Default Applications]";
// Our glob outweighs the stock "*.mod" of tracker music, so the user's choice wins.
constexpr int kGlobWeight = 60;
constexpr int kNotifyTimeoutMs = 30000;

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') {
        dir.push_back('/');
    }
    return dir;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    std::string base = home != nullptr ? home : "";
    if (base.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
            base = pw->pw_dir;
        }
    }
    return WithSlash(base);
}

// A relative value is to be ignored, as if unset.
std::string XdgFolder(const char* variable, const char* fallbackUnderHome) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return WithSlash(value);
    }
    return HomeFolder() + fallbackUnderHome;
}

std::string XmlEscape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out.push_back(c);
        }
    }
    return out;
}

// The program as one Exec argument: quoted, with the characters special inside quotes and "%"
// escaped, then the string-value escape of the backslash laid over it.
std::string ExecArgument(std::string_view program) {
    std::string quoted = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted.push_back('\\');
        }
        if (c == '%') {
            quoted.push_back('%');
        }
        quoted.push_back(c);
    }
    quoted.push_back('"');
    std::string out;
    for (const char c : quoted) {
        if (c == '\\') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    return out;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// One line of mimeapps.list: its content and its own line ending, kept as found.
struct Line {
    std::string content;
    std::string ending;
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t lf = text.find('\n', start);
        const size_t end = lf == std::string::npos ? text.size() : lf;
        size_t contentEnd = end;
        if (contentEnd > start && text[contentEnd - 1] == '\r') {
            --contentEnd;
        }
        lines.push_back(
            {text.substr(start, contentEnd - start),
             text.substr(contentEnd, (lf == std::string::npos ? end : lf + 1) - contentEnd)});
        start = lf == std::string::npos ? text.size() : lf + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<Line>& lines) {
    std::string text;
    for (const Line& line : lines) {
        text += line.content + line.ending;
    }
    return text;
}

bool IsHeader(const Line& line) {
    const std::string_view s = TrimBlanks(line.content);
    return !s.empty() && s.front() == '[' && s.back() == ']';
}

bool IsDefaultApplicationsHeader(const Line& line) {
    return TrimBlanks(line.content) == kDefaultApplications;
}

// The key of a "key=value" line, or empty for headers, comments and blank lines.
std::string_view KeyOf(const Line& line) {
    const std::string_view s = line.content;
    if (s.empty() || s.front() == '#' || IsHeader(line)) {
        return {};
    }
    const size_t eq = s.find('=');
    return eq == std::string_view::npos ? std::string_view{} : TrimBlanks(s.substr(0, eq));
}

std::vector<std::string> ListValues(const Line& line) {
    std::vector<std::string> values;
    std::string_view rest = line.content;
    rest.remove_prefix(rest.find('=') + 1);
    while (!rest.empty()) {
        const size_t semi = rest.find(';');
        const std::string_view item = TrimBlanks(rest.substr(0, semi));
        if (!item.empty()) {
            values.emplace_back(item);
        }
        rest.remove_prefix(semi == std::string_view::npos ? rest.size() : semi + 1);
    }
    return values;
}

std::string ListLine(const std::string& key, const std::vector<std::string>& values) {
    std::string line = key + "=";
    for (const std::string& value : values) {
        line += value + ";";
    }
    return line;
}

// Index one past the last line of the section whose header is at `header`.
size_t SectionEnd(const std::vector<Line>& lines, size_t header) {
    size_t end = header + 1;
    while (end < lines.size() && !IsHeader(lines[end])) {
        ++end;
    }
    return end;
}

std::optional<std::string> ReadIfPresent(const std::string& path, modcommon::FileSystem& fs,
                                         std::string& failure) {
    struct stat st {};
    if (fs.Stat(path, &st) != 0) {
        if (errno != ENOENT) {
            failure = "Cannot read " + path + ": " + std::strerror(errno);
        }
        return std::nullopt;
    }
    auto read = oxel::ReadWholeFile(path);
    if (auto* error = std::get_if<oxel::FileError>(&read)) {
        failure = "Cannot read " + path + ": " + error->reason;
        return std::nullopt;
    }
    return std::get<std::string>(std::move(read));
}

std::optional<std::string> WriteInFolder(const std::string& path, const std::string& bytes,
                                         modcommon::FileSystem& fs) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (ec) {
        return "Cannot create the folder of " + path + ": " + ec.message();
    }
    if (auto failure = modcommon::WriteFileAtomically(path, bytes, fs)) {
        return "Cannot write " + failure->path + ": " + failure->reason;
    }
    return std::nullopt;
}

// Removes the file if it is there; true when it was. A refusal is recorded, once.
bool RemoveIfPresent(const std::string& path, modcommon::FileSystem& fs,
                     std::optional<std::string>& failure) {
    if (fs.Unlink(path) == 0) {
        return true;
    }
    if (errno != ENOENT && !failure) {
        failure = "Cannot remove " + path + ": " + std::strerror(errno);
    }
    return false;
}

}  // namespace

XdgDirs XdgDirs::FromEnvironment() {
    return {XdgFolder("XDG_DATA_HOME", ".local/share/"), XdgFolder("XDG_CONFIG_HOME", ".config/")};
}

void RunIfPresent(const std::string& program, const std::vector<std::string>& args) {
    const QString found = QStandardPaths::findExecutable(QString::fromStdString(program));
    if (found.isEmpty()) {
        return;
    }
    QStringList arguments;
    for (const std::string& arg : args) {
        arguments << QString::fromStdString(arg);
    }
    QProcess process;
    process.start(found, arguments);
    if (process.waitForStarted() && !process.waitForFinished(kNotifyTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}

std::string MimePackageXml(const XdgIdentity& identity, const XdgFileType& type, bool icon) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" +
        XmlEscape(identity.mimeType) + "\">\n    <comment>" +
        XmlEscape(modcommon::DisplayUtf8(type.description)) +
        "</comment>\n    <sub-class-of type=\"text/plain\"/>\n";
    if (icon) {
        xml += "    <icon name=\"" + XmlEscape(identity.iconName) + "\"/>\n";
    }
    xml += "    <glob pattern=\"" + XmlEscape(modcommon::DisplayUtf8(type.glob)) + "\" weight=\"" +
           std::to_string(kGlobWeight) + "\"/>\n  </mime-type>\n</mime-info>\n";
    return xml;
}

std::string DesktopEntryText(const XdgIdentity& identity, const XdgFileType& type, bool icon) {
    std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Oxel\n"
        "Exec=" +
        ExecArgument(type.program) + " %f\n";
    if (icon) {
        text += "Icon=" + identity.iconName + "\n";
    }
    // Like the registry's file type, the entry opens files but adds nothing to the menus.
    text += "MimeType=" + identity.mimeType + ";\nNoDisplay=true\nTerminal=false\n";
    return text;
}

std::string MimeAppsWithDefault(const std::string& text, const std::string& mimeType,
                                const std::string& desktopId) {
    std::vector<Line> lines = SplitLines(text);
    for (size_t header = 0; header < lines.size(); ++header) {
        if (!IsDefaultApplicationsHeader(lines[header])) {
            continue;
        }
        const size_t end = SectionEnd(lines, header);
        for (size_t i = header + 1; i < end; ++i) {
            if (KeyOf(lines[i]) == mimeType) {
                std::vector<std::string> values{desktopId};
                for (std::string& value : ListValues(lines[i])) {
                    if (value != desktopId) {
                        values.push_back(std::move(value));
                    }
                }
                lines[i].content = ListLine(mimeType, values);
                return JoinLines(lines);
            }
        }
        const std::string ending = lines[header].ending.empty() ? "\n" : lines[header].ending;
        if (lines[header].ending.empty()) {
            lines[header].ending = "\n";
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(header) + 1,
                     Line{ListLine(mimeType, {desktopId}), ending});
        return JoinLines(lines);
    }
    if (!lines.empty() && lines.back().ending.empty()) {
        lines.back().ending = "\n";
    }
    lines.push_back({std::string(kDefaultApplications), "\n"});
    lines.push_back({ListLine(mimeType, {desktopId}), "\n"});
    return JoinLines(lines);
}

std::string MimeAppsWithoutDefault(const std::string& text, const std::string& mimeType,
                                   const std::string& desktopId) {
    std::vector<Line> lines = SplitLines(text);
    for (size_t header = 0; header < lines.size(); ++header) {
        if (!IsDefaultApplicationsHeader(lines[header])) {
            continue;
        }
        bool changed = false;
        for (size_t i = header + 1; i < SectionEnd(lines, header);) {
            if (KeyOf(lines[i]) != mimeType) {
                ++i;
                continue;
            }
            std::vector<std::string> values = ListValues(lines[i]);
            const size_t before = values.size();
            std::erase(values, desktopId);
            if (values.size() == before) {
                ++i;
            } else if (values.empty()) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
            } else {
                lines[i].content = ListLine(mimeType, values);
                changed = true;
                ++i;
            }
        }
        // A section left with nothing at all under it is the one registering added.
        if (changed && SectionEnd(lines, header) == header + 1) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header));
            --header;
        }
    }
    return JoinLines(lines);
}

XdgAssociation::XdgAssociation(XdgDirs dirs, CommandRunner runner, std::string iconPng,
                               int iconSize, XdgIdentity identity, modcommon::FileSystem& fs)
    : m_dirs{WithSlash(std::move(dirs.dataHome)), WithSlash(std::move(dirs.configHome))},
      m_runner(std::move(runner)),
      m_iconPng(std::move(iconPng)),
      m_iconSize(iconSize),
      m_identity(std::move(identity)),
      m_fs(fs) {}

std::string XdgAssociation::PackagePath() const {
    return m_dirs.dataHome + "mime/packages/" + m_identity.packageFile;
}

std::string XdgAssociation::DesktopEntryPath() const {
    return m_dirs.dataHome + "applications/" + m_identity.desktopId;
}

std::string XdgAssociation::IconPath() const {
    const std::string size = std::to_string(m_iconSize);
    return m_dirs.dataHome + "icons/hicolor/" + size + "x" + size + "/apps/" + m_identity.iconName +
           ".png";
}

std::string XdgAssociation::MimeAppsPath() const {
    return m_dirs.configHome + "mimeapps.list";
}

std::optional<std::string> XdgAssociation::Register(const XdgFileType& type) {
    if (type.program.find_first_of("\r\n") != std::string::npos ||
        !modcommon::IsValidUtf8(type.program)) {
        // A desktop entry is UTF-8 text of single lines; such a path could not be named in it.
        return "The program's path cannot be written into a desktop entry: " + type.program;
    }
    const bool icon = type.withIcon && !m_iconPng.empty();
    if (auto failure = WriteInFolder(PackagePath(), MimePackageXml(m_identity, type, icon), m_fs)) {
        return failure;
    }
    if (icon) {
        if (auto failure = WriteInFolder(IconPath(), m_iconPng, m_fs)) {
            return failure;
        }
    }
    if (auto failure =
            WriteInFolder(DesktopEntryPath(), DesktopEntryText(m_identity, type, icon), m_fs)) {
        return failure;
    }
    std::string readFailure;
    const std::optional<std::string> old = ReadIfPresent(MimeAppsPath(), m_fs, readFailure);
    if (!readFailure.empty()) {
        return readFailure;
    }
    return WriteInFolder(
        MimeAppsPath(),
        MimeAppsWithDefault(old.value_or(""), m_identity.mimeType, m_identity.desktopId), m_fs);
}

bool XdgAssociation::Unregister(std::optional<std::string>* failure) {
    std::optional<std::string> firstFailure;
    bool removed = false;
    std::string readFailure;
    if (const auto old = ReadIfPresent(MimeAppsPath(), m_fs, readFailure)) {
        const std::string updated =
            MimeAppsWithoutDefault(*old, m_identity.mimeType, m_identity.desktopId);
        if (updated != *old) {
            removed = true;
            if (updated.empty()) {
                RemoveIfPresent(MimeAppsPath(), m_fs, firstFailure);
            } else if (auto writeFailure =
                           modcommon::WriteFileAtomically(MimeAppsPath(), updated, m_fs)) {
                firstFailure = "Cannot write " + writeFailure->path + ": " + writeFailure->reason;
            }
        }
    } else if (!readFailure.empty()) {
        firstFailure = readFailure;
    }
    removed |= RemoveIfPresent(DesktopEntryPath(), m_fs, firstFailure);
    if (m_iconSize > 0) {
        removed |= RemoveIfPresent(IconPath(), m_fs, firstFailure);
    }
    removed |= RemoveIfPresent(PackagePath(), m_fs, firstFailure);
    if (failure != nullptr) {
        *failure = firstFailure;
    }
    return removed;
}

void XdgAssociation::NotifyAssociationsChanged() {
    if (!m_runner) {
        return;
    }
    m_runner("update-mime-database", {m_dirs.dataHome + "mime"});
    m_runner("update-desktop-database", {m_dirs.dataHome + "applications"});
}

}  // namespace oxelgui
