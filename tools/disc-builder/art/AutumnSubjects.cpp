#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"
#include "tools/disc-builder/art/SubjectPainters.h"

#include <QtMath>

using namespace PaintKit;

namespace {

const QColor kStalk(110, 140, 50);
const QColor kInk(45, 40, 50);
const QColor kBark(140, 90, 50);
const QColor kGlow(255, 220, 80);

QPainterPath pumpkinBody(const QRectF& box) {
    QPainterPath body;
    const double w = box.width();
    for (int i = 0; i < 5; ++i) {
        const double x = box.left() + w * (i * 0.17);
        body.addEllipse(QRectF(x, box.top(), w * 0.32, box.height()));
    }
    body.setFillRule(Qt::WindingFill);
    return body.simplified();
}

void pumpkinAt(QPainter& p, const QRectF& box, const QColor& tint) {
    const QPainterPath body = pumpkinBody(box);
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.6);
    for (int i = 1; i < 5; ++i) {
        const double x = box.left() + box.width() * (i * 0.17 + 0.08);
        QPainterPath rib;
        rib.moveTo(x + box.width() * 0.08, box.top() + 3);
        rib.quadTo(x + (i < 3 ? -1 : 1) * box.width() * 0.04, box.center().y(),
                   x + box.width() * 0.08, box.bottom() - 3);
        curve(p, rib, darker(tint, 22), 1.2);
    }
    QPainterPath stalk;
    stalk.moveTo(box.center().x() - 4, box.top() + 4);
    stalk.lineTo(box.center().x() - 2, box.top() - 10);
    stalk.lineTo(box.center().x() + 6, box.top() - 12);
    stalk.lineTo(box.center().x() + 4, box.top() + 4);
    stalk.closeSubpath();
    shaded(p, stalk, kStalk, 1.2);
    QPainterPath tendril;
    tendril.moveTo(box.center().x() + 4, box.top() - 4);
    tendril.cubicTo(box.center().x() + 18, box.top() - 16, box.center().x() + 20, box.top() + 2,
                    box.center().x() + 12, box.top() - 2);
    curve(p, tendril, kStalk, 1.4);
}

} // namespace

