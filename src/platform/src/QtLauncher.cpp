// Starting programs and opening documents through Qt.
#include "platform/QtLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>

namespace platform {

QtLauncher::QtLauncher()
    : QtLauncher([](const QString& program,
                    const QStringList& args) { return QProcess::startDetached(program, args); },
                 [](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

QtLauncher::QtLauncher(StartFn start, OpenUrlFn openUrl)
    : m_start(std::move(start)), m_openUrl(std::move(openUrl)) {}

bool QtLauncher::startProgram(const QString& program, const QStringList& args) {
    if (program.isEmpty()) {
        return false;
    }
    return m_start(program, args);
}

bool QtLauncher::startWithParameterText(const QString& program, const QString& parameterText) {
    return startProgram(program, SplitParameterText(parameterText));
}

QUrl QtLauncher::DocumentUrl(const QString& urlOrPath) {
    if (QDir::isAbsolutePath(urlOrPath)) {
        return QUrl::fromLocalFile(urlOrPath);
    }
    return QUrl::fromUserInput(urlOrPath);
}

bool QtLauncher::openDocument(const QString& urlOrPath, const QStringList& browsers) {
    const QUrl url = DocumentUrl(urlOrPath.trimmed());
    if (!url.isValid() || url.isEmpty()) {
        return false;
    }
    if (m_openUrl(url)) {
        return true;
    }
    const QString argument = url.toString(QUrl::FullyEncoded);
    for (const QString& browser : browsers) {
        if (startProgram(browser, {argument})) {
            return true;
        }
    }
    return false;
}

}  // namespace platform
