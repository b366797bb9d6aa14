#pragma once

#include <QString>
#include <QStringList>

// The lines of a text object, top to bottom, counted from 1. A line the user ended with Enter
// keeps the line-end marker (code 31) as its last character.
class TextLines {
public:
    TextLines() = default;
    explicit TextLines(QStringList lines) : lines(std::move(lines)) {}

    int Count() const { return static_cast<int>(lines.size()); }
    // The line at a 1-based position; throws CollectionError outside 1..Count.
    const QString& Item(int position) const;
    void Add(const QString& line) { lines.append(line); }
    void Remove(int position);

    const QStringList& toList() const { return lines; }
    QStringList::const_iterator begin() const { return lines.begin(); }
    QStringList::const_iterator end() const { return lines.end(); }

private:
    QStringList lines;
};
