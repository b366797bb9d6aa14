#include "tools/disc-builder/art/Borders.h"

#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"

#include <QLineF>
#include <QLinearGradient>
#include <QRandomGenerator>
#include <QtMath>

using namespace PaintKit;

namespace {

// Points spaced about evenly along the rectangle's outline, clockwise from its top-left
// corner, with a point on every corner so that the corners look alike.
QVector<QPointF> pointsAround(const QRectF& rect, double spacing) {
    const QPointF corners[] = {rect.topLeft(), rect.topRight(), rect.bottomRight(),
                               rect.bottomLeft()};
    QVector<QPointF> points;
    for (int side = 0; side < 4; ++side) {
        const QPointF from = corners[side];
        const QPointF to = corners[(side + 1) % 4];
        const double length = QLineF(from, to).length();
        const int count = qMax(1, int(std::lround(length / spacing)));
        for (int i = 0; i < count; ++i) {
            points << from + (to - from) * (double(i) / count);
        }
    }
    return points;
}

QPainterPath bandPath(const QRectF& card, double width) {
    QPainterPath band;
    band.addRect(card);
    band.addRoundedRect(card.adjusted(width, width, -width, -width), width * 0.6, width * 0.6);
    band.setFillRule(Qt::OddEvenFill);
    return band;
}

void innerLine(QPainter& p, const QRectF& card, double inset, const QColor& colour, double width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width));
    p.drawRoundedRect(card.adjusted(inset, inset, -inset, -inset), inset * 0.5, inset * 0.5);
    p.restore();
}

void confetti(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    const QColor colours[] = {palette.primary, palette.secondary, palette.accent,
                              QColor(250, 200, 50), QColor(90, 180, 240)};
    const QRectF inner =
        card.adjusted(Borders::kBand, Borders::kBand, -Borders::kBand, -Borders::kBand);
    for (int i = 0; i < 170; ++i) {
        QPointF at(random.bounded(card.width()), random.bounded(card.height()));
        if (inner.contains(at) && random.bounded(6) != 0) {
            continue;
        }
        p.save();
        p.translate(at);
        p.rotate(random.bounded(180));
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i % 5]);
        const int kind = random.bounded(3);
        if (kind == 0) {
            p.drawEllipse(QPointF(0, 0), 32, 32);
        } else if (kind == 1) {
            p.drawRect(QRectF(-45, -20, 90, 40));
        } else {
            QPainterPath curl;
            curl.moveTo(-60, 0);
            curl.cubicTo(-30, -40, -10, 40, 20, 0);
            curl.cubicTo(40, -30, 55, 10, 70, 0);
            curve(p, curl, colours[i % 5], 16);
        }
        p.restore();
    }
    innerLine(p, card, Borders::kBand * 0.5, palette.primary, 20);
}

void dots(QPainter& p, const QRectF& card, const Palette& palette) {
    const double band = Borders::kBand * 0.75;
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient gradient(card.topLeft(), card.bottomRight());
    gradient.setColorAt(0, lighter(palette.primary, 12));
    gradient.setColorAt(1, darker(palette.primary, 8));
    p.setBrush(gradient);
    p.drawPath(bandPath(card, band));
    p.setBrush(withAlpha(kOffWhite, 220));
    for (const QPointF& at :
         pointsAround(card.adjusted(band / 2, band / 2, -band / 2, -band / 2), band * 1.1)) {
        p.drawEllipse(at, band * 0.22, band * 0.22);
    }
    p.restore();
    innerLine(p, card, band + 45, palette.accent, 18);
}

void scallops(QPainter& p, const QRectF& card, const Palette& palette) {
    const double bump = 85;
    const QRectF inner = card.adjusted(Borders::kBand * 0.55, Borders::kBand * 0.55,
                                       -Borders::kBand * 0.55, -Borders::kBand * 0.55);
    QPainterPath edge;
    edge.addRect(card);
    QPainterPath bumps = Shapes::scalloped(inner, bump);
    QPainterPath band = edge.subtracted(bumps);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(palette.primary);
    p.drawPath(band);
    p.setPen(QPen(palette.accent, 14));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Shapes::scalloped(inner.adjusted(-25, -25, 25, 25), bump + 20));
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kOffWhite, 200));
    for (const QPointF& at : pointsAround(card.adjusted(45, 45, -45, -45), 180)) {
        p.drawEllipse(at, 18, 18);
    }
    p.restore();
}

