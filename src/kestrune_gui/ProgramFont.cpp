// The installer's program font, mapped onto the desktop's fonts.
#include "ProgramFont.h"

#include <QFontDatabase>

namespace kestrunegui {

QFont ProgramFont() {
    QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    font.setPointSize(8);
    return font;
}

QFont BoldSansFont(int pixelHeight) {
    QFont font(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

}  // namespace kestrunegui
