// Binding a message-box service to a window, and the box text conversion.
#include "platform/MessageBoxService.h"

#include <QPointer>
#include <QWidget>

#include "modcommon/TextEncoding.h"

namespace platform {

modcommon::MessageBoxFn BindMessageBoxes(MessageBoxService& service, QWidget* parent) {
    QPointer<QWidget> guarded(parent);
    return [&service, guarded](const modcommon::BoxRequest& request) {
        return service.show(guarded.data(), request);
    };
}

QString BoxDisplayText(const std::string& bytes) {
    QString text = QString::fromStdString(modcommon::DisplayUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace platform
