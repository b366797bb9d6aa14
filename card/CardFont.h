#pragma once

#include <QString>

// The font of a text object: family name, size in points, bold, italic. A new one has the
// program's default text font.
struct CardFont {
    QString Name = QStringLiteral("Arial");
    float Size = 12.0f;
    bool Bold = false;
    bool Italic = false;

    bool operator==(const CardFont&) const = default;
};
