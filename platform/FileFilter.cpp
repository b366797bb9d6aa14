#include "platform/FileFilter.h"

#include <QStringList>

QString FileDialogFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        QString patterns = parts.at(i + 1).trimmed();
        if (description.isEmpty() && patterns.isEmpty()) {
            break;
        }
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // The dialog takes its patterns from the parentheses; a description may show them already.
        filters.append(description.contains(QLatin1Char('(')) &&
                               description.endsWith(QLatin1Char(')'))
                           ? description
                           : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}
