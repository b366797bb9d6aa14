#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

// The common strokes of the artwork: shaded fills with an outline, gloss, soft shadows.
namespace PaintKit {

// Inside art, white is drawn as this off-white: the editor shows pure white as transparent.
inline const QColor kOffWhite(250, 250, 250);

QColor lighter(const QColor& colour, int percent);
QColor darker(const QColor& colour, int percent);
QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor colour, int alpha);

// Fills with a light-to-dark gradient of the colour and outlines in a deeper shade of it.
void shaded(QPainter& painter, const QPainterPath& path, const QColor& colour,
            double outline = 2.0);
// A flat fill with an outline in a deeper shade.
void flat(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline = 2.0);
// A round, soft-edged highlight.
void gloss(QPainter& painter, const QRectF& box, int alpha = 150);
// A soft shadow of the path, offset down and to the right.
void shadow(QPainter& painter, const QPainterPath& path, const QPointF& offset, double softness,
            int alpha = 60);
void line(QPainter& painter, const QPointF& from, const QPointF& to, const QColor& colour,
          double width);
void curve(QPainter& painter, const QPainterPath& path, const QColor& colour, double width);

} // namespace PaintKit
