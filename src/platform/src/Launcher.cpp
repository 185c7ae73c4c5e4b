// Splitting a parameter text the way a command line is split.
#include "platform/Launcher.h"

#include <QProcess>

namespace platform {

QStringList SplitParameterText(const QString& parameterText) {
    return QProcess::splitCommand(parameterText);
}

}  // namespace platform
