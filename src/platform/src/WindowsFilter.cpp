// Converting Windows dialog filters to Qt's name-filter form.
#include "platform/WindowsFilter.h"

#include <QStringList>

namespace platform {

QString WindowsFilterToQt(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i];
        const QString patternText = i + 1 < parts.size() ? parts[i + 1] : QString();
        if (description.trimmed().isEmpty() && patternText.trimmed().isEmpty()) {
            continue;
        }
        QStringList patterns;
        for (const QString& raw : patternText.split(QLatin1Char(';'))) {
            const QString pattern = raw.trimmed();
            if (pattern.isEmpty()) {
                continue;
            }
            patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        if (patterns.isEmpty()) {
            patterns << QStringLiteral("*");
        }
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace platform
