#include "tools/disc-builder/DiscFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

bool fail(QString* error, const QString& reason) {
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

} // namespace

bool DiscFolder::Prepare(const QString& discRoot, const QString& catalogueFile, QString* error) {
    QDir disc(discRoot);
    if (disc.exists()) {
        const bool empty = disc.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (!empty && !disc.exists(QStringLiteral("Graphics"))) {
            return fail(
                error,
                QStringLiteral("%1 is not a disc folder; it is left as it is.").arg(discRoot));
        }
        if (!disc.removeRecursively()) {
            return fail(error, QStringLiteral("Cannot empty %1.").arg(discRoot));
        }
    }
    if (QFileInfo::exists(catalogueFile) && !QFile::remove(catalogueFile)) {
        return fail(error, QStringLiteral("Cannot remove %1.").arg(catalogueFile));
    }
    if (!QDir().mkpath(discRoot + QStringLiteral("/Graphics"))) {
        return fail(error, QStringLiteral("Cannot create %1.").arg(discRoot));
    }
    return true;
}

bool DiscFolder::CopyContent(const QString& contentFolder, const QString& discRoot,
                             QString* error) {
    const QDir content(contentFolder);
    if (!content.exists()) {
        return true;
    }
    QDirIterator files(contentFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = discRoot + QLatin1Char('/') + content.relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target)) {
            return fail(error, QStringLiteral("Cannot copy %1 to %2.").arg(source, target));
        }
    }
    return true;
}
