#include "app/Media.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FilePaths.h"

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

} // namespace

bool FileExistsNow(const QString& path) {
    if (path.trimmed().isEmpty()) {
        return false;
    }
    const QFileInfo info(NativePath(path));
    return info.exists() && info.isFile();
}

QString NativePath(const QString& path) {
    return FilePaths::native(path);
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
