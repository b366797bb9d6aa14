#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"
#include "tools/disc-builder/art/SubjectPainters.h"

#include <QLinearGradient>
#include <QtMath>

using namespace PaintKit;

namespace {

const QColor kLeaf(70, 160, 80);
const QColor kWhite(250, 250, 250);

void glossyHeart(QPainter& p, const QRectF& box, const QColor& tint) {
    const QPainterPath shape = Shapes::heart(box);
    shadow(p, shape, QPointF(box.width() * 0.03, box.width() * 0.04), box.width() * 0.06);
    shaded(p, shape, tint, qMax(1.0, box.width() * 0.025));
    gloss(p,
          QRectF(box.left() + box.width() * 0.12, box.top() + box.height() * 0.1, box.width() * 0.3,
                 box.height() * 0.24),
          190);
}

void stem(QPainter& p, const QPointF& from, const QPointF& to, double bend) {
    QPainterPath path;
    path.moveTo(from);
    path.quadTo((from + to) / 2 + QPointF(bend, 0), to);
    curve(p, path, darker(kLeaf, 15), 3.0);
}

void roseHead(QPainter& p, const QPointF& centre, double radius, const QColor& tint) {
    const QPainterPath outer = Shapes::oval(
        QRectF(centre.x() - radius, centre.y() - radius * 0.9, radius * 2, radius * 1.8));
    shaded(p, outer, tint, radius * 0.06);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(darker(tint, 35), radius * 0.07, Qt::SolidLine, Qt::RoundCap));
    QPainterPath swirl;
    for (int i = 0; i <= 60; ++i) {
        const double angle = i * 0.32;
        const double r = radius * (0.1 + i / 60.0 * 0.75);
        const QPointF point = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r * 0.85);
        if (i == 0) {
            swirl.moveTo(point);
        } else {
            swirl.lineTo(point);
        }
    }
    p.drawPath(swirl);
    p.restore();
    gloss(p,
          QRectF(centre.x() - radius * 0.7, centre.y() - radius * 0.7, radius * 0.6, radius * 0.5),
          120);
}

void tulipHead(QPainter& p, const QPointF& base, double size, const QColor& tint) {
    QPainterPath cup;
    cup.moveTo(base);
    cup.cubicTo(base + QPointF(-size * 0.55, 0), base + QPointF(-size * 0.5, -size * 0.7),
                base + QPointF(-size * 0.42, -size));
    cup.lineTo(base + QPointF(-size * 0.2, -size * 0.72));
    cup.lineTo(base + QPointF(0, -size * 1.02));
    cup.lineTo(base + QPointF(size * 0.2, -size * 0.72));
    cup.lineTo(base + QPointF(size * 0.42, -size));
    cup.cubicTo(base + QPointF(size * 0.5, -size * 0.7), base + QPointF(size * 0.55, 0), base);
    cup.closeSubpath();
    shaded(p, cup, tint, size * 0.05);
    QPainterPath middle;
    middle.moveTo(base + QPointF(0, -size * 0.05));
    middle.cubicTo(base + QPointF(-size * 0.25, -size * 0.3),
                   base + QPointF(-size * 0.1, -size * 0.8), base + QPointF(0, -size * 1.02));
    middle.cubicTo(base + QPointF(size * 0.1, -size * 0.8),
                   base + QPointF(size * 0.25, -size * 0.3), base + QPointF(0, -size * 0.05));
    shaded(p, middle, lighter(tint, 12), size * 0.04);
}

void daisyHead(QPainter& p, const QPointF& centre, double radius, const QColor& tint) {
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 30.0);
        const QPainterPath petal =
            Shapes::oval(QRectF(-radius * 0.17, -radius, radius * 0.34, radius * 0.75));
        shaded(p, petal, tint, radius * 0.04);
        p.restore();
    }
    const QPainterPath middle = Shapes::oval(QRectF(
        centre.x() - radius * 0.32, centre.y() - radius * 0.32, radius * 0.64, radius * 0.64));
    shaded(p, middle, QColor(250, 190, 40), radius * 0.04);
}

