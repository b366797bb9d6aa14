#pragma once

#include "card/TextLines.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The card reader's parsing helpers. Entries are a section's lines ("key = value", blanks around
// "=" optional); entry and list positions count from 1, and 0 means "from the start".
namespace CardParsing {

// The value of the first entry from position on whose name is key (letter case counts), blanks
// trimmed; position moves to the entry after it. Not found: "" and position 0.
QString GetEntryValue(const QString& key, const QStringList& entries, int& position);
QString GetEntryValue(const QString& key, const QStringList& entries);

// The first entry of key from position on, with every following entry up to the next one that
// begins with key; position moves behind the group. Empty when there is none.
QStringList GetEntryGroup(const QString& key, const QStringList& entries, int& position);

// The item of a comma-separated value that starts at position, untrimmed; position moves behind
// the comma, or to 0 after the last item.
QString NextListItem(const QString& value, int& position);

// Every piece of text between a line marker and the next one.
std::shared_ptr<TextLines> ParseTextLines(const QString& value);

// The decimal number at the start of text (leading blanks allowed, anything else reads as 0).
// A value that does not fit 32 bits, or lies outside min..max, gives fallback.
qint32 ParseLong(const QString& text, std::optional<qint32> min = std::nullopt,
                 std::optional<qint32> max = std::nullopt, qint32 fallback = 0);

// The decimal number at the start of text (anything else reads as 0), clamped to min..max;
// only a number too large to hold gives fallback.
double ParseDouble(const QString& text, std::optional<double> min = std::nullopt,
                   std::optional<double> max = std::nullopt, double fallback = 0);

// True only for exactly "True".
bool ParseBoolean(const QString& text);

// Hexadecimal digits as a colour; "FF00" is 65280. Not a colour reads as 0.
qint32 ParseColor(const QString& text);

} // namespace CardParsing