void hollySprig(QPainter& p, const QPointF& at, double size, double turn, const Palette& palette) {
    p.save();
    p.translate(at);
    p.rotate(turn);
    const QColor leafColour = palette.secondary;
    for (double angle : {-35.0, 35.0, 180.0}) {
        p.save();
        p.rotate(angle);
        const QPainterPath leaf = Shapes::hollyLeaf(QPointF(0, 0), QPointF(size, 0), size * 0.22);
        shaded(p, leaf, leafColour, size * 0.02);
        line(p, QPointF(0, 0), QPointF(size * 0.9, 0), darker(leafColour, 35), size * 0.02);
        p.restore();
    }
    for (int i = 0; i < 3; ++i) {
        const QPointF berry(std::cos(i * 2.1) * size * 0.12, std::sin(i * 2.1) * size * 0.12);
        shaded(p,
               Shapes::oval(
                   QRectF(berry.x() - size * 0.1, berry.y() - size * 0.1, size * 0.2, size * 0.2)),
               palette.primary, size * 0.015);
        gloss(p, QRectF(berry.x() - size * 0.07, berry.y() - size * 0.07, size * 0.07, size * 0.07),
              200);
    }
    p.restore();
}

void holly(QPainter& p, const QRectF& card, const Palette& palette) {
    innerLine(p, card, 90, palette.accent, 30);
    innerLine(p, card, 150, palette.primary, 14);
    const double size = 330;
    const QRectF corners = card.adjusted(170, 170, -170, -170);
    const QPointF cornerPoints[] = {corners.topLeft(), corners.topRight(), corners.bottomRight(),
                                    corners.bottomLeft()};
    for (int i = 0; i < 4; ++i) {
        hollySprig(p, cornerPoints[i], size, 45 + i * 90, palette);
    }
    const int along = int(card.width() / 1400);
    for (int i = 1; i < along; ++i) {
        const double x = card.left() + card.width() * i / along;
        hollySprig(p, QPointF(x, card.top() + 110), size * 0.6, 90, palette);
        hollySprig(p, QPointF(x, card.bottom() - 110), size * 0.6, -90, palette);
    }
}

void stars(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    innerLine(p, card, 110, palette.accent, 26);
    innerLine(p, card, 160, palette.primary, 10);
    for (const QPointF& at : pointsAround(card.adjusted(55, 55, -55, -55), 190)) {
        const double size = 40 + random.bounded(30.0);
        shaded(p, Shapes::star(at, size, 0.45, 5, random.bounded(72)), palette.accent, 0);
    }
    const QRectF corners = card.adjusted(130, 130, -130, -130);
    for (const QPointF& at :
         {corners.topLeft(), corners.topRight(), corners.bottomLeft(), corners.bottomRight()}) {
        const QPainterPath big = Shapes::star(at, 150, 0.45);
        shadow(p, big, QPointF(15, 15), 30);
        shaded(p, big, palette.accent, 8);
    }
}

