// Saves a picture as a PNG file and prints its path and size, or why it could not.
#pragma once

#include <QImage>
#include <QString>

namespace screenshots {

// False, with a line on stderr, when the file could not be written.
bool SavePng(const QImage& image, const QString& path);

}  // namespace screenshots
