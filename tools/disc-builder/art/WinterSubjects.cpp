#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"
#include "tools/disc-builder/art/SubjectPainters.h"

#include <QtMath>

using namespace PaintKit;

namespace {

const QColor kPine(40, 140, 70);
const QColor kBerry(210, 30, 45);
const QColor kGold(245, 195, 50);
const QColor kSnow(248, 250, 252);
const QColor kCoal(50, 50, 60);

void berries(QPainter& p, const QPointF& at, double radius) {
    for (int i = 0; i < 3; ++i) {
        const QPointF c = at + QPointF(std::cos(i * 2.1 + 0.5), std::sin(i * 2.1 + 0.5)) * radius;
        shaded(p, Shapes::oval(QRectF(c.x() - radius, c.y() - radius, radius * 2, radius * 2)),
               kBerry, 0.8);
        gloss(p, QRectF(c.x() - radius * 0.7, c.y() - radius * 0.7, radius * 0.8, radius * 0.8),
              200);
    }
}

void hollyPair(QPainter& p, const QPointF& at, double size, double turn) {
    p.save();
    p.translate(at);
    p.rotate(turn);
    for (double angle : {-30.0, 30.0}) {
        p.save();
        p.rotate(angle - 90);
        const QPainterPath leaf = Shapes::hollyLeaf(QPointF(0, 0), QPointF(size, 0), size * 0.24);
        shaded(p, leaf, kPine, 1.2);
        line(p, QPointF(2, 0), QPointF(size * 0.88, 0), darker(kPine, 35), 1.0);
        p.restore();
    }
    berries(p, QPointF(0, 0), size * 0.12);
    p.restore();
}

void bellShape(QPainter& p, const QPointF& top, double size, const QColor& tint, double turn) {
    p.save();
    p.translate(top);
    p.rotate(turn);
    p.scale(size / 100.0, size / 100.0);
    QPainterPath body;
    body.moveTo(-8, 0);
    body.cubicTo(-30, 4, -30, 40, -34, 62);
    body.cubicTo(-36, 72, -46, 76, -46, 82);
    body.lineTo(46, 82);
    body.cubicTo(46, 76, 36, 72, 34, 62);
    body.cubicTo(30, 40, 30, 4, 8, 0);
    body.closeSubpath();
    shadow(p, body, QPointF(3, 3), 5);
    shaded(p, body, tint, 2.4);
    shaded(p, Shapes::oval(QRectF(-12, 76, 24, 20)), darker(tint, 20), 2.0);
    flat(p, Shapes::oval(QRectF(-6, -10, 12, 12)), darker(tint, 10), 2.0);
    gloss(p, QRectF(-24, 14, 16, 40), 140);
    p.restore();
}

} // namespace

