#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The hierarchical settings store: keys below one root, each key with named string values
// ("" names the key's default value). Every call reads the file afresh and every change is
// made under a lock file and saved atomically, so that several processes can share it.
class Registry {
public:
    explicit Registry(QString filePath);

    // TESSALY_REGISTRY when set, else $XDG_CONFIG_HOME/tessaly/registry.json.
    static QString defaultPath();

    // The store that the program's settings use; set once at start-up (tests set their own).
    static Registry& current();
    static void setCurrent(Registry* registry);

    const QString& filePath() const { return path; }

    bool keyExists(const QStringList& keyPath) const;
    // Creates every missing key on the way; false when the store cannot be written.
    bool createKey(const QStringList& keyPath);
    // The value, or nothing when the key or the value does not exist.
    std::optional<QString> value(const QStringList& keyPath, const QString& name) const;
    // Creates missing keys; false when the store cannot be written.
    bool setValue(const QStringList& keyPath, const QString& name, const QString& value);
    // Names of the values of a key, in the order they were first written.
    QStringList valueNames(const QStringList& keyPath) const;

private:
    QString path;
};
