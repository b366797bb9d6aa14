#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"
#include "tools/disc-builder/art/SubjectPainters.h"

#include <QFont>
#include <QtMath>

using namespace PaintKit;

namespace {

const QColor kInk(50, 45, 55);
const QColor kGold(245, 195, 50);
const QColor kPaper(252, 246, 228);
const QColor kWood(190, 130, 70);
const QColor kSteel(170, 180, 195);

QPainterPath letterPath(QChar letter, const QRectF& box) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, QString(letter));
    const QRectF bounds = path.boundingRect();
    const double scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

void teddyAt(QPainter& p, const QColor& tint) {
    for (double side : {-1.0, 1.0}) {
        const QRectF ear(50 + side * 18 - 9, 6, 18, 18);
        shaded(p, Shapes::oval(ear), tint, 1.4);
        flat(p, Shapes::oval(ear.adjusted(4, 4, -4, -4)), lighter(tint, 35), 0);
    }
    for (double side : {-1.0, 1.0}) {
        shaded(p, Shapes::oval(QRectF(50 + side * 26 - 9, 52, 18, 28)), tint, 1.4);
        shaded(p, Shapes::oval(QRectF(50 + side * 17 - 11, 78, 22, 20)), tint, 1.4);
        flat(p, Shapes::oval(QRectF(50 + side * 17 - 6, 84, 12, 10)), lighter(tint, 35), 0);
    }
    const QPainterPath body = Shapes::oval(QRectF(28, 46, 44, 46));
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    flat(p, Shapes::oval(QRectF(38, 58, 24, 26)), lighter(tint, 30), 0);
    const QPainterPath head = Shapes::oval(QRectF(28, 10, 44, 40));
    shaded(p, head, tint, 1.4);
    flat(p, Shapes::oval(QRectF(40, 28, 20, 16)), lighter(tint, 40), 0);
    flat(p, Shapes::oval(QRectF(46, 29, 8, 6)), kInk, 0);
    QPainterPath smile;
    smile.moveTo(45, 38);
    smile.quadTo(50, 42, 55, 38);
    curve(p, smile, kInk, 1.2);
    for (double side : {-1.0, 1.0}) {
        flat(p, Shapes::oval(QRectF(50 + side * 9 - 2.5, 22, 5, 6)), kInk, 0);
    }
}

} // namespace

namespace FamilySubjects {

void mortarboard(QPainter& p, const QColor& tint) {
    QPainterPath cap;
    cap.moveTo(26, 50);
    cap.lineTo(26, 72);
    cap.quadTo(50, 84, 74, 72);
    cap.lineTo(74, 50);
    cap.closeSubpath();
    shadow(p, cap, QPointF(2, 2), 4);
    shaded(p, cap, tint, 1.4);
    QPainterPath board;
    board.moveTo(50, 20);
    board.lineTo(96, 40);
    board.lineTo(50, 60);
    board.lineTo(4, 40);
    board.closeSubpath();
    shadow(p, board, QPointF(2, 2), 4);
    shaded(p, board, tint, 1.6);
    QPainterPath cord;
    cord.moveTo(50, 40);
    cord.quadTo(78, 42, 82, 50);
    cord.lineTo(82, 70);
    curve(p, cord, kGold, 2.0);
    QPainterPath tassel;
    tassel.moveTo(82, 68);
    tassel.lineTo(88, 88);
    tassel.lineTo(76, 88);
    tassel.closeSubpath();
    shaded(p, tassel, kGold, 1.0);
    flat(p, Shapes::oval(QRectF(46, 37, 8, 6)), kGold, 0.8);
}

void diploma(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(50, 50);
    p.rotate(-24);
    const QPainterPath roll = Shapes::roundedRect(QRectF(-44, -14, 88, 28), 6);
    shadow(p, roll, QPointF(2, 2), 4);
    shaded(p, roll, kPaper, 1.4);
    shaded(p, Shapes::oval(QRectF(36, -14, 14, 28)), darker(kPaper, 8), 1.2);
    flat(p, Shapes::oval(QRectF(40, -6, 6, 12)), darker(kPaper, 25), 0);
    for (double x : {-34.0, 28.0}) {
        line(p, QPointF(x, -13), QPointF(x, 13), darker(kPaper, 15), 1.0);
    }
    p.fillRect(QRectF(-6, -15, 12, 30), tint);
    p.restore();
    const QPointF knot(50, 50);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 10, -18), knot + QPointF(side * 24, -10), knot);
        shaded(p, loop, tint, 1.2);
        QPainterPath tail;
        tail.moveTo(knot);
        tail.lineTo(knot + QPointF(side * 10, 30));
        tail.lineTo(knot + QPointF(side * 3, 26));
        tail.closeSubpath();
        shaded(p, tail, tint, 1.0);
    }
    shaded(p, Shapes::oval(QRectF(44, 44, 12, 12)), darker(tint, 10), 1.0);
}

