// Writes every picture of both programs as PNG into the given resources folder.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "KestrunePictures.h"
#include "OxelPictures.h"
#include "SavePng.h"

using screenshots::SavePng;

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

    bool ok = SavePng(pictures::MakeBackground(), at("kestrune/background.png"));
    ok = SavePng(pictures::MakeLogo(), at("kestrune/logo.png")) && ok;
    ok = SavePng(pictures::MakeIcon(), at("kestrune/icon.png")) && ok;
    ok = SavePng(pictures::MakeErrorBadge(), at("kestrune/error-badge.png")) && ok;
    ok = SavePng(pictures::MakeOpenYaBB(false), at("kestrune/open-yabb.png")) && ok;
    ok = SavePng(pictures::MakeOpenYaBB(true), at("kestrune/open-yabb-down.png")) && ok;
    ok = SavePng(pictures::MakeOxelIcon(), at("oxel/icon.png")) && ok;
    for (int i = 0; i < pictures::kOxelImageCount; ++i) {
        ok = SavePng(pictures::MakeOxelImage(i),
                     dir.filePath(QStringLiteral("oxel/image-%1.png").arg(i))) &&
             ok;
    }
    return ok ? 0 : 1;
}
