// Shows a message box and returns the user's answer; the logic asks through this (or the
// MessageBoxFn bound from it), never through QMessageBox itself.
//
//   platform::QtMessageBoxService boxes;
//   modcommon::MessageBoxFn ask = platform::BindMessageBoxes(boxes, mainWindow);
//   if (ask({BoxKind::Information, BoxButtons::YesNo, "", "Clear the log?"}) == BoxAnswer::Yes)
#pragma once

#include <QString>
#include <string>

#include "modcommon/MessageBox.h"

class QWidget;

namespace platform {

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;

    // Modal; parent may be null.
    virtual modcommon::BoxAnswer show(QWidget* parent, const modcommon::BoxRequest& request) = 0;
};

// A MessageBoxFn that shows its boxes through service over parent. The parent is watched:
// once it is destroyed the boxes are shown without one. The service must outlive the function.
modcommon::MessageBoxFn BindMessageBoxes(MessageBoxService& service, QWidget* parent);

// The text a box shows for the request's bytes: decoded as UTF-8 when valid, else Latin-1,
// with every CR LF turned into one line break.
QString BoxDisplayText(const std::string& bytes);

}  // namespace platform