void books(QPainter& p, const QColor& tint) {
    const QColor colours[] = {tint, QColor(60, 140, 220), QColor(90, 180, 90)};
    const QRectF spines[] = {{10, 70, 80, 24}, {16, 48, 70, 22}, {8, 28, 76, 20}};
    for (int i = 0; i < 3; ++i) {
        const QRectF& book = spines[i];
        const QPainterPath cover = Shapes::roundedRect(book, 3);
        shadow(p, cover, QPointF(1.5, 1.5), 3);
        shaded(p, cover, colours[i], 1.4);
        p.fillRect(QRectF(book.right() - 8, book.top() + 3, 5, book.height() - 6), kPaper);
        p.fillRect(QRectF(book.left() + 10, book.top() + 4, 3, book.height() - 8), kGold);
        p.fillRect(QRectF(book.left() + 16, book.top() + 4, 3, book.height() - 8), kGold);
    }
    const QPainterPath fruit = Shapes::oval(QRectF(56, 6, 22, 22));
    shaded(p, fruit, QColor(220, 40, 50), 1.2);
    line(p, QPointF(67, 8), QPointF(68, 2), QColor(110, 80, 40), 1.8);
    shaded(p, Shapes::leaf(QPointF(68, 4), QPointF(78, 0), 3), QColor(90, 170, 70), 0.8);
}

void pencil(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(50, 50);
    p.rotate(-45);
    const QRectF body(-34, -9, 60, 18);
    shadow(p, Shapes::roundedRect(body, 1), QPointF(2, 2), 4);
    shaded(p, Shapes::roundedRect(body, 1), tint, 1.4);
    line(p, QPointF(-34, -3), QPointF(26, -3), darker(tint, 15), 1.0);
    line(p, QPointF(-34, 3), QPointF(26, 3), darker(tint, 15), 1.0);
    QPainterPath tip;
    tip.moveTo(26, -9);
    tip.lineTo(48, 0);
    tip.lineTo(26, 9);
    tip.closeSubpath();
    shaded(p, tip, QColor(240, 205, 150), 1.2);
    QPainterPath lead;
    lead.moveTo(41, -3);
    lead.lineTo(48, 0);
    lead.lineTo(41, 3);
    lead.closeSubpath();
    flat(p, lead, kInk, 0);
    shaded(p, Shapes::roundedRect(QRectF(-44, -9, 10, 18), 1), kSteel, 1.0);
    shaded(p, Shapes::roundedRect(QRectF(-52, -9, 10, 18), 4), QColor(240, 140, 160), 1.0);
    p.restore();
}