namespace WinterSubjects {

void christmasTree(QPainter& p, const QColor& tint) {
    shaded(p, Shapes::roundedRect(QRectF(42, 82, 16, 16), 2), QColor(130, 80, 40), 1.4);
    const double tiers[][3] = {{18, 48, 92}, {30, 44, 70}, {42, 40, 50}};
    QPainterPath tree;
    for (const auto& tier : tiers) {
        const double top = tier[0];
        const double half = tier[1];
        const double bottom = tier[2];
        QPainterPath part;
        part.moveTo(50, top - 14);
        part.lineTo(50 + half, bottom - 2);
        part.quadTo(50, bottom + 4, 50 - half, bottom - 2);
        part.closeSubpath();
        tree = tree.united(part);
    }
    shadow(p, tree, QPointF(2, 2), 4);
    shaded(p, tree, tint, 1.6);
    QPainterPath garland;
    garland.moveTo(28, 50);
    garland.quadTo(50, 62, 70, 46);
    garland.moveTo(18, 74);
    garland.quadTo(50, 88, 82, 70);
    curve(p, garland, kGold, 2.2);
    const QColor balls[] = {kBerry, QColor(60, 140, 230), kGold, QColor(230, 90, 170)};
    const QPointF spots[] = {{40, 40}, {60, 52}, {34, 62}, {64, 70}, {48, 78}, {26, 84}, {76, 86}};
    for (int i = 0; i < 7; ++i) {
        const QPointF c = spots[i];
        shaded(p, Shapes::oval(QRectF(c.x() - 4, c.y() - 4, 8, 8)), balls[i % 4], 0.8);
        gloss(p, QRectF(c.x() - 3, c.y() - 3, 3, 3), 220);
    }
    const QPainterPath topStar = Shapes::star(QPointF(50, 10), 11, 0.45);
    shaded(p, topStar, kGold, 1.2);
}

void snowman(QPainter& p, const QColor& tint) {
    const QPainterPath bottom = Shapes::oval(QRectF(18, 54, 64, 44));
    const QPainterPath middle = Shapes::oval(QRectF(26, 32, 48, 32));
    const QPainterPath head = Shapes::oval(QRectF(32, 12, 36, 30));
    for (const QPainterPath& ball : {bottom, middle, head}) {
        shadow(p, ball, QPointF(1.5, 2), 3, 40);
        shaded(p, ball, QColor(236, 242, 250), 1.4);
    }
    QPainterPath hat;
    hat.addRect(QRectF(38, 0, 24, 16));
    shaded(p, hat, kCoal, 1.2);
    shaded(p, Shapes::roundedRect(QRectF(30, 14, 40, 5), 2), kCoal, 1.2);
    QPainterPath band;
    band.addRect(QRectF(38, 10, 24, 4));
    flat(p, band, kBerry, 0);
    QPainterPath scarf;
    scarf.moveTo(30, 38);
    scarf.quadTo(50, 46, 70, 38);
    scarf.lineTo(70, 44);
    scarf.quadTo(50, 52, 30, 44);
    scarf.closeSubpath();
    shaded(p, scarf, tint, 1.2);
    QPainterPath tail;
    tail.moveTo(58, 44);
    tail.lineTo(66, 62);
    tail.lineTo(58, 64);
    tail.lineTo(52, 46);
    tail.closeSubpath();
    shaded(p, tail, tint, 1.2);
    for (const QPointF& eye : {QPointF(44, 24), QPointF(56, 24)}) {
        flat(p, Shapes::oval(QRectF(eye.x() - 2, eye.y() - 2, 4, 4)), kCoal, 0);
    }
    QPainterPath nose;
    nose.moveTo(50, 28);
    nose.lineTo(62, 31);
    nose.lineTo(50, 32);
    nose.closeSubpath();
    flat(p, nose, QColor(245, 130, 30), 0.8);
    for (int i = 0; i < 5; ++i) {
        const double x = 43 + i * 3.5;
        const double y = 35 + std::sin((i / 4.0) * M_PI) * 2.5;
        flat(p, Shapes::oval(QRectF(x - 1, y - 1, 2, 2)), kCoal, 0);
    }
    for (double y : {50.0, 60.0, 72.0}) {
        flat(p, Shapes::oval(QRectF(48, y - 2.5, 5, 5)), kCoal, 0);
    }
    line(p, QPointF(28, 46), QPointF(8, 34), QColor(120, 80, 40), 2.2);
    line(p, QPointF(14, 38), QPointF(8, 42), QColor(120, 80, 40), 1.6);
    line(p, QPointF(72, 46), QPointF(92, 32), QColor(120, 80, 40), 2.2);
    line(p, QPointF(86, 36), QPointF(90, 26), QColor(120, 80, 40), 1.6);
}

void ornament(QPainter& p, const QColor& tint) {
    line(p, QPointF(50, 0), QPointF(50, 10), QColor(160, 130, 60), 1.2);
    shaded(p, Shapes::roundedRect(QRectF(42, 8, 16, 10), 2), kGold, 1.2);
    const QPainterPath ball = Shapes::oval(QRectF(12, 16, 76, 76));
    shadow(p, ball, QPointF(2, 3), 4);
    shaded(p, ball, tint, 1.8);
    p.save();
    p.setClipPath(ball);
    QPainterPath zigzag;
    zigzag.moveTo(10, 54);
    for (int i = 0; i < 10; ++i) {
        zigzag.lineTo(14 + i * 8, i % 2 ? 48 : 60);
    }
    curve(p, zigzag, kGold, 3.0);
    line(p, QPointF(10, 40), QPointF(90, 40), lighter(tint, 50), 2.0);
    line(p, QPointF(10, 68), QPointF(90, 68), lighter(tint, 50), 2.0);
    p.restore();
    gloss(p, QRectF(24, 24, 22, 18), 200);
}

void bell(QPainter& p, const QColor& tint) {
    bellShape(p, QPointF(50, 20), 80, tint, 0);
    hollyPair(p, QPointF(50, 18), 18, 0);
}

void weddingBells(QPainter& p, const QColor& tint) {
    bellShape(p, QPointF(38, 18), 52, tint, 14);
    bellShape(p, QPointF(62, 18), 52, tint, -14);
    const QPointF knot(50, 12);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 10, -14), knot + QPointF(side * 24, -8), knot);
        shaded(p, loop, QColor(240, 240, 248), 1.0);
        QPainterPath tail;
        tail.moveTo(knot);
        tail.quadTo(knot + QPointF(side * 8, 10), knot + QPointF(side * 4, 22));
        curve(p, tail, QColor(200, 200, 215), 2.0);
    }
    flat(p, Shapes::oval(QRectF(46, 8, 8, 8)), QColor(240, 240, 248), 1.0);
}

