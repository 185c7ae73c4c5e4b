// Opening the installer session for a command and finding the mod it names.
#include "CliSession.h"

#include <filesystem>

#include "TerminalText.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/IniFile.h"
#include "kestrune/KestruneSettings.h"
#include "kestrune/ModFolders.h"
#include "kestrune/ModParser.h"
#include "kestrune/TextFiles.h"

namespace kestrune::cli {
namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    return (ec ? fs::path(path) : absolute).lexically_normal().string();
}

// True when the settings file exists and belongs to another version, so that start-up is
// about to replace it.
bool SettingsWillBeReplaced(const std::string& programFolder) {
    const std::string path = programFolder + std::string(kSettingsFileName);
    std::string bytes;
    std::string reason;
    if (!IsExistingFile(path) || !ReadWholeFile(path, bytes, reason)) {
        return false;
    }
    IniFile ini = IniFile::FromText(path, bytes);
    return ini.ReadString(settings::kSection, settings::kVersion, kProgramVersion) !=
           kProgramVersion;
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec1;
    std::error_code ec2;
    fs::path ca = fs::weakly_canonical(a, ec1);
    fs::path cb = fs::weakly_canonical(b, ec2);
    return !ec1 && !ec2 && WithSlash(ca.string()) == WithSlash(cb.string());
}

// The list entry named exactly `name`, else the first one ignoring case.
int FindItem(const InstallerSession& session, const std::string& name) {
    const auto& mods = session.mods();
    for (size_t i = 0; i < mods.size(); ++i) {
        if (mods[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return session.FindMod(name);
}

}  // namespace

std::string ProgramFolderFor(const std::string& home) {
    if (!home.empty()) {
        return WithSlash(AbsolutePath(home));
    }
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return WithSlash(ec ? fs::current_path().string() : exe.parent_path().string());
}

CliSession::CliSession(CliOptions options, std::ostream& err)
    : m_options(std::move(options)), m_err(err), m_boxes(err) {}

std::optional<int> CliSession::Open() {
    const std::string programFolder = ProgramFolderFor(m_options.home);
    std::error_code ec;
    if (!fs::is_directory(programFolder, ec)) {
        m_err << "kestrune-cli: the program folder " << programFolder << " does not exist\n";
        return kExitBadInput;
    }
    const bool replacingSettings = SettingsWillBeReplaced(programFolder);

    m_session = std::make_unique<InstallerSession>(programFolder,
                                                   SessionServices{m_boxes.Fn(), nullptr, nullptr});
    // With --script the folder for the saved script is chosen only to be replaced at once.
    m_boxes.SetQuietWarnings(m_options.script.has_value());
    m_session->Startup();
    m_boxes.SetQuietWarnings(false);
    if (m_session->closeRequested()) {
        return kExitBadInput;
    }

    // The window keeps the old Scriptpath in memory and writes it at exit. The command line
    // has no exit that saves settings, so the replaced file gets it at once; else the user's
    // script path would be lost.
    if (replacingSettings &&
        !m_session->settings().ReadString(settings::kSection, settings::kScriptpath, "").empty()) {
        if (auto failure = m_session->settings().UpdateFile()) {
            m_err << "Could not write the settings file\n"
                  << failure->path << "\n"
                  << failure->reason << "\n";
        }
    }

    if (m_options.script) {
        m_session->SetScriptPath(AbsolutePath(*m_options.script));
        m_session->SelectModFolderForScript();
    }
    if (m_options.folder) {
        int index = m_session->FindFolder(*m_options.folder);
        if (index < 0) {
            m_err << "kestrune-cli: there is no mod folder named \"" << *m_options.folder
                  << "\" in " << ModsFolderPath(programFolder) << "\n";
            return kExitBadInput;
        }
        m_session->SelectFolder(index);
    }
    return std::nullopt;
}

std::optional<ModRef> CliSession::NotFound(const std::string& path, std::optional<int>& exitCode) {
    m_err << ToTerminal(ErrorBoxText(8, {path})) << "\n";
    exitCode = kExitBadInput;
    return std::nullopt;
}

std::optional<ModRef> CliSession::FindMod(std::optional<int>& exitCode) {
    InstallerSession& session = *m_session;
    const std::string& mod = m_options.mod;

    if (mod.find('/') == std::string::npos) {
        int item = session.selectedFolder() < 0 ? -1 : FindItem(session, mod);
        if (item < 0) {
            return NotFound(ModFilePath(session.programFolder(), session.selectedFolderName(), mod),
                            exitCode);
        }
        session.SetCurrentItem(item);
        return ModRef{item, session.CurrentModPath()};
    }

    const std::string path = AbsolutePath(mod);
    if (!IsExistingFile(path)) {
        return NotFound(path, exitCode);
    }
    const fs::path parent = fs::path(path).parent_path();
    const std::string modsFolder = ModsFolderPath(session.programFolder());
    const auto& folders = session.folders();
    for (size_t i = 0; i < folders.size(); ++i) {
        if (!SameFolder(parent, modsFolder + folders[i])) {
            continue;
        }
        if (m_options.folder && session.FindFolder(*m_options.folder) != static_cast<int>(i)) {
            m_err << "kestrune-cli: " << path << " lies in the mod folder \"" << folders[i]
                  << "\", not in \"" << *m_options.folder << "\"\n";
            exitCode = kExitBadInput;
            return std::nullopt;
        }
        if (session.selectedFolder() != static_cast<int>(i)) {
            session.SelectFolder(static_cast<int>(i));
        }
        int item = FindItem(session, fs::path(path).filename().string());
        if (item >= 0) {
            session.SetCurrentItem(item);
            return ModRef{item, session.CurrentModPath()};
        }
        break;
    }
    return ModRef{-1, path};
}

std::optional<ModRef> CliSession::FindListedMod(std::optional<int>& exitCode) {
    std::optional<ModRef> ref = FindMod(exitCode);
    if (ref && ref->item < 0) {
        m_err << "kestrune-cli: " << ref->path << " is not a mod of a mod folder in "
              << ModsFolderPath(m_session->programFolder())
              << "; only those can be recorded in install.log. Copy it into the mod folder "
                 "of its forum version first.\n";
        exitCode = kExitBadInput;
        return std::nullopt;
    }
    return ref;
}

std::optional<ParsedMod> CliSession::FindParsedMod(ListedParse how, TMod& outside,
                                                   std::optional<int>& exitCode) {
    std::optional<ModRef> ref = FindMod(exitCode);
    if (!ref) {
        return std::nullopt;
    }
    InstallerSession& session = *m_session;
    if (ref->item >= 0) {
        if (how == ListedParse::Manual) {
            session.ManualInstallation();
        } else {
            session.ShowModInfo();
        }
        if (session.lastParse().faulted()) {
            exitCode = kExitBadInput;
            return std::nullopt;
        }
        return ParsedMod{*ref, &session.currentMod()};
    }
    if (ParseModFile(outside, ref->path, session.scriptPath(), m_boxes.Fn()).faulted()) {
        exitCode = kExitBadInput;
        return std::nullopt;
    }
    return ParsedMod{*ref, &outside};
}

}  // namespace kestrune::cli