void tie(QPainter& p, const QColor& tint) {
    QPainterPath knot;
    knot.moveTo(38, 4);
    knot.lineTo(62, 4);
    knot.lineTo(57, 22);
    knot.lineTo(43, 22);
    knot.closeSubpath();
    QPainterPath blade;
    blade.moveTo(43, 22);
    blade.lineTo(57, 22);
    blade.lineTo(68, 80);
    blade.lineTo(50, 98);
    blade.lineTo(32, 80);
    blade.closeSubpath();
    shadow(p, blade, QPointF(2, 2), 4);
    shaded(p, blade, tint, 1.6);
    p.save();
    p.setClipPath(blade);
    for (int i = 0; i < 7; ++i) {
        line(p, QPointF(20, 20 + i * 12), QPointF(80, 50 + i * 12), lighter(tint, 45), 3.0);
    }
    p.restore();
    curve(p, blade, darker(tint, 45), 1.6);
    shaded(p, knot, darker(tint, 10), 1.6);
}

void hammer(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(50, 52);
    p.rotate(-35);
    p.scale(0.88, 0.88);
    const QPainterPath handle = Shapes::roundedRect(QRectF(-6, -22, 12, 70), 5);
    shadow(p, handle, QPointF(2, 2), 4);
    shaded(p, handle, tint, 1.4);
    shaded(p, Shapes::roundedRect(QRectF(-7, 22, 14, 26), 6), QColor(60, 60, 70), 1.2);
    QPainterPath head;
    head.moveTo(-30, -40);
    head.lineTo(16, -40);
    head.lineTo(32, -46);
    head.lineTo(30, -34);
    head.lineTo(30, -26);
    head.lineTo(16, -24);
    head.lineTo(-30, -24);
    head.closeSubpath();
    shadow(p, head, QPointF(2, 2), 4);
    shaded(p, head, kSteel, 1.4);
    shaded(p, Shapes::roundedRect(QRectF(-34, -42, 10, 20), 2), darker(kSteel, 10), 1.2);
    gloss(p, QRectF(-20, -39, 24, 5), 180);
    p.restore();
}

void wrench(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(50, 50);
    p.rotate(45);
    QPainterPath tool;
    tool.addRoundedRect(QRectF(-7, -30, 14, 62), 6, 6);
    tool.addEllipse(QRectF(-17, -52, 34, 32));
    tool.addEllipse(QRectF(-15, 24, 30, 26));
    tool.setFillRule(Qt::WindingFill);
    QPainterPath jaw;
    jaw.addRect(QRectF(-6, -56, 12, 20));
    QPainterPath ring;
    ring.addEllipse(QRectF(-8, 29, 16, 16));
    const QPainterPath shape = tool.simplified().subtracted(jaw).subtracted(ring);
    shadow(p, shape, QPointF(2, 2), 4);
    shaded(p, shape, tint, 1.6);
    gloss(p, QRectF(-4, -20, 6, 36), 140);
    p.restore();
}

void mug(QPainter& p, const QColor& tint) {
    QPainterPath handle;
    handle.addEllipse(QRectF(58, 36, 34, 38));
    handle = handle.subtracted(Shapes::oval(QRectF(66, 44, 18, 22)));
    shaded(p, handle, tint, 1.4);
    QPainterPath cup;
    cup.moveTo(14, 26);
    cup.lineTo(72, 26);
    cup.lineTo(68, 90);
    cup.quadTo(43, 98, 18, 90);
    cup.closeSubpath();
    shadow(p, cup, QPointF(2, 2), 4);
    shaded(p, cup, tint, 1.6);
    flat(p, Shapes::oval(QRectF(14, 20, 58, 12)), QColor(120, 70, 40), 1.4);
    const QPainterPath heart = Shapes::heart(QRectF(32, 46, 22, 20));
    flat(p, heart, kPaper, 0);
    for (double x : {30.0, 44.0, 58.0}) {
        QPainterPath steam;
        steam.moveTo(x, 16);
        steam.cubicTo(x - 6, 10, x + 6, 6, x, 0);
        curve(p, steam, QColor(200, 200, 210), 2.0);
    }
}