void holly(QPainter& p, const QColor&) {
    p.save();
    for (double angle : {-60.0, 10.0, 80.0, 150.0}) {
        p.save();
        p.translate(50, 52);
        p.rotate(angle);
        const QPainterPath leaf = Shapes::hollyLeaf(QPointF(0, 0), QPointF(46, 0), 12);
        shaded(p, leaf, angle > 60 ? darker(kPine, 10) : kPine, 1.4);
        line(p, QPointF(2, 0), QPointF(40, 0), darker(kPine, 35), 1.0);
        p.restore();
    }
    p.restore();
    berries(p, QPointF(50, 52), 7);
}

void candyCane(QPainter& p, const QColor& tint) {
    QPainterPath cane;
    cane.moveTo(56, 90);
    cane.lineTo(56, 34);
    cane.cubicTo(56, 6, 20, 6, 20, 32);
    QPainterPathStroker stroker;
    stroker.setWidth(15);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath body = stroker.createStroke(cane);
    shadow(p, body, QPointF(2, 2), 4);
    flat(p, body, kSnow, 1.6);
    p.save();
    p.setClipPath(body);
    for (int i = -4; i < 14; ++i) {
        QPolygonF stripe;
        stripe << QPointF(0, i * 10) << QPointF(100, i * 10 - 40) << QPointF(100, i * 10 - 35)
               << QPointF(0, i * 10 + 5);
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        p.drawPolygon(stripe);
    }
    p.restore();
    curve(p, body, darker(tint, 30), 1.6);
    gloss(p, QRectF(50, 40, 5, 40), 120);
    hollyPair(p, QPointF(58, 52), 22, 40);
}

void snowflake(QPainter& p, const QColor& tint) {
    const QPainterPath flake = Shapes::snowflake(QPointF(50, 50), 46, 7);
    shadow(p, flake, QPointF(1.5, 1.5), 3, 40);
    shaded(p, flake, tint, 1.2);
    flat(p, Shapes::star(QPointF(50, 50), 10, 0.5, 6), lighter(tint, 60), 0.8);
}

void wreath(QPainter& p, const QColor& tint) {
    const QPainterPath ring =
        Shapes::oval(QRectF(6, 6, 88, 88)).subtracted(Shapes::oval(QRectF(30, 30, 40, 40)));
    shadow(p, ring, QPointF(2, 3), 5);
    shaded(p, ring, darker(kPine, 10), 1.4);
    for (int i = 0; i < 24; ++i) {
        const double angle = qDegreesToRadians(i * 15.0);
        const QPointF base = QPointF(50, 50) + QPointF(std::cos(angle), std::sin(angle)) * 32;
        const QPointF tip = base + QPointF(std::cos(angle + 1.2), std::sin(angle + 1.2)) * 16;
        shaded(p, Shapes::leaf(base, tip, 5), i % 2 ? kPine : lighter(kPine, 15), 0.8);
    }
    for (int i = 0; i < 8; ++i) {
        const double angle = qDegreesToRadians(i * 45.0 + 20);
        berries(p, QPointF(50, 50) + QPointF(std::cos(angle), std::sin(angle)) * 33, 3);
    }
    const QPointF knot(50, 88);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 10, -16), knot + QPointF(side * 26, -10), knot);
        shaded(p, loop, tint, 1.2);
        QPainterPath tail;
        tail.moveTo(knot);
        tail.lineTo(knot + QPointF(side * 12, 12));
        tail.lineTo(knot + QPointF(side * 6, 12));
        tail.closeSubpath();
        shaded(p, tail, tint, 1.0);
    }
    flat(p, Shapes::oval(QRectF(45, 83, 10, 10)), darker(tint, 10), 1.0);
}

void stocking(QPainter& p, const QColor& tint) {
    QPainterPath sock;
    sock.moveTo(34, 22);
    sock.lineTo(70, 22);
    sock.lineTo(70, 62);
    sock.cubicTo(70, 70, 64, 74, 58, 80);
    sock.lineTo(44, 92);
    sock.cubicTo(34, 100, 14, 96, 14, 82);
    sock.cubicTo(14, 74, 22, 70, 34, 62);
    sock.closeSubpath();
    shadow(p, sock, QPointF(2, 2), 4);
    shaded(p, sock, tint, 1.6);
    p.save();
    p.setClipPath(sock);
    flat(p, Shapes::oval(QRectF(6, 74, 26, 30)), kSnow, 0);
    for (double y : {40.0, 52.0}) {
        line(p, QPointF(30, y), QPointF(72, y), QColor(40, 150, 80), 3.0);
    }
    p.restore();
    curve(p, sock, darker(tint, 45), 1.6);
    const QPainterPath cuff = Shapes::roundedRect(QRectF(28, 6, 48, 18), 6);
    shaded(p, cuff, kSnow, 1.4);
    const QPainterPath candy = Shapes::star(QPointF(68, 12), 7, 0.45);
    shaded(p, candy, kGold, 1.0);
}

