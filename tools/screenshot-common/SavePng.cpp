// Saves a picture as a PNG file and prints its path and size, or why it could not.
#include "SavePng.h"

#include <cstdio>

namespace screenshots {

bool SavePng(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

}  // namespace screenshots
