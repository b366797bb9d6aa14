#include "app/AppState.h"

#include "app/Settings.h"

#include <QCoreApplication>

AppState& App() {
    static AppState state;
    return state;
}

QString ResolveApplicationDrive() {
    QString drive = ReadSetting(QStringLiteral("CDDrive"), QString(), QString()).trimmed();
    if (drive.isEmpty()) {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/disc");
    }
    // A bare drive letter, as the Windows installation wrote it.
    if (drive.size() == 1 && drive[0].isLetter()) {
        drive += QLatin1Char(':');
    }
    while (drive.size() > 1 &&
           (drive.endsWith(QLatin1Char('/')) || drive.endsWith(QLatin1Char('\\')))) {
        drive.chop(1);
    }
    return drive;
}
