#include "app/Settings.h"

#include "app/Texts.h"
#include "platform/Registry.h"

namespace {

QStringList keyNames(const QString& path) {
    QStringList names = path.split(QLatin1Char('/'));
    // A path ending in "/" opens the key reached so far.
    if (!names.isEmpty() && names.last().isEmpty()) {
        names.removeLast();
    }
    return names;
}

QString cutAtNul(const QString& value) {
    const qsizetype nul = value.indexOf(QChar(0));
    return nul < 0 ? value : value.left(nul);
}

} // namespace

QString SettingsKeyPath(const QString& section) {
    QString path;
    if (section.isEmpty()) {
        path = Texts::at(2002);
    } else if (section.startsWith(QLatin1String(".."))) {
        path = Texts::at(2002);
        if (!path.endsWith(QLatin1Char('/'))) {
            path += QLatin1Char('/');
        }
        path += section.mid(2);
    } else {
        path = section;
    }
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path;
}

KeyHandle OpenKeyPath(const QString& path) {
    KeyHandle handle{false, keyNames(path)};
    handle.ok = Registry::current().keyExists(handle.path);
    return handle;
}

KeyHandle CreateKeyPath(const QString& path) {
    KeyHandle handle{false, keyNames(path)};
    handle.ok = Registry::current().createKey(handle.path);
    return handle;
}

QString ReadSetting(const QString& name, const QString& defaultValue, const QString& section) {
    const KeyHandle key = OpenKeyPath(SettingsKeyPath(section) + name);
    if (!key.ok) {
        return defaultValue;
    }
    const auto value = Registry::current().value(key.path, QString());
    return value ? cutAtNul(*value) : QString();
}

bool WriteSetting(const QString& name, const QString& value, const QString& section,
                  const QString& valueName) {
    const QString path = SettingsKeyPath(section) + name;
    KeyHandle key = OpenKeyPath(path);
    if (!key.ok) {
        key = CreateKeyPath(path);
        if (!key.ok) {
            return false;
        }
    }
    return Registry::current().setValue(key.path, valueName, value);
}
