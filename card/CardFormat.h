#pragma once

#include "card/TextLines.h"

#include <QString>
#include <QtGlobal>

// The words and value formats of card files.
namespace CardFormat {

inline const QString HeaderSection = QStringLiteral("Varno Tessaly Picture");
inline const QString ObjectsSection = QStringLiteral("Display Objects");
inline const QString FileType = QStringLiteral("Varno Tessaly Picture");
inline const QString ArtObjectWord = QStringLiteral("art object");
inline const QString TextObjectWord = QStringLiteral("text object");
// Encloses each line of a text object's Source.
inline const QString LineMarker = QStringLiteral("//\"");
// A card file at least this long is not read.
constexpr qint64 TooLargeBytes = 32001;

// "key = value".
QString Entry(const QString& key, const QString& value);
// Number rule N: a blank before a number that is zero or positive, "-" before a negative one.
QString Number(qint64 value);
// Upper-case hexadecimal without prefix or leading zeros.
QString Color(qint32 color);
QString Boolean(bool value);
// The shortest decimal text that reads back as the same size, with "." as decimal point.
QString Size(float size);
// Each line between two markers, the lines separated by ",".
QString Lines(const TextLines& lines);

} // namespace CardFormat
