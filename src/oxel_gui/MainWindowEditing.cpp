// Editing on the "Mod Action" tab: adding, deleting and re-kinding nodes, the selection and
// the three input fields, the editing-file view; and the property fields' changes.
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeView>

#include "ActionTreeModel.h"
#include "FieldText.h"
#include "MainWindow.h"
#include "oxel/FileError.h"
#include "oxel/Paths.h"
#include "platform/FileDialogService.h"

namespace {

// Sets a flag for the life of the scope and puts the old value back after.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~FlagScope() { m_flag = m_old; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& m_flag;
    bool m_old;
};

}  // namespace

QString TFormMain::toField(const std::string& bytes) const {
    return oxelgui::FieldText(bytes, m_encoding);
}

std::string TFormMain::toBytes(const QString& text) const {
    return oxelgui::FieldBytes(text, m_encoding);
}

QWidget* TFormMain::propertyField(oxel::Property property) const {
    switch (property) {
        case oxel::Property::Id:
            return m_edtId;
        case oxel::Property::Version:
            return m_edtVersion;
        case oxel::Property::Description:
            return m_memDescription;
        case oxel::Property::Author:
            return m_edtAuthor;
        case oxel::Property::Homepage:
            return m_edtHomepage;
    }
    return nullptr;
}

void TFormMain::connectFields() {
    auto lineProperty = [this](QLineEdit* field, oxel::Property property) {
        connect(field, &QLineEdit::textChanged, this,
                [this, property] { ModPropertyChange(property); });
    };
    lineProperty(m_edtId, oxel::Property::Id);
    lineProperty(m_edtVersion, oxel::Property::Version);
    lineProperty(m_edtAuthor, oxel::Property::Author);
    lineProperty(m_edtHomepage, oxel::Property::Homepage);
    connect(m_memDescription, &QPlainTextEdit::textChanged, this,
            [this] { ModPropertyChange(oxel::Property::Description); });

    connect(m_memFileToEdit, &QLineEdit::textChanged, this, &TFormMain::SaveRightNow);
    connect(m_memSearch, &QPlainTextEdit::textChanged, this, &TFormMain::SaveRightNow);
    connect(m_memAndAction, &QPlainTextEdit::textChanged, this, &TFormMain::SaveRightNow);

    // The six text fields share one context menu and take dropped files as the window does.
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_memDescription, m_memSearch, m_memAndAction,
                                         m_memFileToEdit, m_memPreview, m_memEditingFile}) {
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this,
                [this, field](const QPoint& pos) { showMemoMenu(field, pos); });
        if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
            plain->viewport()->installEventFilter(this);
        } else {
            field->installEventFilter(this);
        }
    }
}

void TFormMain::ModPropertyChange(oxel::Property property) {
    if (m_fillingFields) {
        return;
    }
    QWidget* field = propertyField(property);
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        m_doc.SetValue(property, toBytes(line->text()));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        m_doc.SetValue(property, toBytes(oxelgui::RawText(*plain)));
    }
}

void TFormMain::SaveRightNow() {
    if (m_fillingFields || m_doc.Selected() == nullptr) {
        return;
    }
    m_doc.SaveRightNow(toBytes(m_memFileToEdit->text()), toBytes(oxelgui::RawText(*m_memSearch)),
                       toBytes(oxelgui::RawText(*m_memAndAction)));
}

void TFormMain::AddAction(int kind) {
    m_doc.AddAction(kind, m_memPreview->document()->isEmpty());
    updateActions();
}

void TFormMain::actDeleteActionExecute() {
    m_doc.DeleteNode(m_doc.Selected());
    SetInputFieldEnabled();
    updateActions();
}

void TFormMain::actSearchAndReplaceExecute(int kind) {
    oxel::ActionNode* selected = m_doc.Selected();
    if (!m_doc.ChangeKind(selected, kind)) {
        return;
    }
    m_pnlActionString->setText(oxelgui::PathText(oxel::KindTable(kind).actionLabel));
    updateActions();
}

void TFormMain::SetInputFieldEnabled() {
    const oxel::ActionNode* selected = m_doc.Selected();
    const bool fileNode = selected != nullptr && selected->Kind() == oxel::kKindEditFile;
    const bool actionNode = selected != nullptr && oxel::IsActionKind(selected->Kind());
    m_memFileToEdit->setEnabled(fileNode);
    m_memSearch->setEnabled(actionNode);
    m_memAndAction->setEnabled(actionNode);
    updateActions();
}

