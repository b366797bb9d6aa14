#pragma once

#include <QString>
#include <QStringList>

// A file in the layout of an initialisation file: "[section]" lines, each followed by its entry
// lines. Works on whole sections, finds section names without regard to case and keeps all
// other content. load() reads only regular files, so a path that names a device or a pipe never
// blocks; save() replaces the file atomically and writes CR LF line ends.
class IniFile {
public:
    explicit IniFile(QString path);

    // Reads the file. A missing file reads as empty and counts as success; a path that is not a
    // regular file, an unreadable file or one above maxBytes (when not negative) fails.
    bool load(qint64 maxBytes = -1);
    // Writes the file, creating it when missing; false with errorString() when it cannot.
    bool save();

    bool hasSection(const QString& name) const;
    // The non-blank lines of the first section of that name, blanks trimmed, without comment
    // lines; empty when the section is missing.
    QStringList section(const QString& name) const;
    // Replaces the entries of the first section of that name, or appends a new section.
    void setSection(const QString& name, const QStringList& entries);
    void removeSection(const QString& name);

    // Everything, as it would be written.
    QString text() const;

    const QString& errorString() const { return error; }

    // Convenience for one read of one section.
    static QStringList ReadSection(const QString& path, const QString& name, qint64 maxBytes = -1);

private:
    // The line of the first "[name]" header, -1 when there is none.
    qsizetype find(const QString& name) const;
    // The line after the last line of the section that starts at header.
    qsizetype sectionEnd(qsizetype header) const;

    QString filePath;
    QStringList lines;
    QString error;
};
