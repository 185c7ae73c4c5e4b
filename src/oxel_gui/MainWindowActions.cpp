// The main window's commands, menus and toolbar, and the rules that enable them.
#include <QActionGroup>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>

#include "ActionTreeModel.h"
#include "FieldText.h"
#include "MainWindow.h"
#include "oxel/TItem.h"

namespace {

QIcon ImageListIcon(int index) {
    return QIcon(QStringLiteral(":/IMAGELIST_%1").arg(index));
}

}  // namespace

void TFormMain::createActions() {
    auto make = [this](const char* name, const QString& caption, const QKeySequence& shortcut = {},
                       const QString& hint = {}, int image = -1) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        if (!hint.isEmpty()) {
            action->setToolTip(hint);
            action->setStatusTip(hint);
        }
        if (image >= 0) {
            action->setIcon(ImageListIcon(image));
        }
        return action;
    };

    m_actNew = make("actNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), tr("New File"), 6);
    m_actOpen =
        make("actOpen", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), tr("Open File"), 7);
    m_actReopen = make("actReopen", tr("&Reopen"));
    m_actSave =
        make("actSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), tr("Save File"), 8);
    m_actSaveAs = make("actSaveAs", tr("Save &As..."));
    m_actExit = make("actExit", tr("E&xit"));
    m_actAddEditFile = make("actAddEditFile", tr("Edit File"), QKeySequence(Qt::CTRL | Qt::Key_1),
                            tr("Add <edit file> tag"), oxel::kKindEditFile);
    m_actAddReplace = make("actAddReplace", tr("Search And Replace"),
                           QKeySequence(Qt::CTRL | Qt::Key_2), {}, oxel::kKindReplace);
    m_actAddBefore = make("actAddBefore", tr("Search and Add Before"),
                          QKeySequence(Qt::CTRL | Qt::Key_3), {}, oxel::kKindAddBefore);
    m_actAddAfter = make("actAddAfter", tr("Search and Add After"),
                         QKeySequence(Qt::CTRL | Qt::Key_4), {}, oxel::kKindAddAfter);
    m_actAddAction = make("actAddAction", tr("Add Action"), {}, {}, 4);
    m_actDeleteAction = make("actDeleteAction", tr("Delete Action"),
                             QKeySequence(Qt::CTRL | Qt::Key_Delete), {}, 5);
    m_actBrowseFileToEdit = make("actBrowseFileToEdit", QString(), {}, tr("Browse"), 7);
    m_actEditCopy = make("actEditCopy", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                         QString::fromUtf8("コピー"));
    m_actEditCut = make("actEditCut", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
                        QString::fromUtf8("切り取り"));
    m_actEditPaste = make("actEditPaste", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                          QString::fromUtf8("貼り付け"));
    m_actEditSelectAll = make("actEditSelectAll", tr("Select A&ll"));
    m_actEditUndo = make("actEditUndo", tr("&Undo"), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    m_actMemoDelete = make("actMemoDelete", tr("&Delete"));
    // The entry has never had a command of its own.
    m_actMemoDelete->setEnabled(false);
    m_actOption = make("actOption", tr("P&reference..."));
    m_actAbout = make("actAbout", tr("&About"));
    m_actKestrune = make("actKestrune", tr("Kestrune"), {}, tr("Start Kestrune"), 9);
    m_actSearch = make("actSearch", tr("&Search..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    m_actReplace = make("actReplace", tr("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    m_actTreeFullExpand = make("actTreeFullExpand", QString(), QKeySequence(Qt::Key_F11));
    m_actTreeFullCollapse = make("actTreeFullCollapse", QString(), QKeySequence(Qt::Key_F12));

    // The kind-change commands carry the kind's node caption.
    m_kindGroup = new QActionGroup(this);
    m_kindGroup->setExclusive(true);
    auto makeKind = [this, &make](const char* name, int kind) {
        QAction* action = make(name, oxelgui::PathText(oxel::KindTable(kind).caption));
        action->setCheckable(true);
        action->setData(kind);
        m_kindGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, kind] { actSearchAndReplaceExecute(kind); });
        return action;
    };
    m_actSearchAndReplace = makeKind("actSearchAndReplace", oxel::kKindReplace);
    m_actSearchAndAddBefore = makeKind("actSearchAndAddBefore", oxel::kKindAddBefore);
    m_actSearchAndAddAfter = makeKind("actSearchAndAddAfter", oxel::kKindAddAfter);

    m_actAddEditFile->setData(oxel::kKindEditFile);
    m_actAddReplace->setData(oxel::kKindReplace);
    m_actAddBefore->setData(oxel::kKindAddBefore);
    m_actAddAfter->setData(oxel::kKindAddAfter);
    for (QAction* add : {m_actAddEditFile, m_actAddReplace, m_actAddBefore, m_actAddAfter}) {
        const int kind = add->data().toInt();
        connect(add, &QAction::triggered, this, [this, kind] { AddAction(kind); });
    }

    connect(m_actNew, &QAction::triggered, this, &TFormMain::actNewExecute);
    connect(m_actOpen, &QAction::triggered, this, &TFormMain::actOpenExecute);
    connect(m_actSave, &QAction::triggered, this, &TFormMain::actSaveExecute);
    connect(m_actSaveAs, &QAction::triggered, this, &TFormMain::actSaveAsExecute);
    connect(m_actExit, &QAction::triggered, this, &QWidget::close);
    connect(m_actDeleteAction, &QAction::triggered, this, &TFormMain::actDeleteActionExecute);
    connect(m_actBrowseFileToEdit, &QAction::triggered, this,
            &TFormMain::actBrowseFileToEditExecute);
    connect(m_actEditCopy, &QAction::triggered, this, [this] { editCommand("copy"); });
    connect(m_actEditCut, &QAction::triggered, this, [this] { editCommand("cut"); });
    connect(m_actEditPaste, &QAction::triggered, this, [this] { editCommand("paste"); });
    connect(m_actEditSelectAll, &QAction::triggered, this, [this] { editCommand("selectAll"); });
    connect(m_actEditUndo, &QAction::triggered, this, [this] { editCommand("undo"); });
    connect(m_actOption, &QAction::triggered, this, &TFormMain::actOptionExecute);
    connect(m_actAbout, &QAction::triggered, this,
            [this] { m_pageControl->setCurrentWidget(m_tsAbout); });
    connect(m_actKestrune, &QAction::triggered, this, &TFormMain::actKestruneExecute);
    connect(m_actSearch, &QAction::triggered, this, &TFormMain::actSearchExecute);
    connect(m_actReplace, &QAction::triggered, this, &TFormMain::actReplaceExecute);
    connect(m_actTreeFullExpand, &QAction::triggered, this, [this] { m_tvActions->expandAll(); });
    connect(m_actTreeFullCollapse, &QAction::triggered, this,
            [this] { m_tvActions->collapseAll(); });

    // Reachable by their keys from anywhere in the window, though no menu of the bar holds them.
    addAction(m_actSearch);
    addAction(m_actReplace);
    addAction(m_actTreeFullExpand);
    addAction(m_actTreeFullCollapse);
}

void TFormMain::createMenus() {
    m_mmiFile = menuBar()->addMenu(tr("&File"));
    m_mmiFile->setObjectName(QStringLiteral("mmiFile"));
    m_reopenMenu = new QMenu(this);
    m_reopenMenu->setObjectName(QStringLiteral("mmiReopen"));
    m_actReopen->setMenu(m_reopenMenu);
    m_mmiFile->addAction(m_actNew);
    m_mmiFile->addAction(m_actOpen);
    m_mmiFile->addAction(m_actReopen);
    m_mmiFile->addAction(m_actSave);
    m_mmiFile->addAction(m_actSaveAs);
    m_mmiFile->addSeparator();
    m_mmiFile->addAction(m_actExit);
    connect(m_mmiFile, &QMenu::aboutToShow, this, &TFormMain::mmiFileClick);

    QMenu* mmiAction = menuBar()->addMenu(tr("&Action"));
    mmiAction->setObjectName(QStringLiteral("mmiAction"));
    mmiAction->addAction(m_actAddEditFile);
    mmiAction->addAction(m_actAddReplace);
    mmiAction->addAction(m_actAddBefore);
    mmiAction->addAction(m_actAddAfter);
    mmiAction->addSeparator();
    mmiAction->addAction(m_actDeleteAction);

    m_mmiTool = menuBar()->addMenu(tr("&Tool"));
    m_mmiTool->setObjectName(QStringLiteral("mmiTool"));
    m_mmiTool->addAction(m_actOption);
    m_mmiTool->addAction(m_actKestrune);
    connect(m_mmiTool, &QMenu::aboutToShow, this, &TFormMain::updateActions);

    QMenu* mmiHelp = menuBar()->addMenu(tr("&Help"));
    mmiHelp->setObjectName(QStringLiteral("mmiHelp"));
    mmiHelp->addAction(m_actAbout);

    m_addActionMenu = new QMenu(this);
    m_addActionMenu->setObjectName(QStringLiteral("pmAddAction"));
    m_addActionMenu->addAction(m_actAddEditFile);
    m_addActionMenu->addAction(m_actAddReplace);
    m_addActionMenu->addAction(m_actAddBefore);
    m_addActionMenu->addAction(m_actAddAfter);
    m_actAddAction->setMenu(m_addActionMenu);

    m_pmForMemo = new QMenu(this);
    m_pmForMemo->setObjectName(QStringLiteral("pmForMemo"));
    m_pmForMemo->addAction(m_actEditUndo);
    m_pmForMemo->addSeparator();
    m_pmForMemo->addAction(m_actEditCut);
    m_pmForMemo->addAction(m_actEditCopy);
    m_pmForMemo->addAction(m_actEditPaste);
    m_pmForMemo->addSeparator();
    m_pmForMemo->addAction(m_actEditSelectAll);
    m_pmForMemo->addSeparator();
    m_pmForMemo->addAction(m_actSearch);
    m_pmForMemo->addAction(m_actReplace);
    m_pmForMemo->addSeparator();
    m_pmForMemo->addAction(m_actMemoDelete);

    m_pmActionTree = new QMenu(this);
    m_pmActionTree->setObjectName(QStringLiteral("pmActionTree"));
    m_pmActionTree->addAction(m_actSearchAndReplace);
    m_pmActionTree->addAction(m_actSearchAndAddBefore);
    m_pmActionTree->addAction(m_actSearchAndAddAfter);
}

void TFormMain::createToolBar() {
    m_toolBar = addToolBar(tr("Standard"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->toggleViewAction()->setVisible(false);
    m_toolBar->addAction(m_actNew);
    m_toolBar->addAction(m_actOpen);
    m_toolBar->addAction(m_actSave);
    m_toolBar->addSeparator();
    // The spare button shows the installer's picture: it starts the installer.
    m_toolBar->addAction(m_actKestrune);
}

void TFormMain::updateActions() {
    if (m_pageControl == nullptr) {
        return;
    }
    const oxel::ActionNode* selected = m_doc.Selected();
    const bool onActionTab = m_pageControl->currentWidget() == m_tsModAction;
    m_actSave->setEnabled(m_doc.Modified());
    m_actAddEditFile->setEnabled(onActionTab);
    for (QAction* action : {m_actAddReplace, m_actAddBefore, m_actAddAfter, m_actDeleteAction}) {
        action->setEnabled(onActionTab && selected != nullptr);
    }
    m_actBrowseFileToEdit->setEnabled(m_memFileToEdit->isEnabled() &&
                                      !m_settings.forumScriptPath.empty());
    m_actKestrune->setEnabled(!m_settings.installerPath.empty() &&
                              QFileInfo(oxelgui::PathText(m_settings.installerPath)).isFile());

    const bool action = selected != nullptr && oxel::IsActionKind(selected->Kind());
    for (QAction* kind : m_kindGroup->actions()) {
        kind->setVisible(action);
        kind->setChecked(action && kind->data().toInt() == selected->Kind());
    }
}
