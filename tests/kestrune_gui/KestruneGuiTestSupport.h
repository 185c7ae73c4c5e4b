// A program folder with mods and a small forum, and the main window built on it with scripted
// boxes, dialogs and launcher, for the tests of Kestrune's windows.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "AboutBox.h"
#include "InstallForm.h"
#include "MainWindow.h"
#include "RecordingLauncher.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "TestSupport.h"

namespace kestrunegui::test {

using testsupport::CrLf;

// Replaces one line of Post.pl: "    print $form;" becomes "    print $form_with_reply;".
extern const std::string kQuickReplyMod;
// Two steps in two files; the second edits Display.pl.
extern const std::string kPollsMod;
// Stops inside its replace block: a parse fault (code 9).
extern const std::string kBrokenMod;

extern const std::string kPostPl;
extern const std::string kDisplayPl;

class KestruneWindowTest : public ::testing::Test {
  protected:
    KestruneWindowTest();
    ~KestruneWindowTest() override;

    // Program folder: Mods/YaBB 2.1/{Polls.mod, Quick Reply.mod}, Mods/Other/Broken.mod, and
    // the forum (YaBB.pl of version 2.1 with Sources/Post.pl and Display.pl) in forum/.
    void makeProgramFolder();
    // kestrune.ini naming the forum's YaBB.pl, with these extra [Settings] lines.
    void writeSettings(const std::vector<std::string>& extraSettings = {},
                       const std::string& scriptPath = "");
    void addMod(const std::string& folder, const std::string& name, const std::string& text);

    // The three windows as the program makes them.
    void makeWindows(modcommon::FileSystem& fs = modcommon::DefaultFileSystem());
    void destroyWindows();

    std::string programFolder() const { return m_dir.folder(); }
    std::string forumFolder() const { return m_dir.folder() + "forum/"; }
    std::string scriptPath() const { return forumFolder() + "YaBB.pl"; }
    std::string read(const std::string& relative) const;

    template <typename T>
    T* child(const char* name) const {
        T* found = m_main->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Clicks the tick box of the mod list's row, with or without Ctrl.
    void clickTick(int row, bool ctrl = false);
    int modRow(const QString& name) const;
    bool ticked(int row) const;
    // Closes the install window through its "&Abort"/"&Exit" button once it is shown.
    void closeInstallWindow();

    testsupport::TempDir m_dir;
    testsupport::ScriptedMessageBoxes m_boxes;
    testsupport::ScriptedFileDialogs m_dialogs;
    testsupport::RecordingLauncher m_launcher;
    // For tests that make writes fail; it outlives the windows, which write at exit.
    std::unique_ptr<testsupport::FaultyFileSystem> m_faultyFs;
    std::unique_ptr<TMain> m_main;
    std::unique_ptr<TInstallForm> m_installForm;
    std::unique_ptr<TAboutBox1> m_aboutBox;
};

}  // namespace kestrunegui::test
