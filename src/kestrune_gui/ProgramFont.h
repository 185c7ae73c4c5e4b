// The installer's program font, mapped onto the desktop's fonts.
#pragma once

#include <QFont>

namespace kestrunegui {

// The designed "MS Sans Serif", size 8, as the desktop's sans font at 8 points.
QFont ProgramFont();

// The desktop's sans font, bold, `pixelHeight` pixels high (the about box's title).
QFont BoldSansFont(int pixelHeight);

}  // namespace kestrunegui