void TFormMain::tvActionsSelectionChanged() {
    if (m_syncingTree || m_model->changing()) {
        return;
    }
    const QModelIndexList rows = m_tvActions->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        // The tree always has its node selected (a Ctrl-click cannot take it away), and rows
        // that go away are followed by the document's own choice of selection.
        if (m_doc.Selected() != nullptr) {
            syncTreeSelection();
        }
        return;
    }
    oxel::ActionNode* node = m_model->node(rows.front());
    if (node == m_doc.Selected()) {
        return;
    }
    // tvActionsChanging: the document decides whether the editing-file view is reloaded.
    m_doc.Select(node, m_memPreview->document()->isEmpty());
}

void TFormMain::syncTreeSelection() {
    if (m_model->changing()) {
        return;
    }
    FlagScope syncing(m_syncingTree);
    const QModelIndex index = m_model->indexOf(m_doc.Selected());
    QItemSelectionModel* selection = m_tvActions->selectionModel();
    if (!index.isValid()) {
        selection->clear();
        return;
    }
    if (selection->currentIndex() != index || !selection->isSelected(index)) {
        selection->setCurrentIndex(index,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    m_tvActions->scrollTo(index);
}

void TFormMain::tvActionsChange() {
    syncTreeSelection();
    SetInputFieldEnabled();
    const oxel::ActionNode* node = m_doc.Selected();
    if (node == nullptr) {
        return;
    }
    const oxel::ActionNode* fileNode = nullptr;
    {
        FlagScope filling(m_fillingFields);
        const oxel::TItem& item = node->Item();
        if (oxel::IsActionKind(item.Kind)) {
            m_memAndAction->setPlainText(toField(item.ActionText));
            m_memSearch->setPlainText(toField(item.SearchText));
            m_pnlSearchString->setText(tr("Search for"));
            m_pnlActionString->setText(oxelgui::PathText(oxel::KindTable(item.Kind).actionLabel));
            // An action at level 0 belongs to no file.
            fileNode = node->Level() == 1 ? node->Parent() : nullptr;
        } else {
            m_memFileToEdit->setText(toField(item.FileToEdit));
            m_memFileToEdit->setCursorPosition(0);
            m_memSearch->clear();
            m_memAndAction->clear();
            m_pnlSearchString->clear();
            m_pnlActionString->clear();
            fileNode = node;
        }
    }
    if (m_doc.ReloadEditingFile()) {
        loadEditingFile(fileNode);
    }
}

void TFormMain::loadEditingFile(const oxel::ActionNode* fileNode) {
    if (fileNode == nullptr || m_settings.forumScriptPath.empty()) {
        m_memEditingFile->clear();
        return;
    }
    showEditingFile(oxel::chabspath(m_settings.forumScriptPath, fileNode->Item().FileToEdit));
}

void TFormMain::showEditingFile(const std::string& path) {
    if (path.empty() || !QFileInfo(oxelgui::PathText(path)).isFile()) {
        m_memEditingFile->clear();
        return;
    }
    const auto bytes = oxel::ReadWholeFile(path);
    if (const auto* text = std::get_if<std::string>(&bytes)) {
        m_memEditingFile->setPlainText(oxelgui::ViewText(*text));
    } else {
        m_memEditingFile->clear();
    }
}

void TFormMain::actBrowseFileToEditExecute() {
    if (!m_memFileToEdit->isEnabled() || m_settings.forumScriptPath.empty()) {
        return;
    }
    const std::string forumFolder = oxel::ExtractFilePath(m_settings.forumScriptPath);
    m_openDialogDir = oxelgui::PathText(forumFolder);
    const std::optional<QString> chosen = m_dialogs.getOpenFileName(
        this, tr("Open"), m_openDialogDir, QStringLiteral("All Files(*.*)|*.*"));
    if (!chosen) {
        return;
    }
    const std::string chosenPath = oxelgui::PathBytes(*chosen);
    const std::string relative =
        oxel::Rep(oxel::RelativePath(m_settings.forumScriptPath, chosenPath), "\\", "/");
    // Through the field's change handler: stored in the node, captioned, marked modified.
    m_memFileToEdit->setText(toField(relative));
    showEditingFile(chosenPath);
}

void TFormMain::UpdateStepStatus() {
    m_statusPanel->setText(oxelgui::PathText(m_doc.StepStatusText()));
}

void TFormMain::PageControl1Change() {
    QWidget* page = m_pageControl->currentWidget();
    if (page == m_tsPreview) {
        AssembleMod();
    } else if (page == m_tsModAction) {
        SetInputFieldEnabled();
    }
    m_memPreview->setReadOnly(true);
    m_memEditingFile->setReadOnly(true);
    updateActions();
}

void TFormMain::showTreeMenu(const QPoint& pos) {
    updateActions();
    const oxel::ActionNode* selected = m_doc.Selected();
    if (selected == nullptr || !oxel::IsActionKind(selected->Kind())) {
        return;
    }
    m_pmActionTree->popup(m_tvActions->viewport()->mapToGlobal(pos));
}
