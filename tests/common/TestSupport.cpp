#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestEnvironment::TestEnvironment()
    : registry(folder.filePath(QStringLiteral("registry.json"))),
      previousRegistry(&Registry::current()), previousDialogs(&Dialogs::current()),
      previousClock(&Clock::current()) {
    Registry::setCurrent(&registry);
    Dialogs::setCurrent(&dialogs);
    Clock::setCurrent(&clock);
}

TestEnvironment::~TestEnvironment() {
    Registry::setCurrent(previousRegistry);
    Dialogs::setCurrent(previousDialogs);
    Clock::setCurrent(previousClock);
}

QString TestEnvironment::writeFile(const QString& name, const QByteArray& content) const {
    const QString filePath = folder.filePath(name);
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QFile file(filePath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
    }
    return filePath;
}

QString BuiltDiscFolder() { return QStringLiteral(TESSALY_BIN_DIR "/disc"); }
