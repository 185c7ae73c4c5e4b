// The main window's logic driven without widgets: start-up, ticks, runs, log and exit.
#include "kestrune/InstallerSession.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "InstallerTestSupport.h"
#include "TestSupport.h"
#include "kestrune/ErrorMessages.h"
#include "kestrune/KestruneSettings.h"

namespace {

using installertest::BoxRecorder;
using installertest::CrLf;
using kestrune::InstallerSession;
using kestrune::RunOutcome;
using kestrune::TickDecision;
using modcommon::BoxAnswer;
using modcommon::BoxKind;

const std::string kPollsMod = CrLf({"<id>",          "Polls",        "</id>",
                                    "<version>",     "1.2",          "</version>",
                                    "<mod info>",    "Adds polls.",  "Two lines.",
                                    "</mod info>",   "<author>",     "Ann",
                                    "</author>",     "<homepage>",   "http://example.org/polls",
                                    "</homepage>",   "<edit file>",  "Sources/Post.pl",
                                    "</edit file>",  "<search for>", "old",
                                    "</search for>", "<replace>",    "new",
                                    "</replace>",    "<edit file>",  "sources/post.pl",
                                    "</edit file>",  "<search for>", "a",
                                    "</search for>", "<add after>",  "b",
                                    "</add after>"});

// An action block that never closes: the parser reports it.
const std::string kBrokenMod =
    CrLf({"<id>", "Broken", "</id>", "<edit file>", "YaBB.pl", "</edit file>", "<search for>", "x",
          "</search for>", "<replace>", "y"});

class InstallerSessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::WriteFile(m_forum.file("YaBB.pl"),
                               "#!/usr/bin/perl\n"
                               "$YaBBversion = 'YaBB 2.1';\n");
        AddMod("yabb 2.1", "Polls.mod", kPollsMod);
        AddMod("yabb 2.1", "Broken.mod", kBrokenMod);
        AddMod("Another", "Other.mod", kPollsMod);
    }

    void AddMod(const std::string& folder, const std::string& name, const std::string& text) {
        testsupport::WriteFile(m_program.path() / "Mods" / folder / name, text);
    }
    void WriteSettings(const std::vector<std::string>& lines) {
        testsupport::WriteFile(m_program.file("kestrune.ini"), CrLf(lines));
    }
    // Current settings naming our forum script.
    void UseForumScript() {
        std::string ini(kestrune::DefaultSettingsText);
        ini.replace(ini.find("Scriptpath="), 11, "Scriptpath=" + ScriptPath());
        testsupport::WriteFile(m_program.file("kestrune.ini"), ini + "\r\n");
    }
    std::string ScriptPath() const { return m_forum.file("YaBB.pl"); }
    std::string ReadLog() const { return testsupport::ReadFile(m_program.file("install.log")); }

    InstallerSession& Session() {
        if (!m_session) {
            kestrune::SessionServices services;
            services.box = m_box.fn();
            services.startProgram = [this](const std::string& program,
                                           const std::string& parameters) {
                m_started.push_back({program, parameters});
            };
            services.openDocument = [this](const std::string& document,
                                           const std::vector<std::string>& browsers) {
                m_opened.push_back(document);
                m_openedBrowsers = browsers;
            };
            m_session = std::make_unique<InstallerSession>(m_program.folder(), services);
        }
        return *m_session;
    }
    InstallerSession& Started() {
        Session().Startup();
        return *m_session;
    }
    int ModIndex(const std::string& name) {
        int index = Session().FindMod(name);
        EXPECT_GE(index, 0) << name << " not listed";
        return index;
    }

    testsupport::TempDir m_program;
    testsupport::TempDir m_forum;
    BoxRecorder m_box;
    std::vector<std::pair<std::string, std::string>> m_started;
    std::vector<std::string> m_opened;
    std::vector<std::string> m_openedBrowsers;
    std::unique_ptr<InstallerSession> m_session;
};