void sailboat(QPainter& p, const QColor& tint) {
    QPainterPath waves;
    waves.moveTo(0, 92);
    for (int i = 0; i < 5; ++i) {
        waves.quadTo(10 + i * 20, 86, 20 + i * 20, 92);
    }
    curve(p, waves, QColor(70, 150, 220), 3.0);
    QPainterPath hull;
    hull.moveTo(8, 70);
    hull.lineTo(92, 70);
    hull.lineTo(78, 88);
    hull.lineTo(22, 88);
    hull.closeSubpath();
    shadow(p, hull, QPointF(2, 2), 4);
    shaded(p, hull, tint, 1.6);
    line(p, QPointF(50, 68), QPointF(50, 6), kWood, 3.0);
    QPainterPath main;
    main.moveTo(53, 8);
    main.lineTo(86, 62);
    main.lineTo(53, 62);
    main.closeSubpath();
    shaded(p, main, QColor(250, 248, 240), 1.4);
    QPainterPath jib;
    jib.moveTo(47, 16);
    jib.lineTo(47, 62);
    jib.lineTo(18, 62);
    jib.closeSubpath();
    shaded(p, jib, QColor(240, 200, 70), 1.4);
    QPainterPath flag;
    flag.moveTo(50, 6);
    flag.lineTo(62, 9);
    flag.lineTo(50, 12);
    flat(p, flag, QColor(220, 60, 70), 0.8);
}

void fish(QPainter& p, const QColor& tint) {
    QPainterPath body;
    body.moveTo(8, 50);
    body.cubicTo(24, 20, 62, 18, 76, 50);
    body.cubicTo(62, 82, 24, 80, 8, 50);
    body.closeSubpath();
    QPainterPath tail;
    tail.moveTo(72, 50);
    tail.lineTo(96, 30);
    tail.quadTo(88, 50, 96, 70);
    tail.closeSubpath();
    shaded(p, tail, darker(tint, 10), 1.4);
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.6);
    p.save();
    p.setClipPath(body);
    for (int i = 0; i < 4; ++i) {
        QPainterPath scale;
        scale.moveTo(36 + i * 9, 30);
        scale.quadTo(44 + i * 9, 50, 36 + i * 9, 70);
        curve(p, scale, lighter(tint, 35), 1.6);
    }
    p.restore();
    flat(p, Shapes::oval(QRectF(18, 40, 10, 10)), QColor(250, 250, 250), 1.0);
    flat(p, Shapes::oval(QRectF(21, 43, 5, 5)), kInk, 0);
    QPainterPath fin;
    fin.moveTo(34, 28);
    fin.quadTo(44, 10, 58, 26);
    fin.closeSubpath();
    shaded(p, fin, darker(tint, 10), 1.2);
}

void teddy(QPainter& p, const QColor& tint) {
    teddyAt(p, tint);
    const QPointF knot(50, 50);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 8, -10), knot + QPointF(side * 18, -4), knot);
        shaded(p, loop, QColor(120, 180, 240), 1.0);
    }
    flat(p, Shapes::oval(QRectF(46, 46, 8, 8)), QColor(100, 160, 230), 0.8);
}

void rattle(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(50, 50);
    p.rotate(-35);
    shaded(p, Shapes::roundedRect(QRectF(-5, 0, 10, 40), 4), QColor(250, 220, 120), 1.2);
    const QPainterPath ring =
        Shapes::oval(QRectF(-14, 34, 28, 16)).subtracted(Shapes::oval(QRectF(-8, 38, 16, 8)));
    shaded(p, ring, QColor(250, 220, 120), 1.2);
    const QPainterPath ball = Shapes::oval(QRectF(-26, -48, 52, 52));
    shadow(p, ball, QPointF(2, 2), 4);
    shaded(p, ball, tint, 1.6);
    p.save();
    p.setClipPath(ball);
    for (int i = -2; i <= 2; ++i) {
        line(p, QPointF(-30, -22 + i * 10), QPointF(30, -22 + i * 10), lighter(tint, 40), 2.2);
    }
    p.restore();
    flat(p, Shapes::star(QPointF(0, -22), 9, 0.45), QColor(250, 210, 70), 0.8);
    gloss(p, QRectF(-18, -42, 16, 12), 190);
    p.restore();
}

