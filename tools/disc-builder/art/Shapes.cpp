#include "tools/disc-builder/art/Shapes.h"

#include <QLineF>
#include <QPainterPathStroker>
#include <QtMath>

namespace Shapes {

QPainterPath heart(const QRectF& box) {
    const double x = box.left();
    const double y = box.top();
    const double w = box.width();
    const double h = box.height();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.38, y + h * 0.86, x, y + h * 0.64, x, y + h * 0.32);
    path.cubicTo(x, y + h * 0.1, x + w * 0.14, y, x + w * 0.28, y);
    path.cubicTo(x + w * 0.4, y, x + w * 0.48, y + h * 0.08, x + w * 0.5, y + h * 0.2);
    path.cubicTo(x + w * 0.52, y + h * 0.08, x + w * 0.6, y, x + w * 0.72, y);
    path.cubicTo(x + w * 0.86, y, x + w, y + h * 0.1, x + w, y + h * 0.32);
    path.cubicTo(x + w, y + h * 0.64, x + w * 0.62, y + h * 0.86, x + w * 0.5, y + h);
    path.closeSubpath();
    return path;
}

QPainterPath star(const QPointF& centre, double outerRadius, double innerRatio, int points,
                  double turnDegrees) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 == 0 ? outerRadius : outerRadius * innerRatio;
        const double angle = qDegreesToRadians(turnDegrees - 90.0 + i * 180.0 / points);
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath roundedRect(const QRectF& box, double radius) {
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath oval(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box);
    return path;
}