TEST_F(InstallerSessionTest, StartupWithoutSettingsCreatesThemAndSelectsTheFirstFolder) {
    InstallerSession& session = Started();
    EXPECT_TRUE(m_box.shown.empty());
    EXPECT_EQ(testsupport::ReadFile(m_program.file("kestrune.ini")),
              std::string(kestrune::DefaultSettingsText) + "\r\n");
    EXPECT_TRUE(session.skinned());
    EXPECT_TRUE(session.fastMode());
    EXPECT_EQ(session.scriptPath(), "");
    EXPECT_EQ(session.browsers(), (std::vector<std::string>{"mozilla", "netscape", "konqueror"}));
    EXPECT_EQ(session.folders(), (std::vector<std::string>{"Another", "yabb 2.1"}));
    EXPECT_EQ(session.selectedFolderName(), "Another");
    ASSERT_EQ(session.mods().size(), 1u);
    EXPECT_EQ(session.currentItem(), 0);
    EXPECT_EQ(session.counterText(), "1 Mods, 0 Installed");
    EXPECT_FALSE(std::filesystem::exists(m_program.file("install.log")));
}

TEST_F(InstallerSessionTest, StartupDetectsTheForumAndTicksInstalledMods) {
    UseForumScript();
    testsupport::WriteFile(m_program.file("install.log"),
                           CrLf({"YaBB 2.1\\POLLS.mod", "Another\\Other.mod"}));
    InstallerSession& session = Started();
    EXPECT_TRUE(m_box.shown.empty());
    EXPECT_EQ(session.selectedFolderName(), "yabb 2.1");  // folder matched ignoring case
    ASSERT_EQ(session.mods().size(), 2u);
    EXPECT_EQ(session.mods()[ModIndex("Polls.mod")].ticked, true);
    EXPECT_EQ(session.mods()[ModIndex("Broken.mod")].ticked, false);
    EXPECT_EQ(session.counterText(), "2 Mods, 2 Installed");
    EXPECT_EQ(session.DetectedScript(), "YaBB 2.1");
}

TEST_F(InstallerSessionTest, DetectedVersionWithoutFolderWarnsWithErrorFive) {
    std::filesystem::rename(m_program.path() / "Mods" / "yabb 2.1",
                            m_program.path() / "Mods" / "Old");
    UseForumScript();
    InstallerSession& session = Started();
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_EQ(m_box.shown[0].kind, BoxKind::Warning);
    EXPECT_EQ(m_box.shown[0].caption, "Warning");
    const std::string folder = m_program.folder() + "Mods/YaBB 2.1/";
    EXPECT_EQ(m_box.shown[0].text,
              "Error Code 5:\r\n\r\nKestrune has detected the script you selected as\r\nYaBB "
              "2.1\r\nHowever there was no mod folder found with that name.\r\n\r\nTo solve "
              "this, please create the following folder:\r\n" +
                  folder +
                  "\r\n\r\nIf you already have a folder for such mods but which is named "
                  "different, please rename it to \"YaBB 2.1\" (type it exactly as displayed "
                  "here, with all it's spaces!).\r\n\r\n\r\nYou can ignore this warning but "
                  "Kestrune will no longer autodetect and select the proper script version. "
                  "You'd have to select it yourself as in Kestrune 2.5.\r\nTo disable this "
                  "warning, set ScriptAutoDetection=off in kestrune.ini");
    EXPECT_EQ(session.selectedFolderName(), "Another");
}

TEST_F(InstallerSessionTest, WarningOnlyWhenAutoDetectionIsExactlyOn) {
    std::filesystem::remove_all(m_program.path() / "Mods" / "yabb 2.1");
    for (const char* value : {"off", "On"}) {
        BoxRecorder box;
        WriteSettings({"[Settings]", "Scriptpath=" + ScriptPath(),
                       std::string("ScriptAutoDetection=") + value, "[AutoDetectableScripts]",
                       "YaBB 2.1=$YaBBversion = 'YaBB 2.1';"});
        InstallerSession session(m_program.folder(), {box.fn(), nullptr, nullptr});
        session.Startup();
        EXPECT_TRUE(box.shown.empty()) << value;
        EXPECT_EQ(session.selectedFolderName(), "Another") << value;
    }
}