namespace AutumnSubjects {

void pumpkin(QPainter& p, const QColor& tint) {
    pumpkinAt(p, QRectF(6, 26, 88, 70), tint);
    shaded(p, Shapes::leaf(QPointF(52, 24), QPointF(28, 12), 7), QColor(90, 150, 60), 1.0);
}

void jackOLantern(QPainter& p, const QColor& tint) {
    pumpkinAt(p, QRectF(6, 24, 88, 72), tint);
    QPainterPath face;
    for (double side : {-1.0, 1.0}) {
        face.moveTo(50 + side * 8, 52);
        face.lineTo(50 + side * 24, 52);
        face.lineTo(50 + side * 16, 38);
        face.closeSubpath();
    }
    face.moveTo(46, 62);
    face.lineTo(54, 62);
    face.lineTo(50, 56);
    face.closeSubpath();
    face.moveTo(24, 68);
    face.quadTo(50, 92, 76, 68);
    face.lineTo(68, 72);
    face.lineTo(64, 66);
    face.lineTo(56, 74);
    face.lineTo(50, 68);
    face.lineTo(44, 74);
    face.lineTo(36, 66);
    face.lineTo(32, 72);
    face.closeSubpath();
    flat(p, face, kGlow, 1.0);
}

void bat(QPainter& p, const QColor& tint) {
    QPainterPath wings;
    wings.moveTo(50, 40);
    wings.cubicTo(38, 26, 18, 22, 2, 30);
    wings.cubicTo(10, 36, 12, 44, 8, 52);
    wings.quadTo(16, 46, 22, 54);
    wings.quadTo(28, 46, 36, 56);
    wings.quadTo(42, 50, 50, 62);
    wings.quadTo(58, 50, 64, 56);
    wings.quadTo(72, 46, 78, 54);
    wings.quadTo(84, 46, 92, 52);
    wings.cubicTo(88, 44, 90, 36, 98, 30);
    wings.cubicTo(82, 22, 62, 26, 50, 40);
    wings.closeSubpath();
    shadow(p, wings, QPointF(2, 2), 4);
    shaded(p, wings, tint, 1.4);
    const QPainterPath body = Shapes::oval(QRectF(40, 30, 20, 32));
    shaded(p, body, tint, 1.4);
    for (double side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(50 + side * 3, 32);
        ear.lineTo(50 + side * 8, 20);
        ear.lineTo(50 + side * 9, 34);
        ear.closeSubpath();
        shaded(p, ear, tint, 1.0);
        flat(p, Shapes::oval(QRectF(50 + side * 4.5 - 2.5, 38, 5, 5)), kGlow, 0);
    }
}

void ghost(QPainter& p, const QColor& tint) {
    QPainterPath sheet;
    sheet.moveTo(18, 92);
    sheet.lineTo(18, 44);
    sheet.cubicTo(18, 8, 82, 8, 82, 44);
    sheet.lineTo(82, 92);
    sheet.quadTo(76, 84, 70, 92);
    sheet.quadTo(63, 100, 57, 92);
    sheet.quadTo(50, 84, 44, 92);
    sheet.quadTo(37, 100, 31, 92);
    sheet.quadTo(24, 84, 18, 92);
    sheet.closeSubpath();
    shadow(p, sheet, QPointF(3, 3), 5, 70);
    shaded(p, sheet, tint, 1.6);
    for (double side : {-1.0, 1.0}) {
        flat(p, Shapes::oval(QRectF(50 + side * 11 - 5, 34, 10, 14)), kInk, 0);
        flat(p, Shapes::oval(QRectF(50 + side * 11 - 2, 36, 3, 3)), QColor(250, 250, 250), 0);
    }
    flat(p, Shapes::oval(QRectF(44, 54, 12, 14)), kInk, 0);
    for (double side : {-1.0, 1.0}) {
        QPainterPath arm;
        arm.moveTo(50 + side * 32, 52);
        arm.quadTo(50 + side * 44, 50, 50 + side * 46, 40);
        curve(p, arm, darker(tint, 30), 1.6);
    }
}

void witchHat(QPainter& p, const QColor& tint) {
    const QPainterPath brim = Shapes::oval(QRectF(4, 70, 92, 22));
    shadow(p, brim, QPointF(2, 2), 4);
    shaded(p, brim, tint, 1.6);
    QPainterPath cone;
    cone.moveTo(28, 80);
    cone.lineTo(40, 30);
    cone.cubicTo(44, 12, 60, 4, 80, 8);
    cone.cubicTo(66, 14, 60, 24, 62, 34);
    cone.lineTo(72, 80);
    cone.quadTo(50, 86, 28, 80);
    cone.closeSubpath();
    shaded(p, cone, tint, 1.6);
    QPainterPath band;
    band.moveTo(31, 68);
    band.quadTo(50, 74, 70, 68);
    band.lineTo(72, 78);
    band.quadTo(50, 84, 29, 78);
    band.closeSubpath();
    shaded(p, band, QColor(240, 140, 40), 1.0);
    shaded(p, Shapes::roundedRect(QRectF(44, 66, 12, 13), 2), QColor(250, 210, 60), 1.0);
    flat(p, Shapes::roundedRect(QRectF(47.5, 69.5, 5, 6), 1), tint, 0);
}

void spider(QPainter& p, const QColor& tint) {
    line(p, QPointF(50, 0), QPointF(50, 40), QColor(150, 150, 160), 1.0);
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 4; ++i) {
            QPainterPath leg;
            const QPointF hip(50 + side * 8, 52 + i * 5);
            leg.moveTo(hip);
            leg.quadTo(hip + QPointF(side * 18, -14 + i * 6),
                       hip + QPointF(side * 34, -4 + i * 12));
            curve(p, leg, tint, 2.6);
        }
    }
    const QPainterPath body = Shapes::oval(QRectF(32, 46, 36, 40));
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    shaded(p, Shapes::oval(QRectF(38, 34, 24, 20)), tint, 1.4);
    for (double side : {-1.0, 1.0}) {
        flat(p, Shapes::oval(QRectF(50 + side * 5 - 3.5, 38, 7, 8)), QColor(250, 250, 250), 0);
        flat(p, Shapes::oval(QRectF(50 + side * 5 - 1.5, 41, 3, 4)), kInk, 0);
    }
    gloss(p, QRectF(38, 52, 10, 10), 100);
}