void bottle(QPainter& p, const QColor& tint) {
    QPainterPath teat;
    teat.moveTo(42, 24);
    teat.cubicTo(42, 10, 46, 2, 50, 2);
    teat.cubicTo(54, 2, 58, 10, 58, 24);
    teat.closeSubpath();
    shaded(p, teat, QColor(245, 200, 140), 1.2);
    shaded(p, Shapes::roundedRect(QRectF(32, 22, 36, 12), 3), tint, 1.4);
    const QPainterPath glass = Shapes::roundedRect(QRectF(30, 32, 40, 64), 12);
    shadow(p, glass, QPointF(2, 2), 4);
    flat(p, glass, QColor(236, 244, 252), 1.4);
    p.save();
    p.setClipPath(glass);
    p.fillRect(QRectF(30, 52, 40, 50), QColor(252, 250, 244));
    p.restore();
    curve(p, glass, QColor(140, 160, 190), 1.4);
    for (int i = 0; i < 4; ++i) {
        line(p, QPointF(58, 48 + i * 11), QPointF(66, 48 + i * 11), tint, 1.6);
    }
    flat(p, Shapes::heart(QRectF(38, 66, 14, 12)), tint, 0);
    gloss(p, QRectF(34, 38, 6, 40), 160);
}

void pacifier(QPainter& p, const QColor& tint) {
    const QPainterPath ring =
        Shapes::oval(QRectF(54, 6, 36, 36)).subtracted(Shapes::oval(QRectF(62, 14, 20, 20)));
    shaded(p, ring, tint, 1.4);
    QPainterPath shield;
    shield.moveTo(50, 30);
    shield.cubicTo(80, 36, 78, 66, 64, 70);
    shield.cubicTo(50, 74, 40, 60, 30, 70);
    shield.cubicTo(16, 74, 14, 40, 50, 30);
    shield.closeSubpath();
    shadow(p, shield, QPointF(2, 2), 4);
    shaded(p, shield, tint, 1.6);
    shaded(p, Shapes::oval(QRectF(38, 44, 22, 16)), lighter(tint, 20), 1.2);
    const QPainterPath teat = Shapes::oval(QRectF(22, 62, 26, 34));
    shaded(p, teat, QColor(245, 215, 150), 1.4);
    gloss(p, QRectF(28, 66, 8, 12), 170);
}

void duck(QPainter& p, const QColor& tint) {
    QPainterPath body;
    body.moveTo(8, 60);
    body.cubicTo(10, 48, 24, 50, 40, 56);
    body.cubicTo(60, 58, 78, 50, 92, 56);
    body.cubicTo(94, 84, 72, 94, 48, 94);
    body.cubicTo(20, 94, 8, 80, 8, 60);
    body.closeSubpath();
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.6);
    const QPainterPath head = Shapes::oval(QRectF(18, 14, 40, 40));
    shaded(p, head, tint, 1.6);
    QPainterPath wing;
    wing.moveTo(44, 66);
    wing.cubicTo(56, 56, 76, 60, 80, 70);
    wing.cubicTo(70, 80, 54, 80, 44, 66);
    shaded(p, wing, darker(tint, 8), 1.2);
    QPainterPath beak;
    beak.moveTo(20, 34);
    beak.cubicTo(10, 30, 2, 36, 4, 40);
    beak.cubicTo(8, 44, 16, 44, 22, 42);
    beak.closeSubpath();
    shaded(p, beak, QColor(245, 140, 40), 1.2);
    flat(p, Shapes::oval(QRectF(30, 26, 7, 8)), kInk, 0);
    flat(p, Shapes::oval(QRectF(31.5, 27, 2.5, 2.5)), QColor(250, 250, 250), 0);
    gloss(p, QRectF(28, 18, 14, 10), 160);
}

