#include "platform/FilePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString resolveIgnoringCase(const QString& path) {
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved = absolute ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        const QDir folder(resolved.isEmpty() ? QStringLiteral(".") : resolved);
        QString match = part;
        if (!QFileInfo::exists(folder.filePath(part))) {
            const QStringList entries =
                folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
        }
        if (!resolved.isEmpty() && !resolved.endsWith(QLatin1Char('/'))) {
            resolved += QLatin1Char('/');
        }
        resolved += match;
    }
    return QFileInfo::exists(resolved) ? resolved : path;
}

} // namespace

QString FilePaths::native(const QString& path) {
    QString native = path;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (native.isEmpty() || QFileInfo::exists(native)) {
        return native;
    }
    return resolveIgnoringCase(native);
}
