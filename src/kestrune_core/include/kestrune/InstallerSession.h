// The installer main window's logic without its widgets: settings, forum detection, mod
// folders, the mod list with its ticks, the current mod and the installed-mods log. The Qt
// window and the command line drive the same object and show what it holds.
//
//   kestrune::InstallerSession session(programFolder, {box, startProgram, openDocument});
//   session.Startup();
//   if (session.closeRequested()) return;           // the user abandoned the log conversion
//   session.SetCurrentItem(0);
//   session.ShowModInfo();
//   session.OnListMousePress(/*ctrlHeld=*/false);
//   if (session.OnTickChanged(0, true, session.runFlag()) == TickDecision::OpenInstallWindow) {
//       run.Start(session.currentMod(), session.MakeRunInputs());   // ... until it closes
//       kestrune::FinishResult finish = run.Finish();
//       session.AfterRun({run.CurrentStep(), run.ErrorCount(), finish.writeFailure});
//   }
//   session.Shutdown();                              // writes kestrune.ini, then install.log
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kestrune/IniFile.h"
#include "kestrune/InstallLog.h"
#include "kestrune/InstallRun.h"
#include "kestrune/Mod.h"
#include "kestrune/ModInfoView.h"
#include "kestrune/ModParser.h"
#include "modcommon/FileSystem.h"
#include "modcommon/MessageBox.h"
#include "modcommon/SafeWrite.h"

namespace kestrune {

// Starts a program as the shell's "open" would: `parameters` is one command-line text, empty
// for none (e.g. "\"/opt/kestrune/Mods/YaBB 2.1/Polls.mod\""). Nobody waits for the program.
using StartProgramFn =
    std::function<void(const std::string& program, const std::string& parameters)>;

// Opens a document or web address in its associated program; `browsers` is the LinuxBrowsers
// list from the settings, for an opener that has to pick a browser itself.
using OpenDocumentFn =
    std::function<void(const std::string& document, const std::vector<std::string>& browsers)>;

// What the session asks of the world. Boxes are needed from Startup on; the other two only by
// StartEditor and OpenHomepage. Every file the session writes goes through `fs`.
struct SessionServices {
    modcommon::MessageBoxFn box;
    StartProgramFn startProgram;
    OpenDocumentFn openDocument;
    modcommon::FileSystem* fs = &modcommon::DefaultFileSystem();
};

// One entry of the mod list: the mod file's name and its tick (ticked = installed).
struct ModItem {
    std::string name;
    bool ticked = false;
};

enum class TickDecision {
    PutBack,            // refused: the tick is back as before; nothing else changed
    Marked,             // marked by hand: the log holds the new state and was saved
    OpenInstallWindow,  // the current mod was parsed again: run it, then call AfterRun
};

// What a real run of the install window leaves for the main window. AfterRun puts the tick
// back itself, so a caller ignores InstallRun's FinishResult::restoreTick.
struct RunOutcome {
    int currentStep = 0;  // last step applied; equals the mod's step count when all were tried
    int errorCount = 0;   // steps that failed
    // Set when every step succeeded but writing the forum files back failed; no forum file
    // was changed then.
    std::optional<modcommon::WriteFailure> writeFailure;
};

inline constexpr std::string_view kScriptDialogTitle = "Select Main Script File";
inline constexpr std::string_view kScriptDialogFilter =
    "YaBB.pl or YaBB.cgi|YaBB.pl; YaBB.cgi|index.php [for YaBB SE]|index.php|Main Script "
    "File|*.*";

class InstallerSession {
  public:
    // `programFolder` ends in "/"; kestrune.ini, install.log, Mods/ and ModEditor/ live there.
    InstallerSession(std::string programFolder, SessionServices services);

    // The main window's creation: clears the mod information, opens the settings (creating or
    // replacing kestrune.ini), takes the script path, install mode, look and browser list from
    // them, loads install.log (offering to convert an old one), lists the mod folders, reads
    // the detection table and selects the folder for the script, which fills the mod list.
    // File failures are reported in error boxes and start-up goes on.
    void Startup();

    // The user abandoned the conversion of an old log: the program should end now. The log
    // is then never saved.
    bool closeRequested() const { return m_log.closeRequested(); }

    // EnableSkin is exactly "on".
    bool skinned() const { return m_skinned; }

    // --- The forum's main script (Script_Path) and the install mode.
    const std::string& scriptPath() const { return m_scriptPath; }
    // Typing into the field: nothing else happens until the next use of the path.
    void SetScriptPath(std::string text) { m_scriptPath = std::move(text); }
    // The folder part of the script path, up to and including its last "/"; the forum folder
    // of a run and the file dialog's first folder.
    std::string ForumFolder() const;
    // The user chose `path` in the file dialog (a cancelled dialog calls nothing): takes it,
    // selects the mod folder for it, and when an earlier, different path was set asks whether
    // to clear the log.
    void ChooseScript(const std::string& path);

    bool fastMode() const { return m_fastMode; }  // "Fast Installation (default)" selected
    void SetFastMode(bool fast) { m_fastMode = fast; }

