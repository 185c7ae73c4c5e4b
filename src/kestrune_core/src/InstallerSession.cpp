// The installer main window's logic without its widgets.
#include "kestrune/InstallerSession.h"

#include "kestrune/ErrorMessages.h"
#include "kestrune/KestruneSettings.h"
#include "kestrune/ModFolders.h"
#include "kestrune/ScriptDetection.h"
#include "kestrune/TextFiles.h"

namespace kestrune {
namespace {

using modcommon::BoxAnswer;
using modcommon::BoxButtons;
using modcommon::BoxKind;
using modcommon::BoxRequest;

constexpr std::string_view kEditorPath = "ModEditor/oxel";

}  // namespace

InstallerSession::InstallerSession(std::string programFolder, SessionServices services)
    : m_programFolder(std::move(programFolder)),
      m_services(std::move(services)),
      m_log(m_programFolder + std::string(kInstallLogFileName)),
      m_counterText(kModCounterInitialText) {
    if (m_services.fs == nullptr) {
        m_services.fs = &modcommon::DefaultFileSystem();
    }
}

void InstallerSession::Startup() {
    ClearInformation();

    OpenedSettings opened = OpenSettings(m_programFolder, *m_services.fs);
    m_settings = std::move(opened.ini);
    if (opened.readFailure) {
        m_settingsUnreadable = true;
        ReportFileFailure("Could not read the settings file", *opened.readFailure);
    }
    if (opened.writeFailure) {
        ReportFileFailure("Could not write the settings file", *opened.writeFailure);
    }
    m_scriptPath = m_settings.ReadString(settings::kSection, settings::kScriptpath, "");
    m_fastMode = InstallModeIsFast(m_settings);
    m_skinned = SettingIsOn(m_settings, settings::kEnableSkin);
    m_browsers = ReadBrowserList(m_settings);

    if (auto failure = m_log.Load()) {
        ReportFileFailure("Could not read the installed-mods log", *failure);
    }
    if (auto failure =
            m_log.ConvertOldFormatIfWanted(m_programFolder, m_services.box, *m_services.fs)) {
        ReportFileFailure("Could not save the installed-mods log", *failure);
    }

    m_folders = ListModFolders(ModsFolderPath(m_programFolder));
    m_detectionTable = ReadDetectionTable(m_settings);
    SelectModFolderForScript();
}

std::string InstallerSession::ForumFolder() const {
    size_t slash = m_scriptPath.rfind('/');
    return slash == std::string::npos ? std::string() : m_scriptPath.substr(0, slash + 1);
}

void InstallerSession::ChooseScript(const std::string& path) {
    std::string oldPath = m_scriptPath;
    m_scriptPath = path;
    SelectModFolderForScript();
    if (m_scriptPath != oldPath && !oldPath.empty() &&
        AskYes("Do you want to clear the log file? This will remove all old install/uninstall "
               "information")) {
        ClearLogAndRefresh();
    }
}

std::string InstallerSession::selectedFolderName() const {
    return m_selectedFolder < 0 ? std::string() : m_folders[static_cast<size_t>(m_selectedFolder)];
}

int InstallerSession::FindFolder(std::string_view name) const {
    for (size_t i = 0; i < m_folders.size(); ++i) {
        if (SameTextIgnoringCase(m_folders[i], name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int InstallerSession::FindMod(std::string_view name) const {
    for (size_t i = 0; i < m_mods.size(); ++i) {
        if (SameTextIgnoringCase(m_mods[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void InstallerSession::SelectFolder(int index) {
    m_selectedFolder = (index >= 0 && index < static_cast<int>(m_folders.size())) ? index : -1;
    RefreshModList();
}

void InstallerSession::SelectModFolderForScript() {
    std::string name = DetectedScript();
    int found = name.empty() ? -1 : FindFolder(name);
    if (!name.empty() && found < 0 && SettingIsOn(m_settings, settings::kScriptAutoDetection)) {
        ShowWarning(5, {name, ModsFolderPath(m_programFolder) + name + "/", name});
    }
    m_selectedFolder = found >= 0 ? found : (m_folders.empty() ? -1 : 0);
    RefreshModList();
}

void InstallerSession::RefreshModList() {
    m_mods.clear();
    if (m_selectedFolder >= 0) {
        std::string folder = selectedFolderName();
        for (std::string& name : ListModFiles(ModsFolderPath(m_programFolder) + folder + "/")) {
            bool installed = m_log.Contains(ModLogKey(folder, name));
            m_mods.push_back({std::move(name), installed});
        }
    }
    m_counterText = ModCounterText(m_mods.size(), m_log.size());
    m_currentItem = m_mods.empty() ? -1 : 0;
}

void InstallerSession::SetCurrentItem(int index) {
    if (index >= 0 && index < static_cast<int>(m_mods.size())) {
        m_currentItem = index;
    }
}

void InstallerSession::ShowModInfo() {
    if (m_mods.empty()) {
        return;
    }
    ClearInformation();
    m_lastParse = ParseModFile(m_mod, CurrentModPath(), m_scriptPath, m_services.box);
    m_info = MakeModInfoView(m_mod);
}

void InstallerSession::ClearInformation() {
    m_mod.Clear();
    m_info = {};
    m_lastParse = {};
}

std::string InstallerSession::CurrentModPath() const {
    if (m_currentItem < 0) {
        return {};
    }
    return ModFilePath(m_programFolder, selectedFolderName(),
                       m_mods[static_cast<size_t>(m_currentItem)].name);
}

TickDecision InstallerSession::OnTickChanged(int item, bool nowTicked, bool runFlag) {
    if (item < 0 || item >= static_cast<int>(m_mods.size())) {
        return TickDecision::PutBack;
    }
    m_currentItem = item;
    ModItem& mod = m_mods[static_cast<size_t>(item)];
    mod.ticked = nowTicked;
    m_manualMode = false;

    if (!IsExistingFile(m_scriptPath)) {
        mod.ticked = !nowTicked;
        ShowError(4);
        return TickDecision::PutBack;
    }
    if (runFlag) {
        ShowModInfo();
        // A mod read only in part must not touch the forum: its reverse would not match.
        if (m_lastParse.faulted()) {
            mod.ticked = !nowTicked;
            return TickDecision::PutBack;
        }
        return TickDecision::OpenInstallWindow;
    }
    m_log.Record(ModLogKey(selectedFolderName(), mod.name), nowTicked);
    m_counterText = ModCounterText(m_mods.size(), m_log.size());
    SaveLog();
    return TickDecision::Marked;
}

void InstallerSession::AfterRun(const RunOutcome& outcome) {
    if (m_manualMode || m_currentItem < 0) {
        return;
    }
    ModItem& mod = m_mods[static_cast<size_t>(m_currentItem)];
    const bool complete =
        outcome.currentStep == static_cast<int>(m_mod.Steps.size()) && outcome.errorCount == 0;
    if (complete && !outcome.writeFailure) {
        m_log.Record(ModLogKey(selectedFolderName(), mod.name), mod.ticked);
        m_counterText = ModCounterText(m_mods.size(), m_log.size());
        SaveLog();
        return;
    }
    mod.ticked = !mod.ticked;
    if (outcome.writeFailure) {
        BoxRequest request;
        request.kind = BoxKind::Error;
        request.caption = "Error";
        request.text = "Could not write the forum file\r\n" + outcome.writeFailure->path + "\r\n" +
                       outcome.writeFailure->reason +
                       "\r\n\r\nNo file was changed and the mod was not recorded.";
        m_services.box(request);
    }
}

bool InstallerSession::ManualInstallation() {
    if (m_mods.empty()) {
        ShowWarning(13);
        return false;
    }
    m_manualMode = true;
    ShowModInfo();
    return true;
}

void InstallerSession::ClearLog() {
    if (AskYes("Do you really want to clear the log file? This will remove all install/uninstall "
               "information!")) {
        ClearLogAndRefresh();
    }
}

void InstallerSession::StartEditor() {
    const std::string editor = m_programFolder + std::string(kEditorPath);
    if (!IsExistingFile(editor)) {
        ShowWarning(14);
        return;
    }
    std::string parameters = m_mods.empty() ? std::string() : "\"" + CurrentModPath() + "\"";
    if (m_services.startProgram) {
        m_services.startProgram(editor, parameters);
    }
}

void InstallerSession::OpenHomepage() {
    if (!m_info.homepage.empty() && m_services.openDocument) {
        m_services.openDocument(m_info.homepage, m_browsers);
    }
}

bool InstallerSession::Shutdown() {
    bool allWritten = true;
    m_settings.WriteString(settings::kSection, settings::kScriptpath, m_scriptPath);
    m_settings.WriteString(settings::kSection, settings::kInstallmode,
                           m_fastMode ? settings::kFastMode : settings::kStepByStepMode);
    if (!m_settingsUnreadable) {
        if (auto failure = m_settings.UpdateFile(*m_services.fs)) {
            ReportFileFailure("Could not write the settings file", *failure);
            allWritten = false;
        }
    }
    if (auto failure = m_log.Save(*m_services.fs)) {
        ReportFileFailure("Could not save the installed-mods log", *failure);
        allWritten = false;
    }
    return allWritten;
}

RunInputs InstallerSession::MakeRunInputs() const {
    RunInputs inputs;
    inputs.checked = m_currentItem >= 0 && m_mods[static_cast<size_t>(m_currentItem)].ticked;
    inputs.manualMode = m_manualMode;
    inputs.fast = m_fastMode;
    inputs.forumFolder = ForumFolder();
    inputs.linebreakCheck = LinebreakCheck();
    inputs.scriptPath = m_scriptPath;
    inputs.detectedScript = DetectedScript();
    inputs.modFolderName = selectedFolderName();
    inputs.installedMods = m_log.entries();
    inputs.modName = m_info.name;
    inputs.modVersion = m_info.version;
    if (m_currentItem >= 0) {
        inputs.modListItem = m_mods[static_cast<size_t>(m_currentItem)].name;
    }
    return inputs;
}

std::string InstallerSession::DetectedScript() const {
    return DetectForumVersion(m_scriptPath, m_detectionTable);
}

bool InstallerSession::LinebreakCheck() const {
    return SettingIsOn(m_settings, settings::kLinebreakCheck);
}

std::string InstallerSession::TextEditor() const {
    return m_settings.ReadString(settings::kSection, settings::kTextEditor, "");
}

void InstallerSession::ShowError(int code, const std::vector<std::string>& args) {
    m_services.box({BoxKind::Error, BoxButtons::Ok, "Error", ErrorBoxText(code, args)});
}

void InstallerSession::ShowWarning(int code, const std::vector<std::string>& args) {
    m_services.box({BoxKind::Warning, BoxButtons::Ok, "Warning", ErrorBoxText(code, args)});
}

void InstallerSession::ReportFileFailure(std::string_view what,
                                         const modcommon::WriteFailure& failure) {
    m_services.box({BoxKind::Error, BoxButtons::Ok, "Error",
                    std::string(what) + "\r\n" + failure.path + "\r\n" + failure.reason});
}

bool InstallerSession::AskYes(std::string text) {
    return m_services.box({BoxKind::Information, BoxButtons::YesNo, "", std::move(text)}) ==
           BoxAnswer::Yes;
}

void InstallerSession::ClearLogAndRefresh() {
    m_log.Clear();
    SaveLog();
    RefreshModList();
}

// Every change reaches the file at once, so a crash or a killed program loses no record.
void InstallerSession::SaveLog() {
    if (auto failure = m_log.Save(*m_services.fs)) {
        ReportFileFailure("Could not save the installed-mods log", *failure);
    }
}

}  // namespace kestrune
