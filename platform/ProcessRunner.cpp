#include "platform/ProcessRunner.h"

#include <QEventLoop>
#include <QProcess>

bool ProcessRunner::runAndWait(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop waiting;
    bool ended = false;
    QObject::connect(&process, &QProcess::finished, &waiting, [&] {
        ended = true;
        waiting.quit();
    });
    QObject::connect(&process, &QProcess::errorOccurred, &waiting,
                     [&](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             waiting.quit();
                         }
                     });
    process.start(program, arguments);
    if (!process.waitForStarted(-1)) {
        return false;
    }
    if (!ended) {
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return ended;
}