void candyCorn(QPainter& p, const QColor&) {
    QPainterPath kernel;
    kernel.moveTo(50, 4);
    kernel.cubicTo(60, 4, 84, 70, 84, 84);
    kernel.quadTo(84, 96, 50, 96);
    kernel.quadTo(16, 96, 16, 84);
    kernel.cubicTo(16, 70, 40, 4, 50, 4);
    kernel.closeSubpath();
    shadow(p, kernel, QPointF(2, 2), 4);
    flat(p, kernel, QColor(250, 250, 240), 1.4);
    p.save();
    p.setClipPath(kernel);
    p.fillRect(QRectF(0, 64, 100, 40), QColor(250, 200, 50));
    p.fillRect(QRectF(0, 32, 100, 32), QColor(245, 130, 40));
    p.restore();
    curve(p, kernel, QColor(190, 110, 40), 1.4);
    gloss(p, QRectF(36, 30, 10, 30), 130);
}

void blackCat(QPainter& p, const QColor& tint) {
    QPainterPath tail;
    tail.moveTo(66, 88);
    tail.cubicTo(92, 86, 96, 60, 84, 44);
    curve(p, tail, tint, 7.0);
    const QPainterPath body = Shapes::oval(QRectF(24, 46, 50, 52));
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    QPainterPath head = Shapes::oval(QRectF(24, 14, 44, 40));
    for (double side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(46 + side * 18, 26);
        ear.lineTo(46 + side * 20, 4);
        ear.lineTo(46 + side * 6, 18);
        ear.closeSubpath();
        head = head.united(ear);
    }
    shaded(p, head, tint, 1.4);
    for (double side : {-1.0, 1.0}) {
        const QPainterPath eye = Shapes::oval(QRectF(46 + side * 9 - 5, 28, 10, 10));
        flat(p, eye, QColor(190, 230, 80), 0);
        flat(p, Shapes::oval(QRectF(46 + side * 9 - 1.5, 28.5, 3, 9)), kInk, 0);
        line(p, QPointF(46 + side * 6, 44), QPointF(46 + side * 24, 41), QColor(200, 200, 210),
             0.8);
        line(p, QPointF(46 + side * 6, 46), QPointF(46 + side * 24, 48), QColor(200, 200, 210),
             0.8);
    }
    QPainterPath nose;
    nose.moveTo(43, 41);
    nose.lineTo(49, 41);
    nose.lineTo(46, 44);
    nose.closeSubpath();
    flat(p, nose, QColor(240, 140, 160), 0);
}

void wrappedCandy(QPainter& p, const QColor& tint) {
    for (double side : {-1.0, 1.0}) {
        QPainterPath twist;
        twist.moveTo(50 + side * 22, 50);
        twist.lineTo(50 + side * 46, 30);
        twist.quadTo(50 + side * 40, 50, 50 + side * 46, 70);
        twist.closeSubpath();
        shaded(p, twist, lighter(tint, 15), 1.4);
    }
    const QPainterPath sweet = Shapes::oval(QRectF(24, 30, 52, 40));
    shadow(p, sweet, QPointF(2, 2), 4);
    shaded(p, sweet, tint, 1.6);
    p.save();
    p.setClipPath(sweet);
    for (int i = 0; i < 5; ++i) {
        line(p, QPointF(20 + i * 14, 70), QPointF(36 + i * 14, 28), lighter(tint, 55), 3.0);
    }
    p.restore();
    gloss(p, QRectF(30, 34, 16, 10), 170);
}

void mapleLeaf(QPainter& p, const QColor& tint) {
    const QPainterPath leaf = Shapes::mapleLeaf(QRectF(4, 2, 92, 96));
    shadow(p, leaf, QPointF(2, 2), 4);
    shaded(p, leaf, tint, 1.4);
    for (const QPointF& tip :
         {QPointF(50, 10), QPointF(14, 34), QPointF(86, 34), QPointF(26, 68), QPointF(74, 68)}) {
        line(p, QPointF(50, 80), tip, darker(tint, 25), 1.2);
    }
}

void oakLeaf(QPainter& p, const QColor& tint) {
    QPainterPath leaf;
    leaf.moveTo(50, 92);
    const int lobes = 4;
    for (int i = 0; i < lobes; ++i) {
        const double y = 80 - i * 18;
        const double width = 30 - i * 3;
        leaf.quadTo(50 - width * 1.3, y + 4, 50 - width, y - 6);
        leaf.quadTo(50 - width * 0.5, y - 6, 50 - width * 0.8, y - 12);
    }
    leaf.quadTo(50, -4, 50 + 30 * 0.8 - 9, 80 - 3 * 18 - 12);
    for (int i = lobes - 1; i >= 0; --i) {
        const double y = 80 - i * 18;
        const double width = 30 - i * 3;
        leaf.quadTo(50 + width * 0.5, y - 6, 50 + width, y - 6);
        leaf.quadTo(50 + width * 1.3, y + 4, i == 0 ? 52.0 : 50 + width * 0.8,
                    i == 0 ? 92.0 : y + 6);
    }
    leaf.closeSubpath();
    shadow(p, leaf, QPointF(2, 2), 4);
    shaded(p, leaf, tint, 1.4);
    line(p, QPointF(50, 98), QPointF(50, 14), darker(tint, 30), 1.6);
}

