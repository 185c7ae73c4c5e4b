// One QApplication for the whole test program.
#include "GuiTestApp.h"

#include <QApplication>

namespace testsupport {

QApplication& EnsureApplication() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    // Never destroyed: tearing Qt down among other static destructors at exit can crash, and
    // Qt wants argc and argv to outlive the application.
    static int argc = 1;
    static char name[] = "gui-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace testsupport
