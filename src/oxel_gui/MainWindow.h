// Oxel's main window: the mod's properties, its action tree with the three input fields, the
// preview, the forum file being patched and the About tab, with the menus, toolbars and the
// one set of commands. The document and its rules live in oxel::Document; the window mirrors
// it (as its observer) and forwards every edit and command to it.
//
//   TFormMain window(programPath, {boxes, dialogs, launcher, registry, xdg}, arguments);
//   window.show();   // settings are read, the first argument opened; written when destroyed
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "OptionDialogExecute.h"
#include "modcommon/FileSystem.h"
#include "modcommon/MessageBox.h"
#include "modcommon/TextEncoding.h"
#include "oxel/Document.h"
#include "oxel/FileError.h"
#include "oxel/OxelSettings.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QToolBar;
class QTreeView;

namespace platform {
class FileDialogService;
class Launcher;
class MessageBoxService;
class RegistryStore;
}  // namespace platform

namespace oxelgui {
class ActionTreeModel;
class FindDialog;
class ReplaceDialog;

// The services the main window asks; they must outlive it.
struct MainWindowServices {
    platform::MessageBoxService& boxes;
    platform::FileDialogService& dialogs;
    platform::Launcher& launcher;
    platform::RegistryStore& registry;  // the file-type keys of the .mod association
    XdgAssociation& xdg;                // the same association on the desktop
    OptionDialogRunner runOptionDialog = ExecOptionDialog;
    // Receives every file the window writes (mods and the settings file).
    modcommon::FileSystem* fs = nullptr;
};

// The text a dropped file's path is passed on as: in double quotes, a quote inside written as
// three, so that the command line splits back into exactly the path.
QString QuotedParameter(const QString& path);

}  // namespace oxelgui

class TFormMain final : public QMainWindow, private oxel::DocumentObserver {
    Q_OBJECT

  public:
    // Runs the start-up: settings (or the forum path from path.cfg), the author fields, and
    // the first of `arguments` (the command line after the program) opened with its long
    // name. `programPath` is the program's own full path; its settings file lies beside it.
    TFormMain(std::string programPath, oxelgui::MainWindowServices services,
              const QStringList& arguments = {}, QWidget* parent = nullptr);
    // Writes the settings file.
    ~TFormMain() override;
    Q_DISABLE_COPY_MOVE(TFormMain)

    oxel::Document& document() { return m_doc; }
    const oxel::OxelSettings& settings() const { return m_settings; }
    oxelgui::ActionTreeModel& treeModel() { return *m_model; }
    // The encoding the open mod is shown and written back in.
    modcommon::TextEncoding encoding() const { return m_encoding; }

    // The find dialog's Find Next, the replace dialog's Find Next and Replace: they act on the
    // window's focused text field.
    void FindDialogFind(const QString& text);
    void ReplaceDialogFind(const QString& text);
    void ReplaceDialogReplace(const QString& text, const QString& replacement);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building (MainWindowActions.cpp, MainWindowLayout.cpp).
    void createActions();
    void createMenus();
    void createToolBar();
    void createTabs();
    QWidget* createPropertyTab();
    QWidget* createActionTab();
    QPlainTextEdit* createTextField(const char* name, bool wrap, bool readOnly);
    void connectFields();
    // Enabling, visibility and check marks of the commands, from the window's state.
    void updateActions();

    // Settings (MainWindowSettings.cpp).
    void loadSettings();
    // The tree's width from the settings, given to the splitter when its tab is first shown.
    void applyTreeWidth();
    void applyEditorFont();
    void saveSettings();
    void AutoFillInfo();
    void actOptionExecute();

    // Document commands (MainWindowFiles.cpp).
    void actNewExecute();
    void actOpenExecute();
    void actSaveExecute();
    void actSaveAsExecute();
    void CheckModifiedAndOpen();
    void mmiFileClick();
    void MRUClick(const std::string& path);
    // The unsaved-changes guard: true when the command may go on.
    bool ConfirmUnsavedChanges();
    modcommon::BoxAnswer ConfirmSaveOrNot();
    void showFileError(const char* what, const oxel::FileError& error);
    void AssembleMod();
    void actKestruneExecute();
    void WMDropFile(const QMimeData& dropped);

    // Editing (MainWindowEditing.cpp).
    void AddAction(int kind);
    void actDeleteActionExecute();
    void tvActionsSelectionChanged();
    void tvActionsChange();
    void syncTreeSelection();
    void SetInputFieldEnabled();
    void SaveRightNow();
    void ModPropertyChange(oxel::Property property);
    void actSearchAndReplaceExecute(int kind);
    void actBrowseFileToEditExecute();
    void loadEditingFile(const oxel::ActionNode* fileNode);
    void showEditingFile(const std::string& path);
    void UpdateStepStatus();
    void PageControl1Change();
    void showTreeMenu(const QPoint& pos);
    QWidget* propertyField(oxel::Property property) const;
    // Field text as the document's bytes, and back.
    QString toField(const std::string& bytes) const;
    std::string toBytes(const QString& text) const;