void vines(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    const QRectF track = card.adjusted(130, 130, -130, -130);
    const QVector<QPointF> points = pointsAround(track, 260);
    QPainterPath vine;
    for (int i = 0; i <= points.size(); ++i) {
        const QPointF at = points[i % points.size()];
        const QPointF wobble = (i % 2 ? QPointF(22, 22) : QPointF(-22, -22));
        if (i == 0) {
            vine.moveTo(at);
        } else {
            const QPointF previous = points[(i - 1) % points.size()];
            vine.quadTo((previous + at) / 2 + wobble, at);
        }
    }
    curve(p, vine, darker(palette.secondary, 20), 18);
    for (int i = 0; i < points.size(); ++i) {
        const QPointF at = points[i];
        const double angle = qDegreesToRadians(double(random.bounded(360)));
        const QPointF tip = at + QPointF(std::cos(angle), std::sin(angle)) * 120;
        shaded(p, Shapes::leaf(at, tip, 40), palette.secondary, 6);
        if (i % 3 == 0) {
            const QColor petal = i % 2 ? palette.primary : palette.accent;
            for (int k = 0; k < 5; ++k) {
                const double a = qDegreesToRadians(k * 72.0);
                const QPointF c = at + QPointF(std::cos(a), std::sin(a)) * 38;
                shaded(p, Shapes::oval(QRectF(c.x() - 38, c.y() - 38, 76, 76)), petal, 5);
            }
            flat(p, Shapes::oval(QRectF(at.x() - 26, at.y() - 26, 52, 52)), QColor(250, 210, 70),
                 4);
        }
    }
}

void ribbon(QPainter& p, const QRectF& card, const Palette& palette) {
    const double inset = 120;
    const double width = 110;
    const QRectF track = card.adjusted(inset, inset, -inset, -inset);
    QPainterPath band;
    band.addRect(track.adjusted(-width / 2, -width / 2, width / 2, width / 2));
    band.addRect(track.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    band.setFillRule(Qt::OddEvenFill);
    shadow(p, band, QPointF(14, 14), 30, 50);
    shaded(p, band, palette.primary, 6);
    innerLine(p, card, inset, withAlpha(lighter(palette.primary, 50), 200), 12);
    p.save();
    p.translate(track.right() - 290, track.top() + 150);
    p.scale(5.5, 5.5);
    p.translate(-50, -44);
    const QPointF knot(50, 44);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 20, -36), knot + QPointF(side * 52, -20),
                     knot + QPointF(side * 44, 6));
        loop.cubicTo(knot + QPointF(side * 38, 20), knot + QPointF(side * 16, 8), knot);
        shaded(p, loop, palette.primary, 1.4);
        QPainterPath tail;
        tail.moveTo(knot);
        tail.cubicTo(knot + QPointF(side * 8, 20), knot + QPointF(side * 18, 34),
                     knot + QPointF(side * 26, 52));
        tail.lineTo(knot + QPointF(side * 14, 48));
        tail.lineTo(knot + QPointF(side * 10, 54));
        tail.cubicTo(knot + QPointF(side * 6, 34), knot + QPointF(side * 2, 18), knot);
        shaded(p, tail, darker(palette.primary, 8), 1.2);
    }
    shaded(p, Shapes::roundedRect(QRectF(42, 36, 16, 16), 5), lighter(palette.primary, 10), 1.2);
    p.restore();
}

void stripes(QPainter& p, const QRectF& card, const Palette& palette) {
    const double band = Borders::kBand * 0.7;
    const QPainterPath frame = bandPath(card, band);
    p.save();
    p.setClipPath(frame);
    p.fillRect(card, kOffWhite);
    p.setPen(Qt::NoPen);
    p.setBrush(palette.primary);
    const double pitch = 150;
    const double span = card.width() + card.height();
    for (double d = -card.height(); d < span; d += pitch) {
        QPolygonF stripe;
        stripe << QPointF(d, 0) << QPointF(d + pitch / 2, 0)
               << QPointF(d + pitch / 2 + card.height(), card.height())
               << QPointF(d + card.height(), card.height());
        p.drawPolygon(stripe);
    }
    p.restore();
    innerLine(p, card, band, palette.accent, 24);
}

void hearts(QPainter& p, const QRectF& card, const Palette& palette) {
    innerLine(p, card, 190, palette.primary, 12);
    const QVector<QPointF> points = pointsAround(card.adjusted(95, 95, -95, -95), 200);
    for (int i = 0; i < points.size(); ++i) {
        const double size = i % 2 ? 110 : 140;
        const QRectF box(points[i].x() - size / 2, points[i].y() - size / 2, size, size * 0.92);
        shaded(p, Shapes::heart(box), i % 2 ? palette.secondary : palette.primary, 5);
    }
}

