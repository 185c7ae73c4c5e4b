// Message boxes and file dialogs for tools that render windows offscreen: nothing is shown.
#include "HeadlessServices.h"

#include <cstdio>

namespace screenshots {

modcommon::BoxAnswer PrintedBoxes::show(QWidget*, const modcommon::BoxRequest& request) {
    std::fprintf(stderr, "box: %s\n", request.text.c_str());
    return request.buttons == modcommon::BoxButtons::Ok ? modcommon::BoxAnswer::Ok
                                                        : modcommon::BoxAnswer::No;
}

std::optional<QString> NoDialogs::getOpenFileName(QWidget*, const QString&, const QString&,
                                                  const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QString> NoDialogs::getSaveFileName(QWidget*, const QString&, const QString&,
                                                  const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QFont> NoDialogs::getFont(QWidget*, const QFont&) {
    return std::nullopt;
}

}  // namespace screenshots
