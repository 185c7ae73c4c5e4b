// Message boxes and file dialogs for tools that render windows offscreen: nothing is shown.
#pragma once

#include "platform/FileDialogService.h"
#include "platform/MessageBoxService.h"

namespace screenshots {

// Boxes are printed, not shown: questions are answered No, so nothing is cleared.
class PrintedBoxes final : public platform::MessageBoxService {
  public:
    modcommon::BoxAnswer show(QWidget* parent, const modcommon::BoxRequest& request) override;
};

// Every dialog is cancelled.
class NoDialogs final : public platform::FileDialogService {
  public:
    std::optional<QString> getOpenFileName(QWidget* parent, const QString& title,
                                           const QString& initialDir, const QString& windowsFilter,
                                           const QString& defaultSuffix) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const QString& title,
                                           const QString& initialDir, const QString& windowsFilter,
                                           const QString& defaultSuffix) override;
    std::optional<QFont> getFont(QWidget* parent, const QFont& initial) override;
};

}  // namespace screenshots
