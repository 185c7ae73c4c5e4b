// Starts programs with QProcess and opens documents with QDesktopServices.
#pragma once

#include <QUrl>
#include <functional>

#include "platform/Launcher.h"

namespace platform {

class QtLauncher final : public Launcher {
  public:
    using StartFn = std::function<bool(const QString& program, const QStringList& args)>;
    using OpenUrlFn = std::function<bool(const QUrl& url)>;

    // The real system: QProcess::startDetached and QDesktopServices::openUrl.
    QtLauncher();
    // With stand-ins for the two system calls, so tests start nothing.
    QtLauncher(StartFn start, OpenUrlFn openUrl);
    Q_DISABLE_COPY_MOVE(QtLauncher)

    bool startProgram(const QString& program, const QStringList& args) override;
    bool startWithParameterText(const QString& program, const QString& parameterText) override;
    bool openDocument(const QString& urlOrPath, const QStringList& browsers) override;

    // The URL a document text stands for: a web address as is (a bare "www.x.org" becomes
    // http), a path as a file URL.
    static QUrl DocumentUrl(const QString& urlOrPath);

  private:
    StartFn m_start;
    OpenUrlFn m_openUrl;
};

}  // namespace platform
