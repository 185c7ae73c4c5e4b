// Finding and replacing text in one text field: exact, case-sensitive, forward only and never
// wrapping round.
//
//   if (oxelgui::FindNextInField(*memSearch, "print")) ...   // selects the next "print"
//   oxelgui::ReplaceInField(*memSearch, "a", "x");            // "a-b-a" becomes "x-b-a"
#pragma once

#include <QString>

class QWidget;

namespace oxelgui {

// Where Find Next looks: from the end of a selection that is not empty, else from the
// beginning of the text (not from the caret). -1 when the text does not occur there.
int FindNextPosition(const QString& text, int selectionStart, int selectionLength,
                     const QString& needle);

// Where Replace works: the first occurrence in the whole text, whatever is selected.
int ReplacePosition(const QString& text, const QString& needle);

// `field` is a QLineEdit or a QPlainTextEdit. Selects the next occurrence, focuses the field and
// scrolls it into view; false (and nothing changes) when there is none.
bool FindNextInField(QWidget& field, const QString& needle);

enum class ReplaceResult { Replaced, NotFound, ReadOnly };

// Selects the first occurrence and types the replacement over it, so the field's change
// signals run as for typing. Read-only fields are left alone.
ReplaceResult ReplaceInField(QWidget& field, const QString& needle, const QString& replacement);

}  // namespace oxelgui
