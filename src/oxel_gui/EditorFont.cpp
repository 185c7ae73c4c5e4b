// Settings fonts as Qt fonts: family mapping, sizes, styles and colours.
#include "EditorFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>
#include <cmath>

namespace oxelgui {
namespace {

bool IsDesignedWindowsFont(const QString& name) {
    return name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0;
}

}  // namespace

QString DisplayFamily(const std::string& name) {
    const QString family = QString::fromStdString(name);
    if (family.isEmpty() || IsDesignedWindowsFont(family)) {
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    return family;
}

QFont ToQFont(const oxel::Font& font) {
    QFont result(DisplayFamily(font.name));
    // A size the desktop cannot draw keeps Qt's default rather than an invisible font.
    if (font.size > 0) {
        result.setPointSize(font.size);
    }
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeout);
    return result;
}

QColor ToQColor(int32_t color, const QPalette& palette) {
    if (oxel::IsSystemColor(color)) {
        switch (color) {
            case oxel::clWindow:
                return palette.color(QPalette::Base);
            case oxel::clHighlight:
                return palette.color(QPalette::Highlight);
            case oxel::clHighlightText:
                return palette.color(QPalette::HighlightedText);
            case oxel::clBtnFace:
                return palette.color(QPalette::Button);
            default:
                return palette.color(QPalette::Text);
        }
    }
    const auto value = static_cast<uint32_t>(color);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

oxel::Font FromQFont(const QFont& font, const oxel::Font& previous) {
    oxel::Font result = previous;
    if (font.family() != DisplayFamily(previous.name)) {
        result.name = font.family().toStdString();
    }
    int points = font.pointSize();
    if (points <= 0) {
        points = static_cast<int>(std::lround(QFontInfo(font).pointSizeF()));
    }
    result.size = points;
    result.bold = font.bold();
    result.italic = font.italic();
    result.underline = font.underline();
    result.strikeout = font.strikeOut();
    return result;
}

void ApplyEditorFont(QWidget& field, const oxel::Font& font) {
    field.setFont(ToQFont(font));
    QPalette palette = field.palette();
    const QColor text = ToQColor(font.color, QPalette());
    palette.setColor(QPalette::Active, QPalette::Text, text);
    palette.setColor(QPalette::Inactive, QPalette::Text, text);
    field.setPalette(palette);
}

}  // namespace oxelgui
