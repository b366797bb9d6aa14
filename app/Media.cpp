#include "app/Media.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Between two polls the file system is asked again after this pause, rather than in a tight loop.
constexpr int pollPauseMs = 50;
qint64 filePollMs = 10000;
qint64 discPollMs = 5000;

bool pollForFile(const QString& path, qint64 limitMs) {
    Clock& clock = Clock::current();
    const qint64 start = clock.elapsedMs();
    for (;;) {
        if (FileExistsNow(path)) {
            return true;
        }
        if (clock.elapsedMs() - start >= limitMs) {
            return false;
        }
        clock.pause(pollPauseMs);
    }
}

// Looks for each part of a relative or absolute path without regard to letter case.
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
    return resolved;
}

} // namespace

bool FileExistsNow(const QString& path) {
    if (path.trimmed().isEmpty()) {
        return false;
    }
    const QFileInfo info(NativePath(path));
    return info.exists() && info.isFile();
}

QString NativePath(const QString& path) {
    QString native = path;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (native.isEmpty() || QFileInfo::exists(native)) {
        return native;
    }
    return resolveIgnoringCase(native);
}

void SetMediaWaits(qint64 fileMs, qint64 discMs) {
    filePollMs = fileMs;
    discPollMs = discMs;
}

int CheckForFile(const QString& path, bool promptForCD) {
    for (;;) {
        if (pollForFile(path, filePollMs)) {
            return FileFound;
        }
        if (!promptForCD) {
            return FileNotFound;
        }
        if (pollForFile(App().ApplicationDrive + QStringLiteral("\\Quillon.hlp"), discPollMs)) {
            return FileMissingFromDisc;
        }
        if (Dialogs::current().messageBox(InsertCDMessage(), 1, QString()) == 2) {
            return FileNotFound;
        }
    }
}

QString InsertCDMessage() {
    // A drive letter is named by its letter; a disc mounted as a folder by the folder.
    const QString drive = App().ApplicationDrive;
    const bool driveLetter = drive.size() <= 2 && !drive.isEmpty() && drive[0].isLetter();
    const QString where = driveLetter ? drive.left(1) : QDir::toNativeSeparators(drive);
    return Texts::at(1200) + QStringLiteral("\r\n") + Texts::at(1201) + App().ApplicationTitle +
           QStringLiteral("\r\n") + Texts::at(1202) + where + QStringLiteral(".");
}
