// How the main window turns the core's bytes into widget text and back.
#include "GuiText.h"

#include "modcommon/TextEncoding.h"

namespace kestrunegui {

QString ToDisplay(std::string_view bytes) {
    return QString::fromStdString(modcommon::DisplayUtf8(bytes));
}

std::string ToBytes(const QString& text) {
    return text.toStdString();
}

QString ToDisplayLines(std::string_view bytes) {
    QString text = ToDisplay(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace kestrunegui
