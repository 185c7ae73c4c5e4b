// How the document's bytes appear in the text fields and come back. A mod is shown in one
// encoding, found when it is opened, and typed text is encoded back with it, so a field that
// was not edited returns its bytes unchanged.
//
//   const auto encoding = oxelgui::EncodingOf(fileBytes);
//   memSearch->setPlainText(oxelgui::FieldText(item.SearchText, encoding));
//   std::string bytes = oxelgui::FieldBytes(oxelgui::RawText(*memSearch), encoding);
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "modcommon/TextEncoding.h"

class QPlainTextEdit;

namespace oxelgui {

// UTF-8 when the text up to its first NUL (where a mod ends) is valid UTF-8, else Latin-1.
modcommon::TextEncoding EncodingOf(std::string_view fileBytes);

// The bytes as field text: each CR LF becomes one line break.
QString FieldText(std::string_view bytes, modcommon::TextEncoding encoding);

// Field text as bytes: each line break becomes CR LF. In a Latin-1 mod a character that
// Latin-1 lacks becomes "?", as typing it into a single-byte text would.
std::string FieldBytes(const QString& text, modcommon::TextEncoding encoding);

// A multi-line field's text exactly as held: unlike toPlainText() it keeps non-breaking
// spaces and line separators, which would otherwise change bytes of an unedited field.
QString RawText(const QPlainTextEdit& field);

// A file shown read-only (a forum file): UTF-8 when valid, else Latin-1, with CR LF, lone LF
// and lone CR all shown as line breaks.
QString ViewText(std::string_view bytes);

// File paths as the system spells them, and back.
QString PathText(std::string_view path);
std::string PathBytes(const QString& path);

}  // namespace oxelgui
