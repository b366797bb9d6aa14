#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

// Small decorations that the program's own pictures share.
namespace Ornaments {

void drawHeart(QPainter& painter, QPointF centre, double size, const QColor& colour);
// A star of `points` points; innerRatio is the inner corners' distance from the centre as a
// part of the radius (0.45 a plain star, 0.3 a sparkle).
void drawStar(QPainter& painter, QPointF centre, double radius, int points, double innerRatio,
              const QColor& colour);

} // namespace Ornaments
