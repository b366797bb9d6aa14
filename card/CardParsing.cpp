#include "card/CardParsing.h"

#include "card/CardFormat.h"

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

qsizetype skipBlanks(const QString& text, qsizetype at) {
    while (at < text.size() && isBlank(text.at(at))) {
        ++at;
    }
    return at;
}

// Where the value of an entry of key starts (behind the "="), or -1 when the entry is not one of
// key. Only the entry's name counts, so a value that happens to contain "key =" is never taken
// for the entry.
qsizetype valueStart(const QString& entry, const QString& key) {
    const qsizetype nameStart = skipBlanks(entry, 0);
    if (key.isEmpty() || !QStringView(entry).mid(nameStart).startsWith(key)) {
        return -1;
    }
    const qsizetype equals = skipBlanks(entry, nameStart + key.size());
    if (equals >= entry.size() || entry.at(equals) != QLatin1Char('=')) {
        return -1;
    }
    return equals + 1;
}

bool beginsWithKey(const QString& entry, const QString& key) {
    return QStringView(entry).mid(skipBlanks(entry, 0)).startsWith(key);
}

int firstEntryOf(const QString& key, const QStringList& entries, int position) {
    for (int i = std::max(position, 1); i <= entries.size(); ++i) {
        if (valueStart(entries.at(i - 1), key) >= 0) {
            return i;
        }
    }
    return 0;
}

struct Number {
    bool found = false;
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
    qsizetype end = 0;
};

// Reads [blanks][sign]digits[.digits] from the start of text.
Number readNumber(const QString& text) {
    Number number;
    qsizetype at = skipBlanks(text, 0);
    if (at < text.size() && (text.at(at) == QLatin1Char('-') || text.at(at) == QLatin1Char('+'))) {
        number.negative = text.at(at) == QLatin1Char('-');
        ++at;
    }
    while (at < text.size() && text.at(at).isDigit() && text.at(at).unicode() < 128) {
        number.integerDigits += text.at(at++);
    }
    if (at < text.size() && text.at(at) == QLatin1Char('.')) {
        ++at;
        while (at < text.size() && text.at(at).isDigit() && text.at(at).unicode() < 128) {
            number.fractionDigits += text.at(at++);
        }
    }
    number.found = !number.integerDigits.isEmpty() || !number.fractionDigits.isEmpty();
    number.end = at;
    return number;
}

} // namespace

QString CardParsing::GetEntryValue(const QString& key, const QStringList& entries, int& position) {
    const int found = firstEntryOf(key, entries, position);
    if (found == 0) {
        position = 0;
        return QString();
    }
    position = found + 1;
    const QString& entry = entries.at(found - 1);
    return entry.mid(valueStart(entry, key)).trimmed();
}

QString CardParsing::GetEntryValue(const QString& key, const QStringList& entries) {
    int position = 0;
    return GetEntryValue(key, entries, position);
}

QStringList CardParsing::GetEntryGroup(const QString& key, const QStringList& entries,
                                       int& position) {
    const int found = firstEntryOf(key, entries, position);
    if (found == 0) {
        position = 0;
        return {};
    }
    QStringList group{entries.at(found - 1)};
    int next = found + 1;
    while (next <= entries.size() && !beginsWithKey(entries.at(next - 1), key)) {
        group.append(entries.at(next - 1));
        ++next;
    }
    position = next;
    return group;
}

QString CardParsing::NextListItem(const QString& value, int& position) {
    const qsizetype start = std::max(position, 1) - 1;
    if (start >= value.size()) {
        position = 0;
        return QString();
    }
    const qsizetype comma = value.indexOf(QLatin1Char(','), start);
    if (comma < 0) {
        position = 0;
        return value.mid(start);
    }
    position = static_cast<int>(comma + 2);
    return value.mid(start, comma - start);
}

std::shared_ptr<TextLines> CardParsing::ParseTextLines(const QString& value) {
    auto lines = std::make_shared<TextLines>();
    const QString& marker = CardFormat::LineMarker;
    qsizetype at = 0;
    for (;;) {
        const qsizetype open = value.indexOf(marker, at);
        if (open < 0) {
            break;
        }
        const qsizetype close = value.indexOf(marker, open + marker.size());
        if (close < 0) {
            break;
        }
        lines->Add(value.mid(open + marker.size(), close - open - marker.size()));
        at = close + marker.size();
    }
    return lines;
}

qint32 CardParsing::ParseLong(const QString& text, std::optional<qint32> min,
                              std::optional<qint32> max, qint32 fallback) {
    const Number number = readNumber(text);
    QString digits = number.integerDigits;
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0'))) {
        digits.remove(0, 1);
    }
    if (digits.size() > 11) {
        return fallback;
    }
    qint64 value = digits.isEmpty() ? 0 : digits.toLongLong();
    // Halves go to the even number, as every conversion of the program rounds.
    const QString& fraction = number.fractionDigits;
    if (!fraction.isEmpty() && fraction.at(0) >= QLatin1Char('5')) {
        const bool exactHalf =
            fraction.at(0) == QLatin1Char('5') &&
            QStringView(fraction).mid(1).count(QLatin1Char('0')) == fraction.size() - 1;
        if (!exactHalf || value % 2 == 1) {
            ++value;
        }
    }
    if (number.negative) {
        value = -value;
    }
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max() ||
        (min && value < *min) || (max && value > *max)) {
        return fallback;
    }
    return static_cast<qint32>(value);
}

double CardParsing::ParseDouble(const QString& text, std::optional<double> min,
                                std::optional<double> max, double fallback) {
    const Number number = readNumber(text);
    double value = 0;
    if (number.found) {
        QString literal =
            (number.negative ? QStringLiteral("-") : QString()) +
            (number.integerDigits.isEmpty() ? QStringLiteral("0") : number.integerDigits);
        if (!number.fractionDigits.isEmpty()) {
            literal += QLatin1Char('.') + number.fractionDigits;
        }
        // An exponent counts only when digits follow it.
        qsizetype at = number.end;
        if (at < text.size() &&
            (text.at(at) == QLatin1Char('e') || text.at(at) == QLatin1Char('E'))) {
            QString exponent = QStringLiteral("e");
            ++at;
            if (at < text.size() &&
                (text.at(at) == QLatin1Char('-') || text.at(at) == QLatin1Char('+'))) {
                exponent += text.at(at++);
            }
            const qsizetype firstDigit = at;
            while (at < text.size() && text.at(at).isDigit() && text.at(at).unicode() < 128) {
                exponent += text.at(at++);
            }
            if (at > firstDigit) {
                literal += exponent;
            }
        }
        value = literal.toDouble();
        if (!std::isfinite(value)) {
            return fallback;
        }
    }
    if (min && value < *min) {
        return *min;
    }
    if (max && value > *max) {
        return *max;
    }
    return value;
}

bool CardParsing::ParseBoolean(const QString& text) {
    return text == QLatin1String("True");
}

qint32 CardParsing::ParseColor(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() &&
           QStringLiteral("0123456789abcdefABCDEF").contains(trimmed.at(end))) {
        ++end;
    }
    QString digits = trimmed.left(end);
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0'))) {
        digits.remove(0, 1);
    }
    if (digits.isEmpty() || digits.size() > 8) {
        return 0;
    }
    return static_cast<qint32>(digits.toUInt(nullptr, 16));
}
