// Search and replace in the focused text field, and the text fields' shared context menu.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "FindReplaceDialogs.h"
#include "MainWindow.h"
#include "TextFieldSearch.h"

QWidget* TFormMain::focusedTextField() const {
    // The window's own focus field: while a dialog is active it still names the field the
    // user was in.
    QWidget* focused = focusWidget();
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_memDescription, m_memSearch, m_memAndAction,
                                         m_memFileToEdit, m_memPreview, m_memEditingFile}) {
        if (focused == field) {
            return field;
        }
    }
    return nullptr;
}

void TFormMain::actSearchExecute() {
    if (m_findDialog == nullptr) {
        m_findDialog = new oxelgui::FindDialog(this);
        connect(m_findDialog, &oxelgui::FindDialog::findNext, this, &TFormMain::FindDialogFind);
    }
    m_findDialog->showModeless();
}

void TFormMain::actReplaceExecute() {
    if (m_replaceDialog == nullptr) {
        m_replaceDialog = new oxelgui::ReplaceDialog(this);
        connect(m_replaceDialog, &oxelgui::ReplaceDialog::findNext, this,
                &TFormMain::ReplaceDialogFind);
        connect(m_replaceDialog, &oxelgui::ReplaceDialog::replace, this,
                &TFormMain::ReplaceDialogReplace);
    }
    m_replaceDialog->showModeless();
}

void TFormMain::FindDialogFind(const QString& text) {
    if (QWidget* field = focusedTextField()) {
        oxelgui::FindNextInField(*field, text);
    }
}

void TFormMain::ReplaceDialogFind(const QString& text) {
    FindDialogFind(text);
}

void TFormMain::ReplaceDialogReplace(const QString& text, const QString& replacement) {
    QWidget* field = focusedTextField();
    if (field == nullptr) {
        return;
    }
    if (oxelgui::ReplaceInField(*field, text, replacement) == oxelgui::ReplaceResult::NotFound) {
        m_box({modcommon::BoxKind::Error, modcommon::BoxButtons::Ok, "Error",
               "Could not find \"" + text.toStdString() + "\" in this field."});
    }
}

void TFormMain::showMemoMenu(QWidget* field, const QPoint& pos) {
    m_memoMenuField = field;
    bool readOnly = false;
    bool selection = false;
    bool undo = false;
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        readOnly = line->isReadOnly();
        selection = line->hasSelectedText();
        undo = line->isUndoAvailable();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        readOnly = plain->isReadOnly();
        selection = plain->textCursor().hasSelection();
        undo = plain->document()->isUndoAvailable();
    }
    const bool editable = !readOnly && field->isEnabled();
    m_actEditUndo->setEnabled(editable && undo);
    m_actEditCut->setEnabled(editable && selection);
    m_actEditCopy->setEnabled(selection);
    m_actEditPaste->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
    m_pmForMemo->popup(field->mapToGlobal(pos));
}

void TFormMain::editCommand(const char* slot) {
    QWidget* field = m_memoMenuField != nullptr ? m_memoMenuField.data() : focusedTextField();
    if (field != nullptr) {
        QMetaObject::invokeMethod(field, slot);
    }
}
