// Writes every picture of both programs as PNG into the given resources folder.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "KestrunePictures.h"
#include "OxelPictures.h"

namespace {

bool Save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing text needs a GUI application, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    const QDir dir(root);
    if (!dir.mkpath(QStringLiteral("kestrune")) || !dir.mkpath(QStringLiteral("oxel"))) {
        std::fprintf(stderr, "could not create folders in %s\n", qPrintable(root));
        return 1;
    }
    auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };

    bool ok = Save(pictures::MakeBackground(), at("kestrune/background.png"));
    ok = Save(pictures::MakeLogo(), at("kestrune/logo.png")) && ok;
    ok = Save(pictures::MakeIcon(), at("kestrune/icon.png")) && ok;
    ok = Save(pictures::MakeErrorBadge(), at("kestrune/error-badge.png")) && ok;
    ok = Save(pictures::MakeOpenYaBB(false), at("kestrune/open-yabb.png")) && ok;
    ok = Save(pictures::MakeOpenYaBB(true), at("kestrune/open-yabb-down.png")) && ok;
    ok = Save(pictures::MakeOxelIcon(), at("oxel/icon.png")) && ok;
    for (int i = 0; i < pictures::kOxelImageCount; ++i) {
        ok = Save(pictures::MakeOxelImage(i),
                  dir.filePath(QStringLiteral("oxel/image-%1.png").arg(i))) &&
             ok;
    }
    return ok ? 0 : 1;
}
