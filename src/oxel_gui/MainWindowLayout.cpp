// The main window's five tabs, the fields on them and the status bar.
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <limits>

#include "AboutTab.h"
#include "ActionTreeModel.h"
#include "MainWindow.h"

namespace {

constexpr int kDesignLeft = 265;
constexpr int kDesignTop = 244;
constexpr int kDesignWidth = 621;
constexpr int kDesignHeight = 574;
constexpr int kDesignTreeWidth = 218;
constexpr int kActionButtonWidth = 107;
constexpr int kTreeIndent = 19;
const QColor kTreeFill(255, 255, 200);

// Fields hold texts of any length a mod needs: no line edit may cut one short.
QLineEdit* MakeLineEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

// The selection stays visible when the widget loses the focus.
void KeepSelectionVisible(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    widget.setPalette(palette);
}

QLabel* MakePanelLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setMinimumHeight(label->sizeHint().height());
    return label;
}

}  // namespace

QPlainTextEdit* TFormMain::createTextField(const char* name, bool wrap, bool readOnly) {
    auto* field = new QPlainTextEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    field->setReadOnly(readOnly);
    // The Tab key types a tab, as forum scripts are indented with them.
    field->setTabChangesFocus(false);
    KeepSelectionVisible(*field);
    return field;
}

void TFormMain::createTabs() {
    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_tsModProperty = createPropertyTab();
    m_tsModAction = createActionTab();

    m_tsPreview = new QWidget(this);
    m_tsPreview->setObjectName(QStringLiteral("tsPreview"));
    m_memPreview = createTextField("memPreview", false, true);
    auto* previewLayout = new QVBoxLayout(m_tsPreview);
    previewLayout->setContentsMargins(2, 2, 2, 2);
    previewLayout->addWidget(m_memPreview);

    m_tsEditingFile = new QWidget(this);
    m_tsEditingFile->setObjectName(QStringLiteral("tsEditingFile"));
    m_memEditingFile = createTextField("memEditingFile", false, true);
    auto* editingLayout = new QVBoxLayout(m_tsEditingFile);
    editingLayout->setContentsMargins(2, 2, 2, 2);
    editingLayout->addWidget(m_memEditingFile);

    m_tsAbout = new oxelgui::AboutTab(this);
    m_tsAbout->setObjectName(QStringLiteral("tsAbout"));

    m_pageControl->addTab(m_tsModProperty, tr("Mod Property"));
    m_pageControl->addTab(m_tsModAction, tr("Mod Action"));
    m_pageControl->addTab(m_tsPreview, tr("Preview"));
    m_pageControl->addTab(m_tsEditingFile, tr("EditingFile"));
    m_pageControl->addTab(m_tsAbout, tr("About..."));
    m_pageControl->setCurrentWidget(m_tsModProperty);
    setCentralWidget(m_pageControl);
    connect(m_pageControl, &QTabWidget::currentChanged, this, &TFormMain::PageControl1Change);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    m_statusPanel = new QLabel(tr("Step #"), this);
    m_statusPanel->setObjectName(QStringLiteral("StatusBarPanel"));
    m_statusPanel->setMinimumWidth(50);
    statusBar()->addWidget(m_statusPanel);

    move(kDesignLeft, kDesignTop);
    resize(kDesignWidth, kDesignHeight);
}

QWidget* TFormMain::createPropertyTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsModProperty"));
    m_edtId = MakeLineEdit(tab, "edtId");
    m_edtVersion = MakeLineEdit(tab, "edtVersion");
    m_memDescription = createTextField("memDescription", true, false);
    m_memDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edtAuthor = MakeLineEdit(tab, "edtAuthor");
    m_edtHomepage = MakeLineEdit(tab, "edtHomepage");

    auto* layout = new QVBoxLayout(tab);
    auto addLabelled = [tab, layout](const QString& caption, QWidget* field, bool buddy,
                                     int stretch) {
        auto* label = new QLabel(caption, tab);
        if (buddy) {
            label->setBuddy(field);
        }
        layout->addWidget(label);
        layout->addWidget(field, stretch);
    };
    addLabelled(tr("&Mod Name"), m_edtId, true, 0);
    addLabelled(tr("&Version"), m_edtVersion, true, 0);
    // The design binds "&Description" to no field.
    addLabelled(tr("&Description"), m_memDescription, false, 1);
    addLabelled(tr("&Author"), m_edtAuthor, true, 0);
    addLabelled(tr("&Homepage"), m_edtHomepage, true, 0);
    return tab;
}

