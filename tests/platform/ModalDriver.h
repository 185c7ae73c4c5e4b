// Acts on the next modal dialog once it is open, so a test can drive a real box or dialog
// whose exec() blocks the test's own code.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace platformtest {

// Polls for the modal widget (every 10 ms, for at most 5 s) and runs act on it once. A
// dialog that act leaves open is closed 5 s later and fails the test, rather than hanging it.
inline void WhenModalOpens(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer();
    auto* ticks = new int(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            timer->stop();
            act(modal);
            QPointer<QWidget> guarded(modal);
            QTimer::singleShot(5000, [guarded] {
                if (guarded && guarded->isVisible()) {
                    ADD_FAILURE() << "the dialog stayed open";
                    guarded->close();
                }
            });
        } else if (++*ticks < 500) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete ticks;
    });
    timer->start();
}

}  // namespace platformtest