    // --- Mod folders (Mod_Folder).
    // Read once at start-up, already sorted: show them in this order.
    const std::vector<std::string>& folders() const { return m_folders; }
    // The first folder named `name` ignoring ASCII case, or -1.
    int FindFolder(std::string_view name) const;
    int selectedFolder() const { return m_selectedFolder; }  // -1: none
    std::string selectedFolderName() const;
    // The user picked another folder: selects it (-1 or out of range: none) and refreshes.
    void SelectFolder(int index);
    // Detects the forum version of the script and selects its folder (warning with error 5
    // when ScriptAutoDetection is "on" and no folder has that name), else the first folder;
    // then refreshes the mod list.
    void SelectModFolderForScript();
    // Lists the selected folder's mods, ticks the installed ones, makes the first current.
    void RefreshModList();

    // --- The mod list (CheckListBox1) and the current mod.
    const std::vector<ModItem>& mods() const { return m_mods; }
    int currentItem() const { return m_currentItem; }  // -1 only while the list is empty
    // The first mod file named `name` ignoring ASCII case, or -1.
    int FindMod(std::string_view name) const;
    void SetCurrentItem(int index);
    const std::string& counterText() const { return m_counterText; }

    // Clears the information, parses the current item's mod file again into currentMod() and
    // fills info(). Parse faults are shown by the parser. Does nothing for an empty list.
    void ShowModInfo();
    void ClearInformation();
    const TMod& currentMod() const { return m_mod; }
    const ModInfoView& info() const { return m_info; }
    const ParseReport& lastParse() const { return m_lastParse; }
    // The current item's full mod file path; empty for an empty list.
    std::string CurrentModPath() const;

    // A mouse press on the list: a run follows a tick unless Ctrl is held. Starts false.
    void OnListMousePress(bool ctrlHeld) { m_runFlag = !ctrlHeld; }
    bool runFlag() const { return m_runFlag; }

    // The box of `item` has just become `nowTicked` (ticked asks for installation, unticked
    // for uninstallation); `item` becomes current. Without the main script: error 4, PutBack.
    // With `runFlag`: parses the mod again; a parse that reported a fault is never run
    // (PutBack), else OpenInstallWindow: the caller disables the list, runs the install
    // window and then calls AfterRun. Without `runFlag`: the mark is recorded and saved.
    TickDecision OnTickChanged(int item, bool nowTicked, bool runFlag);

    // After the install window of a real run has closed. A complete, error-free run whose
    // files were written is recorded in the log, which is saved at once. Any other run puts
    // the tick back (the run itself must not); a write failure is reported in an error box.
    // Does nothing after the manual display.
    void AfterRun(const RunOutcome& outcome);

    // "Manual Installation": with an empty list shows error 13 and returns false; else sets
    // manualMode(), shows the current mod's information and returns true: the caller shows the
    // install window as the manual display. Ticks and log stay as they are.
    bool ManualInstallation();
    bool manualMode() const { return m_manualMode; }

    // "Clear Install Log": asks, and on Yes empties the log, saves it and refreshes the list.
    void ClearLog();

    // "Mod Editor": starts program folder + "ModEditor/oxel", with the current mod's quoted
    // path as its parameter when the list has items. A missing editor gives error 14.
    void StartEditor();

    // A click on the homepage field: opens its text, if any.
    void OpenHomepage();

    // The main window's destruction: writes Scriptpath and Installmode and the whole settings
    // file, then saves the log (not after an abandoned conversion). Failures are reported in
    // error boxes; returns true when everything was written.
    bool Shutdown();

    // --- What the install window reads.
    // Everything a run of the current mod needs, gathered as the install window does when it
    // is shown: call after OnTickChanged gave OpenInstallWindow or ManualInstallation true.
    RunInputs MakeRunInputs() const;
    const IniFile& settings() const { return m_settings; }
    const InstallLog& log() const { return m_log; }
    const std::vector<std::string>& detectionTable() const { return m_detectionTable; }
    const std::vector<std::string>& browsers() const { return m_browsers; }
    // The forum version detected for the current script path, empty when none.
    std::string DetectedScript() const;
    bool LinebreakCheck() const;  // LinebreakCheck is exactly "on"
    std::string TextEditor() const;
    const std::string& programFolder() const { return m_programFolder; }

  private:
    void ShowError(int code, const std::vector<std::string>& args = {});
    void ShowWarning(int code, const std::vector<std::string>& args = {});
    void ReportFileFailure(std::string_view what, const modcommon::WriteFailure& failure);
    bool AskYes(std::string text);
    void ClearLogAndRefresh();
    void SaveLog();

    std::string m_programFolder;
    SessionServices m_services;

    IniFile m_settings;
    bool m_settingsUnreadable = false;  // never overwrite a settings file we could not read
    bool m_skinned = true;
    std::vector<std::string> m_browsers;
    std::vector<std::string> m_detectionTable;
    InstallLog m_log;

    std::string m_scriptPath;
    bool m_fastMode = true;

    std::vector<std::string> m_folders;
    int m_selectedFolder = -1;
    std::vector<ModItem> m_mods;
    int m_currentItem = -1;
    std::string m_counterText;

    TMod m_mod;
    ModInfoView m_info;
    ParseReport m_lastParse;
    bool m_manualMode = false;
    bool m_runFlag = false;
};

}  // namespace kestrune
