#include "card/CardFormat.h"

#include <charconv>
#include <cmath>

QString CardFormat::Entry(const QString& key, const QString& value) {
    return key + QStringLiteral(" = ") + value;
}

QString CardFormat::Number(qint64 value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString CardFormat::Color(qint32 color) {
    return QString::number(static_cast<quint32>(color), 16).toUpper();
}

QString CardFormat::Boolean(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString CardFormat::Size(float size) {
    if (!std::isfinite(size)) {
        return QStringLiteral("0");
    }
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, size, std::chars_format::fixed);
    return QString::fromLatin1(digits, result.ptr - digits);
}

QString CardFormat::Lines(const TextLines& lines) {
    QString value;
    for (const QString& line : lines) {
        if (!value.isEmpty()) {
            value += QLatin1Char(',');
        }
        // A line break inside a line would end the entry; the card keeps the line in one piece.
        QString kept = line;
        kept.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        value += LineMarker + kept + LineMarker;
    }
    return value;
}