QWidget* TFormMain::createActionTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tsModAction"));

    auto* toolBar = new QToolBar(tab);
    toolBar->setObjectName(QStringLiteral("ToolBar2"));
    toolBar->setIconSize(QSize(16, 16));
    auto* addButton = new QToolButton(toolBar);
    addButton->setObjectName(QStringLiteral("btnAddAction"));
    addButton->setDefaultAction(m_actAddAction);
    addButton->setPopupMode(QToolButton::InstantPopup);
    auto* deleteButton = new QToolButton(toolBar);
    deleteButton->setObjectName(QStringLiteral("btnDeleteAction"));
    deleteButton->setDefaultAction(m_actDeleteAction);
    for (QToolButton* button : {addButton, deleteButton}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setFixedWidth(kActionButtonWidth);
        toolBar->addWidget(button);
    }
    toolBar->addSeparator();

    auto* filePanel = new QWidget(toolBar);
    filePanel->setObjectName(QStringLiteral("pnlFileToEdit"));
    m_memFileToEdit = MakeLineEdit(filePanel, "memFileToEdit");
    auto* browse = new QToolButton(filePanel);
    browse->setObjectName(QStringLiteral("btnBrowseFileToEdit"));
    browse->setDefaultAction(m_actBrowseFileToEdit);
    browse->setAutoRaise(true);
    auto* fileLayout = new QHBoxLayout(filePanel);
    fileLayout->setContentsMargins(4, 0, 0, 0);
    fileLayout->addWidget(new QLabel(tr("File to edit"), filePanel));
    fileLayout->addWidget(m_memFileToEdit, 1);
    fileLayout->addWidget(browse);
    filePanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar->addWidget(filePanel);

    m_tvActions = new QTreeView(tab);
    m_tvActions->setObjectName(QStringLiteral("tvActions"));
    m_tvActions->setModel(m_model.get());
    m_tvActions->header()->hide();
    m_tvActions->setIndentation(kTreeIndent);
    m_tvActions->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tvActions->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tvActions->setAllColumnsShowFocus(true);
    m_tvActions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tvActions->setUniformRowHeights(true);
    // Nodes are dragged onto nodes, never between them: a drop lands on the node under the
    // mouse, which decides where the dragged node goes.
    m_tvActions->setDragEnabled(true);
    m_tvActions->setAcceptDrops(true);
    m_tvActions->setDropIndicatorShown(true);
    m_tvActions->setDragDropMode(QAbstractItemView::DragDrop);
    m_tvActions->setDefaultDropAction(Qt::MoveAction);
    m_tvActions->setDragDropOverwriteMode(true);
    m_tvActions->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette treePalette = m_tvActions->palette();
    treePalette.setColor(QPalette::Base, kTreeFill);
    m_tvActions->setPalette(treePalette);
    KeepSelectionVisible(*m_tvActions);
    connect(m_tvActions, &QWidget::customContextMenuRequested, this, &TFormMain::showTreeMenu);
    connect(m_tvActions->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormMain::tvActionsSelectionChanged);
    // A move keeps the moved node selected in the document; the view follows it.
    connect(m_model.get(), &QAbstractItemModel::rowsMoved, this, &TFormMain::syncTreeSelection);
    m_tvActions->installEventFilter(this);
    m_tvActions->viewport()->installEventFilter(this);

    auto* pnlSearch = new QWidget(tab);
    pnlSearch->setObjectName(QStringLiteral("pnlSearch"));
    m_pnlSearchString = MakePanelLabel(pnlSearch, "pnlSearchString", tr("Search for"));
    m_memSearch = createTextField("memSearch", false, false);
    auto* searchLayout = new QVBoxLayout(pnlSearch);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->setSpacing(1);
    searchLayout->addWidget(m_pnlSearchString);
    searchLayout->addWidget(m_memSearch, 1);

    auto* pnlAndAction = new QWidget(tab);
    pnlAndAction->setObjectName(QStringLiteral("pnlAndAction"));
    m_pnlActionString = MakePanelLabel(pnlAndAction, "pnlActionString", tr("Replace by"));
    m_memAndAction = createTextField("memAndAction", false, false);
    auto* actionLayout = new QVBoxLayout(pnlAndAction);
    actionLayout->setContentsMargins(0, 0, 0, 0);
    actionLayout->setSpacing(1);
    actionLayout->addWidget(m_pnlActionString);
    actionLayout->addWidget(m_memAndAction, 1);

    // The two input panels share the height equally, however the window is sized.
    auto* inputs = new QWidget(tab);
    auto* inputsLayout = new QVBoxLayout(inputs);
    inputsLayout->setContentsMargins(0, 0, 0, 0);
    inputsLayout->addWidget(pnlSearch, 1);
    inputsLayout->addWidget(pnlAndAction, 1);

    m_splitter = new QSplitter(Qt::Horizontal, tab);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->addWidget(m_tvActions);
    m_splitter->addWidget(inputs);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({kDesignTreeWidth, kDesignWidth - kDesignTreeWidth});
    m_splitter->installEventFilter(this);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(toolBar);
    layout->addWidget(m_splitter, 1);
    return tab;
}
