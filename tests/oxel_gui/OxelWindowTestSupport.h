// Oxel's main window built in a temporary program folder with scripted boxes, dialogs and
// launcher, and helpers to drive it: commands by name, typing, selecting nodes.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "ActionTreeModel.h"
#include "FileAssociationXdg.h"
#include "MainWindow.h"
#include "RecordingLauncher.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "TestSupport.h"
#include "platform/RegistryStore.h"

namespace oxelgui::test {

// Lines joined with CR LF, the last one without (as the writer ends a mod with an action).
std::string Mod(const std::vector<std::string>& lines);

// The canonical text of a mod with two files: Sources/Post.pl with a replace and an add-after,
// Sources/Display.pl with an add-before. The property and action texts hold `extra` (bytes).
std::string TwoFileMod(const std::string& extra = "");

class OxelWindowTest : public ::testing::Test {
  protected:
    OxelWindowTest();
    ~OxelWindowTest() override;

    std::string programPath() const { return m_dir.file("ModEditor/oxel"); }
    std::string settingsPath() const { return m_dir.file("ModEditor/oxel.ini"); }
    // A forum with YaBB.pl, Sources/Post.pl and Sources/Display.pl in forum/cgi-bin/.
    std::string forumScript() const { return m_dir.file("forum/cgi-bin/YaBB.pl"); }
    void makeForum();
    // oxel.ini with these [General] lines (CR LF added) and optional [MRU] entries.
    void writeSettings(const std::vector<std::string>& general,
                       const std::vector<std::string>& mru = {});
    std::string writeMod(const std::string& name, const std::string& text);

    // Creates and shows the window, as the program does.
    void makeWindow(const QStringList& arguments = {});
    // Destroys the window (writing its settings) without the close question.
    void destroyWindow();

    TFormMain& window() { return *m_window; }
    oxel::Document& doc() { return m_window->document(); }
    oxelgui::ActionTreeModel& model() { return m_window->treeModel(); }

    template <typename T>
    T* child(const char* name) const {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    // Triggers the command the way a menu entry does; false when it is disabled.
    bool trigger(const char* name);

    // Opens a file through the Open command and its dialog.
    void open(const std::string& path);
    void showTab(const char* objectName);
    // Selects the node by a click in the tree, as the user does.
    void clickNode(const oxel::ActionNode* node);
    // The node at this place of document order.
    oxel::ActionNode* nodeAt(int absoluteIndex);
    // Replaces a field's text by typing: select all, then the keys.
    void typeInto(QWidget* field, const QString& text);

    testsupport::TempDir m_dir;
    testsupport::ScriptedMessageBoxes m_boxes;
    testsupport::ScriptedFileDialogs m_dialogs;
    testsupport::RecordingLauncher m_launcher;
    std::unique_ptr<platform::RegistryStore> m_registry;
    std::unique_ptr<oxelgui::XdgAssociation> m_xdg;
    // How the Preference command shows its dialog; tests drive the dialog through it.
    oxelgui::OptionDialogRunner m_runOptionDialog = oxelgui::ExecOptionDialog;
    std::unique_ptr<TFormMain> m_window;
};

}  // namespace oxelgui::test