void dovePath(QPainter& p, const QColor& tint) {
    QPainterPath body;
    body.moveTo(10, 56);
    body.cubicTo(20, 46, 36, 44, 48, 46);
    body.cubicTo(58, 34, 70, 30, 80, 34);
    body.cubicTo(88, 36, 92, 42, 96, 44);
    body.lineTo(88, 46);
    body.cubicTo(86, 60, 70, 70, 50, 70);
    body.cubicTo(36, 70, 24, 66, 16, 74);
    body.lineTo(18, 62);
    body.closeSubpath();
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    QPainterPath wing;
    wing.moveTo(44, 52);
    wing.cubicTo(34, 30, 36, 10, 44, 2);
    wing.cubicTo(50, 16, 60, 30, 66, 46);
    wing.cubicTo(58, 56, 50, 56, 44, 52);
    wing.closeSubpath();
    shaded(p, wing, lighter(tint, 10), 1.4);
    for (int i = 0; i < 3; ++i) {
        QPainterPath feather;
        feather.moveTo(46 + i * 5, 50 - i * 2);
        feather.quadTo(44 + i * 4, 30 - i * 4, 46 + i * 2, 14 + i * 6);
        curve(p, feather, darker(tint, 15), 0.9);
    }
    flat(p, Shapes::oval(QRectF(80, 37, 3.5, 3.5)), QColor(50, 50, 60), 0);
    QPainterPath beak;
    beak.moveTo(90, 42);
    beak.lineTo(98, 45);
    beak.lineTo(89, 47);
    beak.closeSubpath();
    flat(p, beak, QColor(245, 160, 60), 0.6);
}

} // namespace

namespace LoveSubjects {

void heart(QPainter& p, const QColor& tint) {
    glossyHeart(p, QRectF(4, 8, 92, 84), tint);
}

void heartArrow(QPainter& p, const QColor& tint) {
    line(p, QPointF(6, 80), QPointF(50, 50), QColor(150, 110, 60), 3.0);
    glossyHeart(p, QRectF(16, 10, 70, 66), tint);
    line(p, QPointF(60, 40), QPointF(86, 22), QColor(150, 110, 60), 3.0);
    QPainterPath head;
    head.moveTo(96, 15);
    head.lineTo(82, 19);
    head.lineTo(88, 28);
    head.closeSubpath();
    flat(p, head, QColor(170, 170, 180), 1.0);
    for (double offset : {0.0, 6.0}) {
        QPainterPath fletch;
        fletch.moveTo(10 + offset, 78 - offset * 0.7);
        fletch.lineTo(2 + offset, 76 - offset * 0.7);
        fletch.lineTo(6 + offset, 86 - offset * 0.7);
        fletch.closeSubpath();
        flat(p, fletch, lighter(tint, 20), 0.8);
    }
}

void heartTrio(QPainter& p, const QColor& tint) {
    glossyHeart(p, QRectF(4, 36, 46, 42), lighter(tint, 25));
    glossyHeart(p, QRectF(52, 44, 40, 37), darker(tint, 8));
    glossyHeart(p, QRectF(24, 4, 54, 50), tint);
}

void rose(QPainter& p, const QColor& tint) {
    stem(p, QPointF(50, 98), QPointF(50, 50), 6);
    shaded(p, Shapes::leaf(QPointF(51, 78), QPointF(76, 64), 8), kLeaf, 1.0);
    shaded(p, Shapes::leaf(QPointF(50, 70), QPointF(24, 60), 7), kLeaf, 1.0);
    for (double side : {-1.0, 1.0}) {
        shaded(p, Shapes::leaf(QPointF(50, 52), QPointF(50 + side * 20, 46), 5), kLeaf, 0.8);
    }
    roseHead(p, QPointF(50, 30), 26, tint);
}

void tulip(QPainter& p, const QColor& tint) {
    stem(p, QPointF(50, 98), QPointF(50, 50), -4);
    shaded(p, Shapes::leaf(QPointF(50, 96), QPointF(24, 50), 9), kLeaf, 1.0);
    shaded(p, Shapes::leaf(QPointF(51, 96), QPointF(78, 58), 8), kLeaf, 1.0);
    tulipHead(p, QPointF(50, 54), 48, tint);
}

void daisy(QPainter& p, const QColor& tint) {
    stem(p, QPointF(50, 98), QPointF(50, 56), 8);
    shaded(p, Shapes::leaf(QPointF(52, 84), QPointF(76, 72), 7), kLeaf, 1.0);
    daisyHead(p, QPointF(50, 34), 32, tint);
}

void bouquet(QPainter& p, const QColor& tint) {
    for (double x : {40.0, 50.0, 60.0}) {
        stem(p, QPointF(50, 96), QPointF(x, 52), 0);
    }
    shaded(p, Shapes::leaf(QPointF(40, 52), QPointF(10, 40), 8), kLeaf, 1.0);
    shaded(p, Shapes::leaf(QPointF(60, 52), QPointF(90, 38), 8), kLeaf, 1.0);
    daisyHead(p, QPointF(24, 36), 14, kWhite);
    daisyHead(p, QPointF(76, 34), 14, QColor(250, 220, 90));
    tulipHead(p, QPointF(50, 30), 24, QColor(160, 110, 220));
    roseHead(p, QPointF(36, 44), 13, tint);
    roseHead(p, QPointF(64, 44), 13, tint);
    roseHead(p, QPointF(50, 50), 14, lighter(tint, 20));
    QPainterPath wrap;
    wrap.moveTo(30, 58);
    wrap.lineTo(70, 58);
    wrap.lineTo(56, 98);
    wrap.lineTo(44, 98);
    wrap.closeSubpath();
    shaded(p, wrap, QColor(250, 232, 240), 1.2);
    const QPointF knot(50, 72);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 8, -12), knot + QPointF(side * 20, -6), knot);
        shaded(p, loop, tint, 1.0);
    }
    flat(p, Shapes::oval(QRectF(46, 68, 8, 8)), darker(tint, 10), 0.8);
}

