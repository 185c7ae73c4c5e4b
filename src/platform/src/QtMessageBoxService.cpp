// QMessageBox behind the message-box service.
#include "platform/QtMessageBoxService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

using modcommon::BoxAnswer;
using modcommon::BoxButtons;
using modcommon::BoxKind;

QMessageBox::Icon IconFor(BoxKind kind) {
    switch (kind) {
        case BoxKind::Error:
            return QMessageBox::Critical;
        case BoxKind::Warning:
            return QMessageBox::Warning;
        case BoxKind::Information:
            return QMessageBox::Information;
        case BoxKind::Plain:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsFor(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::Ok:
            return QMessageBox::Ok;
        case BoxButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case BoxButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

BoxAnswer AnswerFor(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok:
            return BoxAnswer::Ok;
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        case QMessageBox::Cancel:
            return BoxAnswer::Cancel;
        default:
            return BoxAnswer::Closed;
    }
}

}  // namespace

BoxAnswer QtMessageBoxService::show(QWidget* parent, const modcommon::BoxRequest& request) {
    QMessageBox box(parent);
    box.setIcon(IconFor(request.kind));
    box.setWindowTitle(request.caption.empty() ? QApplication::applicationName()
                                               : BoxDisplayText(request.caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(BoxDisplayText(request.text));
    box.setStandardButtons(ButtonsFor(request.buttons));
    box.exec();
    // Null when the box was ended without a button, e.g. closed by the program.
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == nullptr) {
        return BoxAnswer::Closed;
    }
    return AnswerFor(box.standardButton(clicked));
}

}  // namespace platform
