// The editor font of the settings as a Qt font and colour, and back. The designed Windows
// fonts ("MS Sans Serif", Arial) are shown in the desktop's sans font, and a font that comes
// back unchanged keeps its settings name, so the settings file reads as it did.
//
//   memSearch->setFont(oxelgui::ToQFont(settings.editorFont));
//   settings.editorFont = oxelgui::FromQFont(chosen, settings.editorFont);
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "oxel/Font.h"

class QWidget;

namespace oxelgui {

// The family a settings font name is shown in.
QString DisplayFamily(const std::string& name);

QFont ToQFont(const oxel::Font& font);

// The font's colour; system colours are taken from the palette.
QColor ToQColor(int32_t color, const QPalette& palette);

// A font chosen in Qt as a settings font. Qt fonts carry no colour: `previous` gives it, and
// its name too when the family is the one `previous` is shown in.
oxel::Font FromQFont(const QFont& font, const oxel::Font& previous);

// Gives a text field the font and its colour.
void ApplyEditorFont(QWidget& field, const oxel::Font& font);

}  // namespace oxelgui