void mitten(QPainter& p, const QColor& tint) {
    QPainterPath hand;
    hand.moveTo(28, 74);
    hand.lineTo(24, 40);
    hand.cubicTo(22, 12, 70, 4, 74, 36);
    hand.lineTo(76, 50);
    hand.cubicTo(86, 42, 96, 52, 88, 62);
    hand.lineTo(74, 76);
    hand.closeSubpath();
    shadow(p, hand, QPointF(2, 2), 4);
    shaded(p, hand, tint, 1.6);
    p.save();
    p.setClipPath(hand);
    for (int i = 0; i < 5; ++i) {
        flat(p, Shapes::snowflake(QPointF(36 + i * 9, 44 + (i % 2) * 10), 5, 1.4), kSnow, 0);
    }
    p.restore();
    const QPainterPath cuff = Shapes::roundedRect(QRectF(24, 72, 54, 22), 6);
    shaded(p, cuff, kSnow, 1.4);
    p.save();
    p.setClipPath(cuff);
    for (int i = 0; i < 9; ++i) {
        line(p, QPointF(26 + i * 6, 72), QPointF(26 + i * 6, 94), QColor(220, 225, 235), 1.6);
    }
    p.restore();
}

void santaHat(QPainter& p, const QColor& tint) {
    QPainterPath hat;
    hat.moveTo(14, 76);
    hat.cubicTo(20, 30, 50, 8, 80, 18);
    hat.cubicTo(92, 22, 94, 40, 86, 52);
    hat.cubicTo(80, 40, 74, 36, 70, 40);
    hat.lineTo(86, 76);
    hat.closeSubpath();
    shadow(p, hat, QPointF(2, 2), 4);
    shaded(p, hat, tint, 1.6);
    shaded(p, Shapes::roundedRect(QRectF(8, 70, 84, 20), 10), kSnow, 1.4);
    shaded(p, Shapes::oval(QRectF(76, 44, 20, 20)), kSnow, 1.4);
}

void gingerbread(QPainter& p, const QColor& tint) {
    QPainterPath body;
    body.addEllipse(QRectF(32, 4, 36, 32));
    body.addRoundedRect(QRectF(30, 30, 40, 40), 12, 12);
    QPainterPathStroker limbs;
    limbs.setWidth(16);
    limbs.setCapStyle(Qt::RoundCap);
    QPainterPath sticks;
    sticks.moveTo(36, 42);
    sticks.lineTo(12, 54);
    sticks.moveTo(64, 42);
    sticks.lineTo(88, 54);
    sticks.moveTo(42, 64);
    sticks.lineTo(30, 92);
    sticks.moveTo(58, 64);
    sticks.lineTo(70, 92);
    body.addPath(limbs.createStroke(sticks));
    body.setFillRule(Qt::WindingFill);
    const QPainterPath cookie = body.simplified();
    shadow(p, cookie, QPointF(2, 2), 4);
    shaded(p, cookie, tint, 1.6);
    p.save();
    p.setPen(QPen(kSnow, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath icing;
    icing.moveTo(14, 50);
    icing.quadTo(18, 56, 22, 50);
    icing.moveTo(78, 50);
    icing.quadTo(82, 56, 86, 50);
    icing.moveTo(28, 86);
    icing.quadTo(33, 90, 36, 84);
    icing.moveTo(64, 84);
    icing.quadTo(67, 90, 72, 86);
    icing.moveTo(43, 26);
    icing.quadTo(50, 31, 57, 26);
    p.drawPath(icing);
    p.restore();
    for (const QPointF& eye : {QPointF(43, 17), QPointF(57, 17)}) {
        flat(p, Shapes::oval(QRectF(eye.x() - 2.5, eye.y() - 2.5, 5, 5)), QColor(60, 40, 30), 0);
    }
    const QColor buttons[] = {kBerry, QColor(60, 170, 90), kBerry};
    for (int i = 0; i < 3; ++i) {
        shaded(p, Shapes::oval(QRectF(46, 38 + i * 9, 8, 8)), buttons[i], 0.8);
    }
}

} // namespace WinterSubjects
