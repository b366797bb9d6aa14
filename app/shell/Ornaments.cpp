#include "app/shell/Ornaments.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

void Ornaments::drawHeart(QPainter& painter, QPointF centre, double size, const QColor& colour) {
    const double s = size / 2;
    QPainterPath heart;
    heart.moveTo(centre.x(), centre.y() + s);
    heart.cubicTo(centre.x() - s * 1.6, centre.y() - s * 0.2, centre.x() - s * 0.7,
                  centre.y() - s * 1.3, centre.x(), centre.y() - s * 0.45);
    heart.cubicTo(centre.x() + s * 0.7, centre.y() - s * 1.3, centre.x() + s * 1.6,
                  centre.y() - s * 0.2, centre.x(), centre.y() + s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(heart);
}

void Ornaments::drawStar(QPainter& painter, QPointF centre, double radius, int points,
                         double innerRatio, const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? radius : radius * innerRatio;
        const double angle = -M_PI / 2 + i * M_PI / points;
        const QPointF corner = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        i == 0 ? star.moveTo(corner) : star.lineTo(corner);
    }
    star.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(star);
}