QPainterPath arch(const QRectF& box) {
    // A half-round top on a tall box; on a wide box a flatter, elliptical top.
    const double rise = qMin(box.width() / 2, box.height() / 2);
    const QRectF top(box.left(), box.top(), box.width(), rise * 2);
    QPainterPath path;
    path.moveTo(box.left(), box.bottom());
    path.lineTo(box.left(), box.top() + rise);
    path.arcTo(top, 180, -180);
    path.lineTo(box.right(), box.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath scalloped(const QRectF& box, double bump) {
    const QRectF inner = box.adjusted(bump, bump, -bump, -bump);
    QPainterPath path = roundedRect(inner, bump);
    const int across = qMax(2, int(inner.width() / (bump * 1.6)));
    const int down = qMax(2, int(inner.height() / (bump * 1.6)));
    for (int i = 0; i <= across; ++i) {
        const double x = inner.left() + inner.width() * i / across;
        path.addEllipse(QPointF(x, inner.top()), bump, bump);
        path.addEllipse(QPointF(x, inner.bottom()), bump, bump);
    }
    for (int i = 1; i < down; ++i) {
        const double y = inner.top() + inner.height() * i / down;
        path.addEllipse(QPointF(inner.left(), y), bump, bump);
        path.addEllipse(QPointF(inner.right(), y), bump, bump);
    }
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath ticket(const QRectF& box, double cut) {
    QPainterPath path;
    path.moveTo(box.left() + cut, box.top());
    path.lineTo(box.right() - cut, box.top());
    path.lineTo(box.right(), box.top() + cut);
    path.lineTo(box.right(), box.bottom() - cut);
    path.lineTo(box.right() - cut, box.bottom());
    path.lineTo(box.left() + cut, box.bottom());
    path.lineTo(box.left(), box.bottom() - cut);
    path.lineTo(box.left(), box.top() + cut);
    path.closeSubpath();
    return path;
}

QPainterPath leaf(const QPointF& base, const QPointF& tip, double width) {
    const QLineF axis(base, tip);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length() * width;
    const QPointF third = base + (tip - base) * 0.35;
    const QPointF twoThirds = base + (tip - base) * 0.75;
    QPainterPath path;
    path.moveTo(base);
    path.cubicTo(third + normal, twoThirds + normal * 0.8, tip);
    path.cubicTo(twoThirds - normal * 0.8, third - normal, base);
    path.closeSubpath();
    return path;
}

QPainterPath mapleLeaf(const QRectF& box) {
    // Points of one half of the leaf in a 100 x 100 box, mirrored for the other half.
    static const QPointF half[] = {{50, 0},  {58, 16}, {66, 12}, {63, 34},  {80, 22},
                                   {84, 30}, {98, 28}, {92, 44}, {100, 50}, {78, 64},
                                   {82, 74}, {58, 70}, {56, 86}, {52, 86}};
    QPolygonF outline;
    for (const QPointF& p : half) {
        outline << p;
    }
    for (int i = int(std::size(half)) - 1; i >= 1; --i) {
        outline << QPointF(100 - half[i].x(), half[i].y());
    }
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width() / 100.0, box.height() / 100.0);
    QPainterPath path;
    path.addPolygon(toBox.map(outline));
    path.closeSubpath();
    QPainterPath stem;
    stem.addRect(toBox.mapRect(QRectF(48.5, 84, 3, 16)));
    return path.united(stem);
}

QPainterPath cloud(const QRectF& box) {
    const double w = box.width();
    const double h = box.height();
    QPainterPath path;
    path.addEllipse(QRectF(box.left(), box.top() + h * 0.35, w * 0.4, h * 0.65));
    path.addEllipse(QRectF(box.left() + w * 0.2, box.top(), w * 0.45, h * 0.8));
    path.addEllipse(QRectF(box.left() + w * 0.5, box.top() + h * 0.2, w * 0.5, h * 0.8));
    path.addRect(QRectF(box.left() + w * 0.2, box.top() + h * 0.6, w * 0.6, h * 0.4));
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath hollyLeaf(const QPointF& base, const QPointF& tip, double width) {
    const QLineF axis(base, tip);
    const QPointF along = (tip - base);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length() * width;
    QPainterPath path;
    path.moveTo(base);
    constexpr int kSpikes = 3;
    for (int i = 1; i <= kSpikes; ++i) {
        const double t0 = (i - 0.5) / kSpikes;
        const double t1 = double(i) / kSpikes;
        const double bulge = std::sin(M_PI * t0);
        path.quadTo(base + along * (t0 - 0.12) + normal * bulge * 0.6,
                    base + along * t0 + normal * bulge * 1.05);
        path.quadTo(base + along * (t1 - 0.2) + normal * bulge * 0.55,
                    i == kSpikes ? tip : base + along * t1 + normal * std::sin(M_PI * t1) * 0.7);
    }
    for (int i = kSpikes; i >= 1; --i) {
        const double t0 = (i - 0.5) / kSpikes;
        const double t1 = double(i - 1) / kSpikes;
        const double bulge = std::sin(M_PI * t0);
        path.quadTo(base + along * (t0 + 0.12) - normal * bulge * 0.6,
                    base + along * t0 - normal * bulge * 1.05);
        path.quadTo(base + along * (t1 + 0.2) - normal * bulge * 0.55,
                    i == 1 ? base : base + along * t1 - normal * std::sin(M_PI * t1) * 0.7);
    }
    path.closeSubpath();
    return path;
}

QPainterPath snowflake(const QPointF& centre, double radius, double stroke) {
    QPainterPath lines;
    for (int arm = 0; arm < 6; ++arm) {
        const double angle = qDegreesToRadians(arm * 60.0);
        const QPointF direction(std::cos(angle), std::sin(angle));
        const QPointF end = centre + direction * radius;
        lines.moveTo(centre);
        lines.lineTo(end);
        for (double at : {0.5, 0.75}) {
            const QPointF joint = centre + direction * radius * at;
            const double branch = radius * (at == 0.5 ? 0.3 : 0.2);
            for (double side : {-1.0, 1.0}) {
                const double a = angle + side * qDegreesToRadians(45.0);
                lines.moveTo(joint);
                lines.lineTo(joint + QPointF(std::cos(a), std::sin(a)) * branch);
            }
        }
    }
    QPainterPathStroker stroker;
    stroker.setWidth(stroke);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(lines).simplified();
}

QPainterPath teardrop(const QRectF& box) {
    QPainterPath path;
    const double w = box.width();
    const double h = box.height();
    path.moveTo(box.left() + w / 2, box.top());
    path.cubicTo(box.left() + w * 0.55, box.top() + h * 0.3, box.right(), box.top() + h * 0.45,
                 box.right(), box.top() + h * 0.68);
    path.arcTo(QRectF(box.left(), box.bottom() - w, w, w), 0, -180);
    path.cubicTo(box.left(), box.top() + h * 0.45, box.left() + w * 0.45, box.top() + h * 0.3,
                 box.left() + w / 2, box.top());
    path.closeSubpath();
    return path;
}

} // namespace Shapes
