#pragma once

#include <QString>
#include <QStringList>

// The program's settings, kept in the Registry under the application key (text 2002).
// Sections: "" the application key, "..Name" a sub-key of it, anything else an absolute path.

// A key reached by OpenKeyPath or CreateKeyPath.
struct KeyHandle {
    bool ok = false;
    QStringList path;
};

QString SettingsKeyPath(const QString& section);
KeyHandle OpenKeyPath(const QString& path);
KeyHandle CreateKeyPath(const QString& path);
QString ReadSetting(const QString& name, const QString& defaultValue, const QString& section);
bool WriteSetting(const QString& name, const QString& value, const QString& section,
                  const QString& valueName = QString());
