#include "platform/IniFile.h"

#include "platform/TextEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The section name of a "[name]" line, or a null string for any other line.
QString sectionName(const QString& line) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('['))) {
        return QString();
    }
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0) {
        return QString();
    }
    QString name = trimmed.mid(1, close - 1).trimmed();
    if (name.isNull()) {
        name = QLatin1String("");
    }
    return name;
}

bool isEntryLine(const QString& trimmed) {
    return !trimmed.isEmpty() && !trimmed.startsWith(QLatin1Char(';'));
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

// Reads a regular file without ever waiting on a pipe or device: the file is opened without
// blocking and checked before anything is read.
bool readRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes, bool* missing,
                     QString* error) {
    *missing = false;
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *missing = errno == ENOENT;
        *error = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        *error = QStringLiteral("Not a regular file");
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file.errorString();
        return false;
    }
#else
    const QFileInfo info(path);
    if (!info.exists()) {
        *missing = true;
        *error = QStringLiteral("No such file");
        return false;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("Not a regular file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
#endif
    *bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes + 1);
    if (maxBytes >= 0 && bytes->size() > maxBytes) {
        *error = QStringLiteral("File too large");
        return false;
    }
    return true;
}

} // namespace

IniFile::IniFile(QString path) : filePath(std::move(path)) {}

bool IniFile::load(qint64 maxBytes) {
    lines.clear();
    error.clear();
    QByteArray bytes;
    bool missing = false;
    if (!readRegularFile(filePath, maxBytes, &bytes, &missing, &error)) {
        if (missing) {
            error.clear();
            return true;
        }
        return false;
    }
    lines = splitLines(TextEncoding::decode(bytes));
    return true;
}

bool IniFile::save() {
    error.clear();
    const QFileInfo info(filePath);
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("Not a regular file");
        return false;
    }
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray bytes = TextEncoding::encode(text());
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

qsizetype IniFile::find(const QString& name) const {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString found = sectionName(lines.at(i));
        if (!found.isNull() && found.compare(name.trimmed(), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

qsizetype IniFile::sectionEnd(qsizetype header) const {
    qsizetype next = header + 1;
    while (next < lines.size() && sectionName(lines.at(next)).isNull()) {
        ++next;
    }
    return next;
}

bool IniFile::hasSection(const QString& name) const {
    return find(name) >= 0;
}

QStringList IniFile::section(const QString& name) const {
    QStringList entries;
    const qsizetype header = find(name);
    if (header < 0) {
        return entries;
    }
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const QString trimmed = lines.at(i).trimmed();
        if (isEntryLine(trimmed)) {
            entries.append(trimmed);
        }
    }
    return entries;
}

void IniFile::setSection(const QString& name, const QStringList& entries) {
    const qsizetype header = find(name);
    if (header < 0) {
        lines.append(QLatin1Char('[') + name + QLatin1Char(']'));
        lines.append(entries);
        return;
    }
    // The old lines go; blank lines that end the section stay as the gap before the next one.
    qsizetype end = sectionEnd(header);
    while (end > header + 1 && lines.at(end - 1).trimmed().isEmpty()) {
        --end;
    }
    lines.erase(lines.begin() + header + 1, lines.begin() + end);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        lines.insert(header + 1 + i, entries.at(i));
    }
}

void IniFile::removeSection(const QString& name) {
    const qsizetype header = find(name);
    if (header >= 0) {
        lines.erase(lines.begin() + header, lines.begin() + sectionEnd(header));
    }
}

QString IniFile::text() const {
    QString all;
    for (const QString& line : lines) {
        all += line;
        all += QLatin1String("\r\n");
    }
    return all;
}

QStringList IniFile::ReadSection(const QString& path, const QString& name, qint64 maxBytes) {
    IniFile file(path);
    if (!file.load(maxBytes)) {
        return {};
    }
    return file.section(name);
}
