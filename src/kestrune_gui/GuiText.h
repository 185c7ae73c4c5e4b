// How the main window turns the core's bytes into widget text and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kestrunegui {

// Bytes from mods, settings and the log: UTF-8 when valid, else Latin-1, so no byte is lost
// on screen.
QString ToDisplay(std::string_view bytes);

// Text the user typed or chose (a path) as the bytes the core works with.
std::string ToBytes(const QString& text);

// A multi-line text with CR LF breaks, as a plain-text widget shows it.
QString ToDisplayLines(std::string_view bytes);

}  // namespace kestrunegui
