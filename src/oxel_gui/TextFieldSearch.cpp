// Find Next and Replace over line edits and plain-text edits.
#include "TextFieldSearch.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "FieldText.h"

namespace oxelgui {
namespace {

// The text with positions as the field's cursor counts them.
QString TextOf(QWidget& field) {
    if (auto* line = qobject_cast<QLineEdit*>(&field)) {
        return line->text();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(&field)) {
        return RawText(*plain);
    }
    return {};
}

void SelectRange(QWidget& field, int start, int length) {
    if (auto* line = qobject_cast<QLineEdit*>(&field)) {
        line->setSelection(start, length);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(&field)) {
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        plain->setTextCursor(cursor);
        plain->ensureCursorVisible();
    }
}

}  // namespace

int FindNextPosition(const QString& text, int selectionStart, int selectionLength,
                     const QString& needle) {
    if (needle.isEmpty()) {
        return -1;
    }
    const int from = selectionLength > 0 ? selectionStart + selectionLength : 0;
    if (from > text.size()) {
        return -1;
    }
    return static_cast<int>(text.indexOf(needle, from, Qt::CaseSensitive));
}

int ReplacePosition(const QString& text, const QString& needle) {
    if (needle.isEmpty()) {
        return -1;
    }
    return static_cast<int>(text.indexOf(needle, 0, Qt::CaseSensitive));
}

bool FindNextInField(QWidget& field, const QString& needle) {
    int start = 0;
    int length = 0;
    if (auto* line = qobject_cast<QLineEdit*>(&field)) {
        start = line->selectionStart();
        length = static_cast<int>(line->selectedText().size());
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(&field)) {
        const QTextCursor cursor = plain->textCursor();
        start = cursor.selectionStart();
        length = cursor.selectionEnd() - cursor.selectionStart();
    } else {
        return false;
    }
    const int found = FindNextPosition(TextOf(field), start, length, needle);
    if (found < 0) {
        return false;
    }
    field.setFocus();
    SelectRange(field, found, static_cast<int>(needle.size()));
    return true;
}

ReplaceResult ReplaceInField(QWidget& field, const QString& needle, const QString& replacement) {
    auto* line = qobject_cast<QLineEdit*>(&field);
    auto* plain = qobject_cast<QPlainTextEdit*>(&field);
    if ((line != nullptr && line->isReadOnly()) || (plain != nullptr && plain->isReadOnly())) {
        return ReplaceResult::ReadOnly;
    }
    const int found = ReplacePosition(TextOf(field), needle);
    if (found < 0) {
        return ReplaceResult::NotFound;
    }
    SelectRange(field, found, static_cast<int>(needle.size()));
    if (line != nullptr) {
        line->insert(replacement);
    } else if (plain != nullptr) {
        plain->textCursor().insertText(replacement);
    }
    return ReplaceResult::Replaced;
}

}  // namespace oxelgui