    // Search and the text fields' menu (MainWindowSearch.cpp).
    void actSearchExecute();
    void actReplaceExecute();
    // The focused widget when it is one of the six text fields.
    QWidget* focusedTextField() const;
    void showMemoMenu(QWidget* field, const QPoint& pos);
    void editCommand(const char* slot);

    // DocumentObserver.
    void PropertyChanged(oxel::Property property) override;
    void CaptionChanged() override;
    void ModifiedChanged() override;
    void SelectionChanged() override;
    void Cleared() override;

    std::string m_programPath;
    platform::MessageBoxService& m_boxes;
    platform::FileDialogService& m_dialogs;
    platform::Launcher& m_launcher;
    platform::RegistryStore& m_registry;
    oxelgui::XdgAssociation& m_xdg;
    oxelgui::OptionDialogRunner m_runOptionDialog;
    modcommon::FileSystem& m_fs;
    modcommon::MessageBoxFn m_box;

    oxel::Document m_doc;
    oxel::OxelSettings m_settings;
    // Declared after the document, which it observes, so it goes first.
    std::unique_ptr<oxelgui::ActionTreeModel> m_model;
    modcommon::TextEncoding m_encoding = modcommon::TextEncoding::Utf8;
    std::string m_openFileName;    // the open dialog's file name: what CheckModifiedAndOpen opens
    QString m_openDialogDir;       // where the open dialog starts (the browse command sets it)
    bool m_fillingFields = false;  // the program fills the fields: their handlers stay detached
    bool m_syncingTree = false;    // the program moves the tree's selection
    bool m_shownOnce = false;
    bool m_treeLaidOut = false;
    QPointer<QWidget> m_memoMenuField;

    QTabWidget* m_pageControl = nullptr;
    QWidget* m_tsModProperty = nullptr;
    QWidget* m_tsModAction = nullptr;
    QWidget* m_tsPreview = nullptr;
    QWidget* m_tsEditingFile = nullptr;
    QWidget* m_tsAbout = nullptr;
    QLineEdit* m_edtId = nullptr;
    QLineEdit* m_edtVersion = nullptr;
    QPlainTextEdit* m_memDescription = nullptr;
    QLineEdit* m_edtAuthor = nullptr;
    QLineEdit* m_edtHomepage = nullptr;
    QTreeView* m_tvActions = nullptr;
    QSplitter* m_splitter = nullptr;
    QLineEdit* m_memFileToEdit = nullptr;
    QPlainTextEdit* m_memSearch = nullptr;
    QPlainTextEdit* m_memAndAction = nullptr;
    QLabel* m_pnlSearchString = nullptr;
    QLabel* m_pnlActionString = nullptr;
    QPlainTextEdit* m_memPreview = nullptr;
    QPlainTextEdit* m_memEditingFile = nullptr;
    QLabel* m_statusPanel = nullptr;

    QMenu* m_mmiFile = nullptr;
    QMenu* m_mmiTool = nullptr;
    QMenu* m_reopenMenu = nullptr;
    QMenu* m_addActionMenu = nullptr;
    QMenu* m_pmForMemo = nullptr;
    QMenu* m_pmActionTree = nullptr;
    QToolBar* m_toolBar = nullptr;

    QAction* m_actNew = nullptr;
    QAction* m_actOpen = nullptr;
    QAction* m_actReopen = nullptr;
    QAction* m_actSave = nullptr;
    QAction* m_actSaveAs = nullptr;
    QAction* m_actExit = nullptr;
    QAction* m_actAddEditFile = nullptr;
    QAction* m_actAddReplace = nullptr;
    QAction* m_actAddBefore = nullptr;
    QAction* m_actAddAfter = nullptr;
    QAction* m_actAddAction = nullptr;
    QAction* m_actDeleteAction = nullptr;
    QAction* m_actBrowseFileToEdit = nullptr;
    QAction* m_actEditCopy = nullptr;
    QAction* m_actEditCut = nullptr;
    QAction* m_actEditPaste = nullptr;
    QAction* m_actEditSelectAll = nullptr;
    QAction* m_actEditUndo = nullptr;
    QAction* m_actMemoDelete = nullptr;
    QAction* m_actOption = nullptr;
    QAction* m_actAbout = nullptr;
    QAction* m_actKestrune = nullptr;
    QAction* m_actSearch = nullptr;
    QAction* m_actReplace = nullptr;
    QActionGroup* m_kindGroup = nullptr;
    QAction* m_actSearchAndReplace = nullptr;
    QAction* m_actSearchAndAddBefore = nullptr;
    QAction* m_actSearchAndAddAfter = nullptr;
    QAction* m_actTreeFullExpand = nullptr;
    QAction* m_actTreeFullCollapse = nullptr;

    QPointer<oxelgui::FindDialog> m_findDialog;
    QPointer<oxelgui::ReplaceDialog> m_replaceDialog;
};
