// Bytes to field text and back, with the document's encoding and CR LF line breaks.
#include "FieldText.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace oxelgui {

modcommon::TextEncoding EncodingOf(std::string_view fileBytes) {
    return modcommon::DetectTextEncoding(fileBytes.substr(0, fileBytes.find('\0')));
}

QString FieldText(std::string_view bytes, modcommon::TextEncoding encoding) {
    const auto size = static_cast<qsizetype>(bytes.size());
    QString text = encoding == modcommon::TextEncoding::Utf8
                       ? QString::fromUtf8(bytes.data(), size)
                       : QString::fromLatin1(bytes.data(), size);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string FieldBytes(const QString& text, modcommon::TextEncoding encoding) {
    QString lines = text;
    lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    if (encoding == modcommon::TextEncoding::Utf8) {
        return lines.toStdString();
    }
    std::string bytes;
    bytes.reserve(static_cast<size_t>(lines.size()));
    for (const QChar c : lines) {
        // A surrogate pair is one character: one "?" for its first half, none for the second.
        if (c.isLowSurrogate()) {
            continue;
        }
        bytes.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
    }
    return bytes;
}

QString RawText(const QPlainTextEdit& field) {
    QString text = field.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

QString ViewText(std::string_view bytes) {
    QString text = QString::fromStdString(modcommon::DisplayUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString PathText(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace oxelgui
