#pragma once

#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/ScriptedDialogs.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// Gives a test its own settings file, scripted dialogs and a manual clock, and puts the
// previous ones back afterwards.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString path(const QString& name) const { return folder.filePath(name); }
    // Writes a file (creating folders) and returns its path.
    QString writeFile(const QString& name, const QByteArray& content) const;

    QTemporaryDir folder;
    Registry registry;
    ScriptedDialogs dialogs;
    ManualClock clock;

private:
    Registry* previousRegistry;
    Dialogs* previousDialogs;
    Clock* previousClock;
};

// The disc that the build makes beside the program.
QString BuiltDiscFolder();
