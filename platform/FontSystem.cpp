#include "platform/FontSystem.h"

#include <QFont>
#include <QFontDatabase>

QStringList FontSystem::families() {
    QStringList names;
    for (const QString& family : QFontDatabase::families()) {
        if (!names.contains(family)) {
            names.append(family);
        }
    }
    return names;
}

bool FontSystem::addTemporaryFont(const QString& file) {
    return QFontDatabase::addApplicationFont(file) >= 0;
}

void FontSystem::installSubstitutes() {
    const struct {
        const char* family;
        QStringList substitutes;
    } table[] = {
        {"Comic Sans MS", {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")}},
        {"Arial", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {"MS Sans Serif", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
        {"Courier New", {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
    };
    for (const auto& entry : table) {
        QFont::insertSubstitutions(QString::fromLatin1(entry.family), entry.substitutes);
    }
}
