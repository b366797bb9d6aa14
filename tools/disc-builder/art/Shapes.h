#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

// Outlines used by the subjects, the borders and the photo holes.
namespace Shapes {

QPainterPath heart(const QRectF& box);
QPainterPath star(const QPointF& centre, double outerRadius, double innerRatio = 0.45,
                  int points = 5, double turnDegrees = 0);
QPainterPath roundedRect(const QRectF& box, double radius);
QPainterPath oval(const QRectF& box);
// A rectangle with a half-round top, like a window arch.
QPainterPath arch(const QRectF& box);
// A rounded rectangle whose edge is a row of small bumps.
QPainterPath scalloped(const QRectF& box, double bump);
// A rectangle with its corners cut off at 45 degrees, like a ticket.
QPainterPath ticket(const QRectF& box, double cut);
QPainterPath leaf(const QPointF& base, const QPointF& tip, double width);
QPainterPath mapleLeaf(const QRectF& box);
QPainterPath cloud(const QRectF& box);
QPainterPath hollyLeaf(const QPointF& base, const QPointF& tip, double width);
QPainterPath snowflake(const QPointF& centre, double radius, double stroke);
QPainterPath teardrop(const QRectF& box);

} // namespace Shapes