void blocks(QPainter& p, const QColor& tint) {
    const QColor colours[] = {tint, QColor(120, 200, 120), QColor(250, 200, 60)};
    const QRectF cubes[] = {{6, 54, 42, 42}, {52, 54, 42, 42}, {29, 12, 42, 42}};
    const QChar letters[] = {'A', 'B', 'C'};
    for (int i = 0; i < 3; ++i) {
        const QPainterPath cube = Shapes::roundedRect(cubes[i], 5);
        shadow(p, cube, QPointF(2, 2), 4);
        shaded(p, cube, colours[i], 1.6);
        flat(p, Shapes::roundedRect(cubes[i].adjusted(5, 5, -5, -5), 3), lighter(colours[i], 45),
             0);
        flat(p, letterPath(letters[i], cubes[i].adjusted(11, 11, -11, -11)), darker(colours[i], 30),
             0);
    }
}

void pram(QPainter& p, const QColor& tint) {
    for (double x : {28.0, 72.0}) {
        const QPainterPath wheel = Shapes::oval(QRectF(x - 12, 72, 24, 24));
        shaded(p, wheel, QColor(80, 80, 90), 1.2);
        flat(p, Shapes::oval(QRectF(x - 5, 79, 10, 10)), kSteel, 0.8);
    }
    QPainterPath handle;
    handle.moveTo(82, 50);
    handle.lineTo(94, 22);
    handle.lineTo(100, 22);
    curve(p, handle, QColor(90, 90, 100), 3.0);
    QPainterPath basket;
    basket.moveTo(8, 44);
    basket.lineTo(88, 44);
    basket.cubicTo(88, 70, 70, 80, 48, 80);
    basket.cubicTo(26, 80, 8, 70, 8, 44);
    basket.closeSubpath();
    shadow(p, basket, QPointF(2, 2), 4);
    shaded(p, basket, tint, 1.6);
    QPainterPath hood;
    hood.moveTo(8, 46);
    hood.cubicTo(8, 14, 42, 6, 50, 8);
    hood.lineTo(50, 46);
    hood.closeSubpath();
    shaded(p, hood, darker(tint, 10), 1.6);
    for (int i = 1; i < 4; ++i) {
        QPainterPath rib;
        rib.moveTo(50, 46);
        rib.lineTo(50 - std::sin(i * 0.39) * 40, 46 - std::cos(i * 0.39) * 36);
        curve(p, rib, lighter(tint, 30), 1.4);
    }
    line(p, QPointF(12, 56), QPointF(86, 56), lighter(tint, 45), 2.0);
}

void onesie(QPainter& p, const QColor& tint) {
    QPainterPath suit;
    suit.moveTo(34, 8);
    suit.quadTo(50, 20, 66, 8);
    suit.lineTo(94, 24);
    suit.lineTo(84, 42);
    suit.lineTo(72, 36);
    suit.lineTo(72, 72);
    suit.lineTo(60, 96);
    suit.lineTo(40, 96);
    suit.lineTo(28, 72);
    suit.lineTo(28, 36);
    suit.lineTo(16, 42);
    suit.lineTo(6, 24);
    suit.closeSubpath();
    shadow(p, suit, QPointF(2, 2), 4);
    shaded(p, suit, tint, 1.6);
    flat(p, Shapes::heart(QRectF(40, 40, 20, 18)), lighter(tint, 55), 0);
    for (double x : {44.0, 50.0, 56.0}) {
        flat(p, Shapes::oval(QRectF(x - 1.8, 88, 3.6, 3.6)), lighter(tint, 55), 0);
    }
}

} // namespace FamilySubjects