void butterfly(QPainter& p, const QColor& tint) {
    const QColor second = QColor::fromHsv((tint.hsvHue() + 40) % 360, 160, 250);
    for (double side : {-1.0, 1.0}) {
        QPainterPath upper;
        upper.moveTo(50, 46);
        upper.cubicTo(50 + side * 20, 6, 50 + side * 50, 0, 50 + side * 46, 26);
        upper.cubicTo(50 + side * 44, 40, 50 + side * 26, 48, 50, 50);
        shaded(p, upper, tint, 1.4);
        QPainterPath lower;
        lower.moveTo(50, 52);
        lower.cubicTo(50 + side * 30, 50, 50 + side * 40, 70, 50 + side * 30, 84);
        lower.cubicTo(50 + side * 20, 92, 50 + side * 6, 76, 50, 56);
        shaded(p, lower, second, 1.4);
        flat(p, Shapes::oval(QRectF(50 + side * 30 - 6, 20, 12, 12)), lighter(tint, 55), 0);
        flat(p, Shapes::oval(QRectF(50 + side * 22 - 4, 64, 8, 8)), lighter(second, 55), 0);
        QPainterPath feeler;
        feeler.moveTo(50, 38);
        feeler.quadTo(50 + side * 6, 20, 50 + side * 14, 14);
        curve(p, feeler, QColor(60, 50, 60), 1.4);
        flat(p, Shapes::oval(QRectF(50 + side * 14 - 2, 12, 4, 4)), QColor(60, 50, 60), 0);
    }
    shaded(p, Shapes::roundedRect(QRectF(46, 34, 8, 46), 4), QColor(80, 60, 70), 1.0);
}

void loveLetter(QPainter& p, const QColor& tint) {
    const QRectF body(8, 24, 84, 60);
    const QPainterPath envelope = Shapes::roundedRect(body, 4);
    shadow(p, envelope, QPointF(2, 2), 4);
    shaded(p, envelope, QColor(252, 240, 230), 1.4);
    QPainterPath flap;
    flap.moveTo(body.topLeft());
    flap.lineTo(body.center().x(), body.center().y() + 4);
    flap.lineTo(body.topRight());
    curve(p, flap, QColor(200, 170, 160), 1.6);
    QPainterPath folds;
    folds.moveTo(body.bottomLeft());
    folds.lineTo(40, 56);
    folds.moveTo(body.bottomRight());
    folds.lineTo(60, 56);
    curve(p, folds, QColor(210, 185, 175), 1.2);
    glossyHeart(p, QRectF(38, 44, 24, 22), tint);
    glossyHeart(p, QRectF(66, 4, 22, 20), lighter(tint, 20));
    glossyHeart(p, QRectF(14, 6, 16, 15), lighter(tint, 35));
}

