// Asks the user for a file to open, a file name to save under, or a font.
//
//   std::optional<QString> path = dialogs.getOpenFileName(
//       this, "Select Main Script File", "/srv/forum/", "YaBB.pl or YaBB.cgi|YaBB.pl; YaBB.cgi");
//   if (!path) return;  // cancelled
#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace platform {

class FileDialogService {
  public:
    virtual ~FileDialogService() = default;

    // windowsFilter is written the Windows way ("desc|pat;pat|desc|pat", see WindowsFilter.h).
    // defaultSuffix ("mod" or ".mod") is added to a typed name that has no suffix. The file
    // must exist. Empty when cancelled.
    virtual std::optional<QString> getOpenFileName(QWidget* parent, const QString& title,
                                                   const QString& initialDir,
                                                   const QString& windowsFilter,
                                                   const QString& defaultSuffix = {}) = 0;

    // As above, for a name to save under; asks before an existing file is replaced.
    virtual std::optional<QString> getSaveFileName(QWidget* parent, const QString& title,
                                                   const QString& initialDir,
                                                   const QString& windowsFilter,
                                                   const QString& defaultSuffix = {}) = 0;

    // Starts at initial; empty when cancelled.
    virtual std::optional<QFont> getFont(QWidget* parent, const QFont& initial) = 0;
};

}  // namespace platform
