#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Greeting-text graphics: the sentiments of an occasion and the general greetings offered
// with every occasion. Painted at print size on a transparent canvas.
namespace GreetingPainter {

enum class Ornament { None, Hearts, Stars, Flowers, Leaves, Snowflakes };
enum class Badge { Banner, Heart, Star, Cloud };

// A line or two of greeting text (lines separated by "\n") with small ornaments at its ends.
QImage sentiment(const QString& text, const QColor& ink, const QColor& glow, Ornament ornament);
// Text on a badge (a ribbon banner, a heart, a star or a cloud).
QImage badge(const QString& text, Badge shape, const QColor& colour);

} // namespace GreetingPainter
