// Message boxes shown as QMessageBox.
#pragma once

#include "platform/MessageBoxService.h"

namespace platform {

// Icon by kind (Error: critical, Warning, Information, Plain: none); the caption, or the
// application's name when the caption is empty; the text as plain text, never as markup, so
// that texts such as "<search for>" show as written. Esc answers like the system's boxes: the
// lone OK, No, or Cancel. A box that ends without any button answers Closed.
class QtMessageBoxService final : public MessageBoxService {
  public:
    QtMessageBoxService() = default;
    Q_DISABLE_COPY_MOVE(QtMessageBoxService)

    modcommon::BoxAnswer show(QWidget* parent, const modcommon::BoxRequest& request) override;
};

}  // namespace platform
