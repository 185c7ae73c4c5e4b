// File and font dialogs shown as QFileDialog and QFontDialog.
#pragma once

#include "platform/FileDialogService.h"

namespace platform {

class QtFileDialogService final : public FileDialogService {
  public:
    QtFileDialogService() = default;
    Q_DISABLE_COPY_MOVE(QtFileDialogService)

    std::optional<QString> getOpenFileName(QWidget* parent, const QString& title,
                                           const QString& initialDir, const QString& windowsFilter,
                                           const QString& defaultSuffix = {}) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const QString& title,
                                           const QString& initialDir, const QString& windowsFilter,
                                           const QString& defaultSuffix = {}) override;
    std::optional<QFont> getFont(QWidget* parent, const QFont& initial) override;
};

}  // namespace platform
