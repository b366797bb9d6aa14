#include "platform/Registry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

// File layout: each key is an object {"values": [[name, value], ...], "keys": {name: key}}.
// Values are a list of pairs so that their order is kept.
namespace {

Registry* currentRegistry = nullptr;

const QString valuesField = QStringLiteral("values");
const QString keysField = QStringLiteral("keys");

struct Loaded {
    QJsonObject root;
    bool damaged = false;
};

Loaded load(const QString& path) {
    Loaded result;
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly)) {
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty()) {
        return result;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        result.damaged = true;
        return result;
    }
    result.root = document.object();
    return result;
}

// Follows keyPath; nullopt when a key on the way is missing.
std::optional<QJsonObject> findKey(QJsonObject key, const QStringList& keyPath) {
    for (const QString& name : keyPath) {
        const QJsonValue child = key.value(keysField).toObject().value(name);
        if (!child.isObject()) {
            return std::nullopt;
        }
        key = child.toObject();
    }
    return key;
}

// Returns a copy of key with the key at keyPath[from..] changed by edit, creating missing keys.
template <typename Edit>
QJsonObject editKey(QJsonObject key, const QStringList& keyPath, qsizetype from, Edit&& edit) {
    if (from == keyPath.size()) {
        edit(key);
        return key;
    }
    QJsonObject children = key.value(keysField).toObject();
    const QString& name = keyPath[from];
    children.insert(name, editKey(children.value(name).toObject(), keyPath, from + 1, edit));
    key.insert(keysField, children);
    return key;
}

void putValue(QJsonObject& key, const QString& name, const QString& value) {
    QJsonArray values = key.value(valuesField).toArray();
    for (qsizetype i = 0; i < values.size(); ++i) {
        QJsonArray pair = values[i].toArray();
        if (pair.size() == 2 && pair[0].toString() == name) {
            pair[1] = value;
            values[i] = pair;
            key.insert(valuesField, values);
            return;
        }
    }
    values.append(QJsonArray{name, value});
    key.insert(valuesField, values);
}

// Keeps a damaged store aside rather than overwriting it, so nothing is lost silently.
void setDamagedFileAside(const QString& path) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    QFile::rename(path, path + QStringLiteral(".damaged-") + stamp);
}

template <typename Edit> bool change(const QString& path, const QStringList& keyPath, Edit&& edit) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(10000)) {
        return false;
    }
    Loaded loaded = load(path);
    if (loaded.damaged) {
        setDamagedFileAside(path);
    }
    const QJsonObject root = editKey(loaded.root, keyPath, 0, edit);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    return file.commit();
}

} // namespace

Registry::Registry(QString filePath) : path(std::move(filePath)) {}

QString Registry::defaultPath() {
    QString overridden = qEnvironmentVariable("TESSALY_REGISTRY");
    if (!overridden.isEmpty()) {
        return overridden;
    }
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) {
        config = QDir::homePath() + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/tessaly/registry.json");
}

Registry& Registry::current() {
    if (currentRegistry == nullptr) {
        static Registry fallback(defaultPath());
        currentRegistry = &fallback;
    }
    return *currentRegistry;
}

void Registry::setCurrent(Registry* registry) {
    currentRegistry = registry;
}

bool Registry::keyExists(const QStringList& keyPath) const {
    return findKey(load(path).root, keyPath).has_value();
}

bool Registry::createKey(const QStringList& keyPath) {
    if (keyExists(keyPath)) {
        return true;
    }
    return change(path, keyPath, [](QJsonObject&) {});
}

std::optional<QString> Registry::value(const QStringList& keyPath, const QString& name) const {
    const auto key = findKey(load(path).root, keyPath);
    if (!key) {
        return std::nullopt;
    }
    for (const QJsonValueRef& entry : key->value(valuesField).toArray()) {
        const QJsonArray pair = entry.toArray();
        if (pair.size() == 2 && pair[0].toString() == name && pair[1].isString()) {
            return pair[1].toString();
        }
    }
    return std::nullopt;
}

bool Registry::setValue(const QStringList& keyPath, const QString& name, const QString& value) {
    return change(path, keyPath, [&](QJsonObject& key) { putValue(key, name, value); });
}

QStringList Registry::valueNames(const QStringList& keyPath) const {
    QStringList names;
    const auto key = findKey(load(path).root, keyPath);
    if (!key) {
        return names;
    }
    for (const QJsonValueRef& entry : key->value(valuesField).toArray()) {
        names.append(entry.toArray().at(0).toString());
    }
    return names;
}