void snowflakes(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    const double band = Borders::kBand * 0.8;
    QLinearGradient frost(card.topLeft(), card.bottomLeft());
    frost.setColorAt(0, withAlpha(palette.primary, 220));
    frost.setColorAt(1, withAlpha(darker(palette.primary, 15), 220));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(frost);
    p.drawPath(bandPath(card, band));
    p.restore();
    for (const QPointF& at :
         pointsAround(card.adjusted(band / 2, band / 2, -band / 2, -band / 2), 260)) {
        const double radius = 60 + random.bounded(30.0);
        flat(p, Shapes::snowflake(at, radius, 16), kOffWhite, 0);
    }
    innerLine(p, card, band + 30, kOffWhite, 16);
}

void leaves(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    const QColor colours[] = {palette.primary, palette.secondary, palette.accent,
                              QColor(200, 90, 30)};
    const QVector<QPointF> points = pointsAround(card.adjusted(60, 60, -60, -60), 170);
    for (int i = 0; i < points.size(); ++i) {
        const double size = 180 + random.bounded(110.0);
        p.save();
        p.translate(points[i] + QPointF(random.bounded(60.0) - 30, random.bounded(60.0) - 30));
        p.rotate(random.bounded(360));
        const QColor colour = colours[random.bounded(4)];
        if (i % 3 == 0) {
            const QPainterPath leaf =
                Shapes::leaf(QPointF(-size / 2, 0), QPointF(size / 2, 0), size * 0.22);
            shaded(p, leaf, colour, 6);
            line(p, QPointF(-size / 2, 0), QPointF(size * 0.4, 0), darker(colour, 35), 6);
        } else {
            const QPainterPath leaf = Shapes::mapleLeaf(QRectF(-size / 2, -size / 2, size, size));
            shaded(p, leaf, colour, 6);
        }
        p.restore();
    }
}

void checks(QPainter& p, const QRectF& card, const Palette& palette) {
    const double band = Borders::kBand * 0.75;
    const QPainterPath frame = bandPath(card, band);
    p.save();
    p.setClipPath(frame);
    p.fillRect(card, lighter(palette.primary, 70));
    p.setPen(Qt::NoPen);
    const double pitch = 90;
    p.setBrush(withAlpha(palette.primary, 120));
    for (double x = 0; x < card.width(); x += pitch * 2) {
        p.drawRect(QRectF(x, 0, pitch, card.height()));
    }
    for (double y = 0; y < card.height(); y += pitch * 2) {
        p.drawRect(QRectF(0, y, card.width(), pitch));
    }
    p.restore();
    innerLine(p, card, band, palette.accent, 22);
}

} // namespace

namespace Borders {

void paint(QPainter& painter, const QRectF& card, BorderKind kind, const Palette& palette,
           int seed) {
    painter.save();
    switch (kind) {
    case BorderKind::Confetti:
        confetti(painter, card, palette, seed);
        break;
    case BorderKind::Dots:
        dots(painter, card, palette);
        break;
    case BorderKind::Scallops:
        scallops(painter, card, palette);
        break;
    case BorderKind::Holly:
        holly(painter, card, palette);
        break;
    case BorderKind::Stars:
        stars(painter, card, palette, seed);
        break;
    case BorderKind::Vines:
        vines(painter, card, palette, seed);
        break;
    case BorderKind::Ribbon:
        ribbon(painter, card, palette);
        break;
    case BorderKind::Stripes:
        stripes(painter, card, palette);
        break;
    case BorderKind::Hearts:
        hearts(painter, card, palette);
        break;
    case BorderKind::Snowflakes:
        snowflakes(painter, card, palette, seed);
        break;
    case BorderKind::Leaves:
        leaves(painter, card, palette, seed);
        break;
    case BorderKind::Checks:
        checks(painter, card, palette);
        break;
    }
    painter.restore();
}

} // namespace Borders