TEST_F(InstallerSessionTest, ShowModInfoFillsFieldsAndDistinctFilesToEdit) {
    UseForumScript();
    InstallerSession& session = Started();
    session.SetCurrentItem(ModIndex("Polls.mod"));
    session.ShowModInfo();
    const kestrune::ModInfoView& info = session.info();
    EXPECT_EQ(info.name, "Polls");
    EXPECT_EQ(info.version, "1.2");
    EXPECT_EQ(info.description, "Adds polls.\r\nTwo lines.");
    EXPECT_EQ(info.author, "Ann");
    EXPECT_EQ(info.homepage, "http://example.org/polls");
    EXPECT_EQ(info.steps, "2");
    ASSERT_EQ(info.filesToEdit.size(), 3u);
    EXPECT_EQ(info.filesToEdit[0], "There is 1 file to edit");
    EXPECT_EQ(info.filesToEdit[1], "---------------------");

    session.OpenHomepage();
    EXPECT_EQ(m_opened, (std::vector<std::string>{"http://example.org/polls"}));
    EXPECT_EQ(m_openedBrowsers, session.browsers());
}

TEST(ModInfoViewTest, FilesToEditHeader) {
    struct Case {
        const char* name;
        std::vector<std::string> files;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"no steps", {}, {"There are no files to edit", "---------------------"}},
        {"same file in other letters counts once",
         {"Sources/Post.pl", "sources/POST.pl"},
         {"There is 1 file to edit", "---------------------", "Sources/Post.pl"}},
        {"several files in step order",
         {"b.pl", "a.pl", "b.pl", "c.pl"},
         {"There are 3 files to edit", "---------------------", "b.pl", "a.pl", "c.pl"}},
    };
    for (const Case& c : cases) {
        kestrune::TMod mod;
        for (const std::string& file : c.files) {
            mod.Steps.push_back({file, "s", 14, "a"});
        }
        kestrune::ModInfoView view = kestrune::MakeModInfoView(mod);
        EXPECT_EQ(view.filesToEdit, c.expected) << c.name;
        EXPECT_EQ(view.steps, std::to_string(c.files.size())) << c.name;
    }
}

TEST_F(InstallerSessionTest, TickWithMissingScriptShowsErrorFourAndPutsTheTickBack) {
    WriteSettings({"[Settings]", "Scriptpath=" + m_forum.file("Gone.pl")});
    InstallerSession& session = Started();
    for (bool runFlag : {true, false}) {
        m_box.shown.clear();
        EXPECT_EQ(session.OnTickChanged(0, true, runFlag), TickDecision::PutBack);
        EXPECT_FALSE(session.mods()[0].ticked);
        ASSERT_EQ(m_box.shown.size(), 1u);
        EXPECT_EQ(m_box.shown[0].kind, BoxKind::Error);
        EXPECT_EQ(m_box.shown[0].caption, "Error");
        EXPECT_EQ(m_box.shown[0].text,
                  "Error Code 4:\r\n\r\nCould not find selected script file. Please check your "
                  "path setting");
    }
    EXPECT_FALSE(std::filesystem::exists(m_program.file("install.log")));
}