void acorn(QPainter& p, const QColor& tint) {
    const QPainterPath nut = Shapes::teardrop(QRectF(24, 22, 52, 74));
    QTransform flip;
    flip.translate(0, 118);
    flip.scale(1, -1);
    const QPainterPath body = flip.map(nut);
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    const QPainterPath cap = Shapes::oval(QRectF(16, 18, 68, 40))
                                 .intersected(Shapes::roundedRect(QRectF(10, 10, 80, 36), 0));
    shaded(p, cap, kBark, 1.4);
    p.save();
    p.setClipPath(cap);
    for (int i = 0; i < 10; ++i) {
        line(p, QPointF(16 + i * 8, 46), QPointF(26 + i * 8, 18), darker(kBark, 25), 1.0);
        line(p, QPointF(16 + i * 8, 18), QPointF(26 + i * 8, 46), darker(kBark, 25), 1.0);
    }
    p.restore();
    line(p, QPointF(50, 20), QPointF(54, 6), kBark, 4.0);
    gloss(p, QRectF(34, 54, 12, 20), 130);
}

void turkey(QPainter& p, const QColor& tint) {
    const QColor feathers[] = {QColor(200, 60, 40),  QColor(240, 140, 40), QColor(250, 200, 60),
                               QColor(120, 170, 60), QColor(200, 60, 40),  QColor(240, 140, 40),
                               QColor(250, 200, 60)};
    for (int i = 0; i < 7; ++i) {
        p.save();
        p.translate(50, 62);
        p.rotate(-72 + i * 24);
        const QPainterPath feather = Shapes::oval(QRectF(-11, -56, 22, 50));
        shaded(p, feather, feathers[i], 1.2);
        p.restore();
    }
    const QPainterPath body = Shapes::oval(QRectF(26, 44, 48, 50));
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    const QPainterPath head = Shapes::oval(QRectF(38, 26, 24, 28));
    shaded(p, head, lighter(tint, 10), 1.4);
    for (double side : {-1.0, 1.0}) {
        flat(p, Shapes::oval(QRectF(50 + side * 5 - 2.5, 34, 5, 6)), kInk, 0);
    }
    QPainterPath beak;
    beak.moveTo(46, 42);
    beak.lineTo(54, 42);
    beak.lineTo(50, 49);
    beak.closeSubpath();
    flat(p, beak, QColor(250, 180, 40), 0.8);
    QPainterPath wattle;
    wattle.moveTo(52, 45);
    wattle.cubicTo(58, 48, 58, 58, 53, 58);
    wattle.cubicTo(50, 56, 51, 50, 52, 45);
    flat(p, wattle, QColor(220, 50, 50), 0.8);
    for (double x : {42.0, 58.0}) {
        line(p, QPointF(x, 90), QPointF(x, 98), QColor(240, 150, 40), 2.4);
    }
}

void pie(QPainter& p, const QColor& tint) {
    const QPainterPath dish = Shapes::oval(QRectF(4, 48, 92, 40));
    shadow(p, dish, QPointF(2, 3), 4);
    QPainterPath side;
    side.moveTo(6, 56);
    side.lineTo(14, 80);
    side.quadTo(50, 98, 86, 80);
    side.lineTo(94, 56);
    side.closeSubpath();
    shaded(p, side, QColor(230, 180, 110), 1.4);
    const QPainterPath top = Shapes::oval(QRectF(4, 36, 92, 38));
    shaded(p, top, QColor(235, 190, 120), 1.4);
    const QPainterPath filling = Shapes::oval(QRectF(14, 41, 72, 28));
    shaded(p, filling, tint, 1.0);
    for (int i = 0; i < 18; ++i) {
        const double angle = qDegreesToRadians(i * 20.0);
        const QPointF at = QPointF(50, 55) + QPointF(std::cos(angle) * 42, std::sin(angle) * 16);
        flat(p, Shapes::oval(QRectF(at.x() - 4, at.y() - 3, 8, 6)), QColor(240, 200, 130), 0.8);
    }
    const QPainterPath cream = Shapes::cloud(QRectF(38, 38, 24, 16));
    shaded(p, cream, QColor(252, 250, 244), 1.0);
}