void chocolates(QPainter& p, const QColor& tint) {
    const QRectF box(6, 12, 88, 80);
    const QPainterPath shape = Shapes::heart(box);
    shadow(p, shape, QPointF(2, 3), 4);
    shaded(p, shape, tint, 1.6);
    const QPainterPath inner = Shapes::heart(box.adjusted(8, 7, -8, -8));
    flat(p, inner, QColor(250, 235, 215), 1.0);
    const QPointF spots[] = {{32, 34}, {50, 44}, {68, 34}, {38, 56}, {62, 56}, {50, 70}};
    for (int i = 0; i < 6; ++i) {
        const QRectF piece(spots[i].x() - 7, spots[i].y() - 7, 14, 14);
        shaded(p, i % 2 ? Shapes::oval(piece) : Shapes::heart(piece), QColor(110, 60, 40), 0.8);
        gloss(p, QRectF(piece.left() + 2, piece.top() + 2, 5, 4), 150);
    }
    const QPointF knot(78, 18);
    for (double turn : {-40.0, 40.0}) {
        p.save();
        p.translate(knot);
        p.rotate(turn);
        shaded(p, Shapes::oval(QRectF(-5, -14, 10, 14)), QColor(250, 210, 70), 1.0);
        p.restore();
    }
}

void rings(QPainter& p, const QColor& tint) {
    for (const QPointF& c : {QPointF(36, 60), QPointF(62, 60)}) {
        const QPainterPath band =
            Shapes::oval(QRectF(c.x() - 28, c.y() - 28, 56, 56))
                .subtracted(Shapes::oval(QRectF(c.x() - 21, c.y() - 21, 42, 42)));
        shadow(p, band, QPointF(1.5, 2), 3);
        shaded(p, band, tint, 1.4);
        gloss(p, QRectF(c.x() - 24, c.y() - 24, 14, 10), 200);
    }
    QPainterPath gem;
    gem.moveTo(30, 34);
    gem.lineTo(42, 34);
    gem.lineTo(46, 28);
    gem.lineTo(36, 16);
    gem.lineTo(26, 28);
    gem.closeSubpath();
    shaded(p, gem, QColor(190, 230, 250), 1.2);
    line(p, QPointF(26, 28), QPointF(46, 28), QColor(140, 190, 220), 1.0);
    flat(p, Shapes::star(QPointF(48, 14), 5, 0.3, 4), QColor(255, 255, 240), 0);
}

void dove(QPainter& p, const QColor& tint) {
    dovePath(p, tint);
}

void doves(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(0, 30);
    p.scale(0.62, 0.62);
    dovePath(p, tint);
    p.restore();
    p.save();
    p.translate(100, 22);
    p.scale(-0.62, 0.62);
    dovePath(p, tint);
    p.restore();
    glossyHeart(p, QRectF(40, 8, 20, 18), QColor(235, 80, 110));
}

void weddingCake(QPainter& p, const QColor& tint) {
    const QRectF tiers[] = {{14, 66, 72, 28}, {24, 42, 52, 26}, {33, 22, 34, 22}};
    flat(p, Shapes::oval(QRectF(6, 88, 88, 10)), QColor(225, 225, 235), 1.2);
    for (const QRectF& tier : tiers) {
        const QPainterPath body = Shapes::roundedRect(tier, 4);
        shadow(p, body, QPointF(1.5, 1.5), 3, 40);
        shaded(p, body, QColor(250, 246, 240), 1.2);
        for (double x = tier.left() + 4; x < tier.right() - 2; x += 6) {
            flat(p, Shapes::oval(QRectF(x - 2.2, tier.bottom() - 3.4, 4.4, 4.4)), kWhite, 0.6);
        }
        QPainterPath swag;
        swag.moveTo(tier.left() + 2, tier.top() + 5);
        const int loops = int(tier.width() / 12);
        for (int i = 0; i < loops; ++i) {
            const double x0 = tier.left() + 2 + (tier.width() - 4) * i / loops;
            const double x1 = tier.left() + 2 + (tier.width() - 4) * (i + 1) / loops;
            swag.quadTo((x0 + x1) / 2, tier.top() + 13, x1, tier.top() + 5);
        }
        curve(p, swag, tint, 1.6);
    }
    roseHead(p, QPointF(30, 66), 5, tint);
    roseHead(p, QPointF(70, 66), 5, tint);
    roseHead(p, QPointF(50, 42), 5, tint);
    glossyHeart(p, QRectF(41, 4, 18, 17), tint);
}

void heartBalloon(QPainter& p, const QColor& tint) {
    QPainterPath string;
    string.moveTo(50, 72);
    string.cubicTo(44, 82, 58, 88, 50, 100);
    curve(p, string, QColor(120, 120, 130), 1.2);
    glossyHeart(p, QRectF(10, 2, 80, 72), tint);
}

} // namespace LoveSubjects