TEST_F(InstallerSessionTest, MarkByHandRecordsAndSavesAtOnce) {
    UseForumScript();
    InstallerSession& session = Started();
    EXPECT_FALSE(session.runFlag());  // a tick before any press is a mark by hand
    int polls = ModIndex("Polls.mod");

    session.OnListMousePress(/*ctrlHeld=*/true);
    EXPECT_EQ(session.OnTickChanged(polls, true, session.runFlag()), TickDecision::Marked);
    EXPECT_TRUE(session.mods()[polls].ticked);
    EXPECT_EQ(ReadLog(), "yabb 2.1\\Polls.mod\r\n");
    EXPECT_EQ(session.counterText(), "2 Mods, 1 Installed");

    EXPECT_EQ(session.OnTickChanged(polls, false, false), TickDecision::Marked);
    EXPECT_EQ(ReadLog(), "");
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(InstallerSessionTest, FailedLogSaveIsReportedAndTheMarkStaysInMemory) {
    UseForumScript();
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Rename, 1, EROFS, "install.log");
    InstallerSession session(m_program.folder(), {m_box.fn(), nullptr, nullptr, &fs});
    session.Startup();
    EXPECT_EQ(session.OnTickChanged(0, true, false), TickDecision::Marked);
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_EQ(m_box.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(m_box.shown[0].text.rfind("Could not save the installed-mods log\r\n" +
                                            m_program.file("install.log") + "\r\n",
                                        0),
              0u);
    EXPECT_EQ(session.log().size(), 1u);
    EXPECT_TRUE(session.Shutdown());  // the next save goes through
    EXPECT_EQ(ReadLog(), "yabb 2.1\\" + session.mods()[0].name + "\r\n");
}

TEST_F(InstallerSessionTest, ModWithParseFaultIsNeverRun) {
    UseForumScript();
    InstallerSession& session = Started();
    int broken = ModIndex("Broken.mod");
    session.OnListMousePress(false);
    EXPECT_EQ(session.OnTickChanged(broken, true, session.runFlag()), TickDecision::PutBack);
    EXPECT_FALSE(session.mods()[broken].ticked);
    ASSERT_EQ(m_box.shown.size(), 1u);  // the parser's own report
    EXPECT_EQ(m_box.shown[0].text, kestrune::ErrorBoxText(9, {"</replace>"}));
    EXPECT_EQ(session.log().size(), 0u);
}

TEST_F(InstallerSessionTest, RunIsRecordedOnlyWhenCompleteAndErrorFree) {
    struct Case {
        const char* name;
        RunOutcome outcome;
        bool recorded;
        size_t boxes;
    };
    const std::vector<Case> cases = {
        {"complete", {2, 0, std::nullopt}, true, 0},
        {"aborted after step 1", {1, 0, std::nullopt}, false, 0},
        {"a step failed", {2, 1, std::nullopt}, false, 0},
        {"forum files could not be written",
         {2, 1, modcommon::WriteFailure{"/forum/Sources/Post.pl", "No space left on device"}},
         false,
         1},
    };
    for (const Case& c : cases) {
        m_session.reset();
        m_box.shown.clear();
        std::filesystem::remove(m_program.file("install.log"));
        UseForumScript();
        InstallerSession& session = Started();
        int polls = ModIndex("Polls.mod");
        ASSERT_EQ(session.OnTickChanged(polls, true, true), TickDecision::OpenInstallWindow)
            << c.name;
        EXPECT_EQ(session.currentMod().Id, "Polls") << c.name;
        session.AfterRun(c.outcome);
        EXPECT_EQ(session.mods()[polls].ticked, c.recorded) << c.name;
        EXPECT_EQ(session.log().Contains("YaBB 2.1\\Polls.mod"), c.recorded) << c.name;
        EXPECT_EQ(std::filesystem::exists(m_program.file("install.log")), c.recorded) << c.name;
        ASSERT_EQ(m_box.shown.size(), c.boxes) << c.name;
        if (c.boxes == 1) {
            EXPECT_EQ(m_box.shown[0].text,
                      "Could not write the forum file\r\n/forum/Sources/Post.pl\r\nNo space left "
                      "on device\r\n\r\nNo file was changed and the mod was not recorded.");
        }
    }
}

TEST_F(InstallerSessionTest, InstallAndUninstallThroughTheRunReachForumAndLog) {
    AddMod("yabb 2.1", "Clean.mod",
           CrLf({"<id>", "Clean", "</id>", "<version>", "3", "</version>", "<edit file>",
                 "Sources/Post.pl", "</edit file>", "<search for>", "old line", "</search for>",
                 "<replace>", "new line", "</replace>"}));
    const std::string original = "first\r\nold line\r\nlast\r\n";
    testsupport::WriteFile(m_forum.file("Sources/Post.pl"), original);
    UseForumScript();
    InstallerSession& session = Started();
    const int clean = ModIndex("Clean.mod");
    kestrune::InstallRun run;

    for (bool install : {true, false}) {
        session.OnListMousePress(false);
        ASSERT_EQ(session.OnTickChanged(clean, install, session.runFlag()),
                  TickDecision::OpenInstallWindow);
        kestrune::RunInputs inputs = session.MakeRunInputs();
        EXPECT_EQ(inputs.forumFolder, m_forum.folder());
        EXPECT_EQ(inputs.detectedScript, "YaBB 2.1");
        EXPECT_EQ(inputs.modListItem, "Clean.mod");
        run.Start(session.currentMod(), inputs);
        kestrune::FinishResult finish = run.Finish();
        session.AfterRun({run.CurrentStep(), run.ErrorCount(), finish.writeFailure});

        EXPECT_EQ(session.mods()[clean].ticked, install);
        EXPECT_EQ(ReadLog(), install ? "yabb 2.1\\Clean.mod\r\n" : "");
        EXPECT_EQ(testsupport::ReadFile(m_forum.file("Sources/Post.pl")),
                  install ? "first\r\nnew line\r\nlast\r\n" : original);
    }
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(InstallerSessionTest, UninstallRunRemovesTheEntry) {
    UseForumScript();
    testsupport::WriteFile(m_program.file("install.log"), "YaBB 2.1\\Polls.mod\r\n");
    InstallerSession& session = Started();
    int polls = ModIndex("Polls.mod");
    ASSERT_EQ(session.OnTickChanged(polls, false, true), TickDecision::OpenInstallWindow);
    session.AfterRun({2, 0, std::nullopt});
    EXPECT_FALSE(session.mods()[polls].ticked);
    EXPECT_EQ(ReadLog(), "");
}

TEST_F(InstallerSessionTest, ManualInstallationChangesNoTickAndNoLog) {
    UseForumScript();
    InstallerSession& session = Started();
    int polls = ModIndex("Polls.mod");
    session.SetCurrentItem(polls);
    ASSERT_TRUE(session.ManualInstallation());
    EXPECT_TRUE(session.manualMode());
    EXPECT_EQ(session.currentMod().Id, "Polls");
    session.AfterRun({2, 0, std::nullopt});
    EXPECT_FALSE(session.mods()[polls].ticked);
    EXPECT_EQ(session.log().size(), 0u);
}

TEST_F(InstallerSessionTest, ManualInstallationOfAnEmptyListIsErrorThirteen) {
    std::filesystem::remove_all(m_program.path() / "Mods");
    InstallerSession& session = Started();
    EXPECT_FALSE(session.ManualInstallation());
    EXPECT_FALSE(session.manualMode());
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_EQ(m_box.shown[0].kind, BoxKind::Warning);
    EXPECT_EQ(m_box.shown[0].caption, "Warning");
    EXPECT_EQ(m_box.shown[0].text,
              "Error Code 13:\r\n\r\nNo Mod choosen!\r\nPlease choose a Mod in the Mod-List!");
    EXPECT_EQ(session.counterText(), "0 Mods, 0 Installed");
}

TEST_F(InstallerSessionTest, EditorGetsTheQuotedModPathOrNothing) {
    testsupport::WriteFile(m_program.file("ModEditor/oxel"), "");
    std::filesystem::create_directories(m_program.path() / "Mods" / "Empty");
    UseForumScript();
    InstallerSession& session = Started();
    session.SetCurrentItem(ModIndex("Polls.mod"));
    session.StartEditor();
    const std::string editor = m_program.folder() + "ModEditor/oxel";
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_EQ(m_started[0].first, editor);
    EXPECT_EQ(m_started[0].second, "\"" + m_program.folder() + "Mods/yabb 2.1/Polls.mod\"");

    session.SelectFolder(1);
    ASSERT_EQ(session.selectedFolderName(), "Empty");
    session.StartEditor();
    ASSERT_EQ(m_started.size(), 2u);
    EXPECT_EQ(m_started[1].second, "");
    EXPECT_TRUE(m_box.shown.empty());
}

TEST_F(InstallerSessionTest, MissingEditorIsErrorFourteen) {
    InstallerSession& session = Started();
    session.StartEditor();
    EXPECT_TRUE(m_started.empty());
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_EQ(m_box.shown[0].kind, BoxKind::Warning);
    EXPECT_EQ(m_box.shown[0].text,
              "Error Code 14:\r\n\r\nMod-editor can not be started!\r\n'OXEL.EXE' not found!");
}

TEST_F(InstallerSessionTest, ChoosingAnotherScriptOffersToClearTheLog) {
    const char* const question =
        "Do you want to clear the log file? This will remove all old install/uninstall "
        "information";
    testsupport::WriteFile(m_program.file("install.log"), "YaBB 2.1\\Polls.mod\r\n");
    InstallerSession& session = Started();

    session.ChooseScript(ScriptPath());  // no earlier path: no question
    EXPECT_TRUE(m_box.shown.empty());
    EXPECT_EQ(session.selectedFolderName(), "yabb 2.1");
    EXPECT_EQ(session.counterText(), "2 Mods, 1 Installed");

    session.ChooseScript(ScriptPath());  // the same path again: no question
    EXPECT_TRUE(m_box.shown.empty());

    testsupport::WriteFile(m_forum.file("index.php"), "<?php\n");
    m_box.answers = {BoxAnswer::No};
    session.ChooseScript(m_forum.file("index.php"));
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_EQ(m_box.shown[0].text, question);
    EXPECT_EQ(m_box.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(m_box.shown[0].buttons, modcommon::BoxButtons::YesNo);
    EXPECT_EQ(session.selectedFolderName(), "Another");
    EXPECT_EQ(ReadLog(), "YaBB 2.1\\Polls.mod\r\n");

    m_box.answers = {BoxAnswer::Yes};
    session.ChooseScript(ScriptPath());
    EXPECT_EQ(m_box.shown.size(), 2u);
    EXPECT_EQ(ReadLog(), "");
    EXPECT_EQ(session.counterText(), "2 Mods, 0 Installed");
    EXPECT_FALSE(session.mods()[ModIndex("Polls.mod")].ticked);
}

TEST_F(InstallerSessionTest, ClearLogAsksAndLeavesAnEmptyFile) {
    UseForumScript();
    const std::string log = "YaBB 2.1\\Polls.mod\r\n";
    testsupport::WriteFile(m_program.file("install.log"), log);
    InstallerSession& session = Started();

    m_box.answers = {BoxAnswer::Closed};
    session.ClearLog();
    ASSERT_EQ(m_box.shown.size(), 1u);
    EXPECT_EQ(m_box.shown[0].text,
              "Do you really want to clear the log file? This will remove all install/uninstall "
              "information!");
    EXPECT_EQ(ReadLog(), log);

    m_box.answers = {BoxAnswer::Yes};
    session.ClearLog();
    EXPECT_EQ(ReadLog(), "");
    EXPECT_FALSE(session.mods()[ModIndex("Polls.mod")].ticked);
    EXPECT_EQ(session.counterText(), "2 Mods, 0 Installed");
}

TEST_F(InstallerSessionTest, ShutdownWritesSettingsThenLog) {
    WriteSettings({"; my settings", "[Settings]", "Version=v2.5.6", "EnableSkin = On",
                   "Installmode=fast mode"});
    InstallerSession& session = Started();
    EXPECT_FALSE(session.skinned());
    EXPECT_FALSE(session.fastMode());
    session.ChooseScript(ScriptPath());
    ASSERT_EQ(session.OnTickChanged(0, true, false), TickDecision::Marked);

    EXPECT_TRUE(session.Shutdown());
    EXPECT_EQ(testsupport::ReadFile(m_program.file("kestrune.ini")),
              CrLf({"[Settings]", "Version=v2.5.6", "EnableSkin=On",
                    "Installmode=Step by step mode", "Scriptpath=" + ScriptPath(), ""}));
    EXPECT_EQ(ReadLog(), "Another\\Other.mod\r\n");
}

TEST_F(InstallerSessionTest, FastModeIsWrittenAsFastMode) {
    InstallerSession& session = Started();
    session.SetFastMode(false);
    session.SetFastMode(true);
    ASSERT_TRUE(session.Shutdown());
    kestrune::IniFile ini =
        kestrune::IniFile::FromText("k.ini", testsupport::ReadFile(m_program.file("kestrune.ini")));
    EXPECT_EQ(ini.ReadString("Settings", "Installmode", ""), "Fast mode");
    EXPECT_EQ(ReadLog(), "");  // created at exit
}

TEST_F(InstallerSessionTest, AbandonedConversionRequestsCloseAndNeverSavesTheLog) {
    const std::string old = CrLf({"Installed: C:\\K\\Mods\\YaBB 2.1\\Missing.mod"});
    testsupport::WriteFile(m_program.file("install.log"), old);
    m_box.answers = {BoxAnswer::Yes, BoxAnswer::No};
    InstallerSession& session = Started();
    EXPECT_TRUE(session.closeRequested());
    EXPECT_TRUE(session.Shutdown());
    EXPECT_EQ(ReadLog(), old);
    EXPECT_TRUE(std::filesystem::exists(m_program.file("kestrune.ini")));
}

}  // namespace