void corn(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(50, 50);
    p.rotate(-25);
    const QPainterPath cob = Shapes::oval(QRectF(-16, -44, 32, 84));
    shadow(p, cob, QPointF(2, 2), 4);
    shaded(p, cob, tint, 1.4);
    p.save();
    p.setClipPath(cob);
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QPointF at(-12 + col * 8 + (row % 2) * 4, -40 + row * 7);
            shaded(p, Shapes::oval(QRectF(at.x() - 3.5, at.y() - 3, 7, 6)), tint, 0.6);
        }
    }
    p.restore();
    for (double side : {-1.0, 1.0}) {
        QPainterPath husk;
        husk.moveTo(0, 48);
        husk.cubicTo(side * 30, 30, side * 26, -10, side * 10, -30);
        husk.cubicTo(side * 14, 0, side * 10, 24, 0, 48);
        shaded(p, husk, QColor(150, 180, 80), 1.2);
    }
    p.restore();
}

void apple(QPainter& p, const QColor& tint) {
    QPainterPath fruit;
    fruit.moveTo(50, 28);
    fruit.cubicTo(64, 18, 92, 22, 90, 52);
    fruit.cubicTo(88, 80, 70, 96, 58, 94);
    fruit.cubicTo(54, 92, 46, 92, 42, 94);
    fruit.cubicTo(30, 96, 12, 80, 10, 52);
    fruit.cubicTo(8, 22, 36, 18, 50, 28);
    fruit.closeSubpath();
    shadow(p, fruit, QPointF(2, 2), 4);
    shaded(p, fruit, tint, 1.6);
    line(p, QPointF(50, 30), QPointF(52, 10), QColor(110, 80, 40), 3.0);
    shaded(p, Shapes::leaf(QPointF(53, 16), QPointF(76, 8), 6), QColor(90, 170, 70), 1.0);
    gloss(p, QRectF(22, 32, 18, 24), 170);
}

void pilgrimHat(QPainter& p, const QColor& tint) {
    const QPainterPath brim = Shapes::oval(QRectF(4, 70, 92, 24));
    shadow(p, brim, QPointF(2, 2), 4);
    shaded(p, brim, tint, 1.6);
    QPainterPath crown;
    crown.moveTo(24, 82);
    crown.lineTo(30, 14);
    crown.quadTo(50, 8, 70, 14);
    crown.lineTo(76, 82);
    crown.quadTo(50, 88, 24, 82);
    crown.closeSubpath();
    shaded(p, crown, tint, 1.6);
    QPainterPath band;
    band.moveTo(27, 58);
    band.quadTo(50, 62, 73, 58);
    band.lineTo(74, 72);
    band.quadTo(50, 77, 26, 72);
    band.closeSubpath();
    shaded(p, band, QColor(90, 70, 60), 1.0);
    shaded(p, Shapes::roundedRect(QRectF(40, 56, 20, 18), 2), QColor(240, 200, 70), 1.2);
    flat(p, Shapes::roundedRect(QRectF(45, 61, 10, 8), 1), QColor(90, 70, 60), 0);
}

void sunflower(QPainter& p, const QColor& tint) {
    line(p, QPointF(50, 60), QPointF(52, 100), QColor(80, 150, 60), 4.0);
    shaded(p, Shapes::leaf(QPointF(51, 86), QPointF(76, 74), 8), QColor(90, 170, 70), 1.0);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(50, 38);
        p.rotate(i * 22.5);
        shaded(p, Shapes::oval(QRectF(-6, -38, 12, 26)), i % 2 ? tint : darker(tint, 8), 1.0);
        p.restore();
    }
    const QPainterPath middle = Shapes::oval(QRectF(34, 22, 32, 32));
    shaded(p, middle, QColor(120, 70, 30), 1.2);
    for (int i = 0; i < 12; ++i) {
        const double angle = qDegreesToRadians(i * 30.0);
        const QPointF at = QPointF(50, 38) + QPointF(std::cos(angle), std::sin(angle)) * 9;
        flat(p, Shapes::oval(QRectF(at.x() - 1.5, at.y() - 1.5, 3, 3)), QColor(80, 45, 20), 0);
    }
}

} // namespace AutumnSubjects
