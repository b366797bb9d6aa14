#include "tools/disc-builder/art/PaintKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace PaintKit {

QColor lighter(const QColor& colour, int percent) {
    return mix(colour, QColor(255, 255, 255), percent / 100.0);
}

QColor darker(const QColor& colour, int percent) {
    return mix(colour, QColor(0, 0, 0), percent / 100.0);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void shaded(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline) {
    const QRectF box = path.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0.0, lighter(colour, 35));
    gradient.setColorAt(0.55, colour);
    gradient.setColorAt(1.0, darker(colour, 22));
    painter.save();
    painter.setBrush(gradient);
    if (outline > 0) {
        painter.setPen(
            QPen(darker(colour, 45), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawPath(path);
    painter.restore();
}

void flat(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline) {
    painter.save();
    painter.setBrush(colour);
    if (outline > 0) {
        painter.setPen(
            QPen(darker(colour, 45), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawPath(path);
    painter.restore();
}

void gloss(QPainter& painter, const QRectF& box, int alpha) {
    QRadialGradient gradient(box.center(), qMax(box.width(), box.height()) / 2);
    gradient.setColorAt(0.0, QColor(255, 255, 255, alpha));
    gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(box);
    painter.restore();
}

void shadow(QPainter& painter, const QPainterPath& path, const QPointF& offset, double softness,
            int alpha) {
    painter.save();
    painter.translate(offset);
    constexpr int kSteps = 4;
    const QColor layer(0, 0, 0, qMax(1, alpha / (2 * kSteps)));
    painter.setBrush(layer);
    for (int i = kSteps; i >= 1; --i) {
        painter.setPen(
            QPen(layer, softness * i / kSteps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.restore();
}

void line(QPainter& painter, const QPointF& from, const QPointF& to, const QColor& colour,
          double width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    painter.restore();
}

void curve(QPainter& painter, const QPainterPath& path, const QColor& colour, double width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

} // namespace PaintKit
