#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"
#include "tools/disc-builder/art/SubjectPainters.h"

#include <QtMath>

using namespace PaintKit;

namespace {

const QColor kLeaf(80, 170, 80);
const QColor kInk(60, 50, 60);
const QColor kFur(246, 244, 240);
const QColor kPinkInside(245, 170, 190);

QPainterPath eggShape(const QRectF& box) {
    const double w = box.width();
    const double h = box.height();
    QPainterPath path;
    path.moveTo(box.center().x(), box.top());
    path.cubicTo(box.left() + w * 0.82, box.top(), box.right(), box.top() + h * 0.52, box.right(),
                 box.top() + h * 0.64);
    path.cubicTo(box.right(), box.top() + h * 0.88, box.left() + w * 0.76, box.bottom(),
                 box.center().x(), box.bottom());
    path.cubicTo(box.left() + w * 0.24, box.bottom(), box.left(), box.top() + h * 0.88, box.left(),
                 box.top() + h * 0.64);
    path.cubicTo(box.left(), box.top() + h * 0.52, box.left() + w * 0.18, box.top(),
                 box.center().x(), box.top());
    path.closeSubpath();
    return path;
}

void decoratedEgg(QPainter& p, const QRectF& box, const QColor& tint, bool dots) {
    const QPainterPath shape = eggShape(box);
    shadow(p, shape, QPointF(box.width() * 0.03, box.width() * 0.04), box.width() * 0.06);
    shaded(p, shape, tint, qMax(1.0, box.width() * 0.02));
    p.save();
    p.setClipPath(shape);
    const QColor band = QColor::fromHsv((tint.hsvHue() + 180) % 360, 120, 250);
    const double w = box.width();
    const double h = box.height();
    if (dots) {
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 4; ++col) {
                const QPointF c(box.left() + w * (0.15 + col * 0.24 + (row % 2) * 0.12),
                                box.top() + h * (0.2 + row * 0.21));
                flat(p,
                     Shapes::oval(QRectF(c.x() - w * 0.06, c.y() - w * 0.06, w * 0.12, w * 0.12)),
                     band, 0);
            }
        }
    } else {
        QPainterPath zigzag;
        zigzag.moveTo(box.left(), box.top() + h * 0.5);
        for (int i = 0; i <= 8; ++i) {
            zigzag.lineTo(box.left() + w * i / 8.0, box.top() + h * (i % 2 ? 0.42 : 0.52));
        }
        curve(p, zigzag, band, w * 0.07);
        p.fillRect(QRectF(box.left(), box.top() + h * 0.64, w, h * 0.08), lighter(band, 30));
        p.fillRect(QRectF(box.left(), box.top() + h * 0.28, w, h * 0.05), kFur);
    }
    p.restore();
    gloss(p, QRectF(box.left() + w * 0.2, box.top() + h * 0.12, w * 0.26, h * 0.2), 170);
}

} // namespace

namespace SpringSubjects {

void egg(QPainter& p, const QColor& tint) {
    decoratedEgg(p, QRectF(18, 4, 64, 92), tint, false);
}

void dottedEgg(QPainter& p, const QColor& tint) {
    decoratedEgg(p, QRectF(18, 4, 64, 92), tint, true);
}

void eggBasket(QPainter& p, const QColor& tint) {
    QPainterPath handle;
    handle.moveTo(14, 56);
    handle.cubicTo(14, 0, 86, 0, 86, 56);
    curve(p, handle, QColor(170, 120, 60), 6.0);
    curve(p, handle, QColor(210, 160, 90), 3.0);
    decoratedEgg(p, QRectF(20, 30, 24, 32), QColor(120, 190, 240), false);
    decoratedEgg(p, QRectF(56, 30, 24, 32), QColor(250, 200, 60), true);
    decoratedEgg(p, QRectF(38, 24, 24, 34), tint, true);
    QPainterPath grass;
    grass.moveTo(10, 56);
    for (int i = 0; i <= 16; ++i) {
        grass.lineTo(10 + i * 5, i % 2 ? 46 : 56);
    }
    grass.lineTo(90, 60);
    grass.lineTo(10, 60);
    grass.closeSubpath();
    flat(p, grass, kLeaf, 0.8);
    QPainterPath basket;
    basket.moveTo(8, 54);
    basket.lineTo(92, 54);
    basket.lineTo(82, 96);
    basket.lineTo(18, 96);
    basket.closeSubpath();
    shadow(p, basket, QPointF(2, 2), 4);
    shaded(p, basket, QColor(205, 150, 80), 1.6);
    p.save();
    p.setClipPath(basket);
    for (double y = 60; y < 100; y += 8) {
        line(p, QPointF(0, y), QPointF(100, y), QColor(170, 115, 55), 1.6);
    }
    for (double x = 14; x < 90; x += 10) {
        line(p, QPointF(x, 54), QPointF(x + (50 - x) * 0.2, 100), QColor(170, 115, 55), 1.2);
    }
    p.restore();
    shaded(p, Shapes::roundedRect(QRectF(6, 50, 88, 8), 4), QColor(215, 160, 90), 1.2);
}

void bunny(QPainter& p, const QColor& tint) {
    for (double side : {-1.0, 1.0}) {
        p.save();
        p.translate(50 + side * 10, 34);
        p.rotate(side * 12);
        const QPainterPath ear = Shapes::oval(QRectF(-8, -34, 16, 38));
        shaded(p, ear, kFur, 1.4);
        flat(p, Shapes::oval(QRectF(-4, -28, 8, 28)), tint, 0);
        p.restore();
    }
    const QPainterPath body = Shapes::oval(QRectF(22, 54, 56, 44));
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, kFur, 1.4);
    flat(p, Shapes::oval(QRectF(38, 64, 24, 26)), QColor(255, 252, 248), 0);
    const QPainterPath head = Shapes::oval(QRectF(28, 26, 44, 38));
    shaded(p, head, kFur, 1.4);
    for (double side : {-1.0, 1.0}) {
        flat(p, Shapes::oval(QRectF(50 + side * 9 - 3, 38, 6, 7)), kInk, 0);
        flat(p, Shapes::oval(QRectF(50 + side * 9 - 1, 39, 2, 2)), QColor(255, 255, 255), 0);
        flat(p, Shapes::oval(QRectF(50 + side * 15 - 4, 47, 8, 5)), withAlpha(kPinkInside, 160), 0);
        line(p, QPointF(50 + side * 4, 50), QPointF(50 + side * 20, 48), QColor(170, 160, 160),
             0.8);
        line(p, QPointF(50 + side * 4, 51), QPointF(50 + side * 20, 53), QColor(170, 160, 160),
             0.8);
    }
    QPainterPath nose;
    nose.moveTo(47, 46);
    nose.lineTo(53, 46);
    nose.lineTo(50, 49);
    nose.closeSubpath();
    flat(p, nose, kPinkInside, 0.6);
    QPainterPath mouth;
    mouth.moveTo(46, 52);
    mouth.quadTo(48, 54, 50, 50);
    mouth.quadTo(52, 54, 54, 52);
    curve(p, mouth, kInk, 1.0);
    for (double side : {-1.0, 1.0}) {
        shaded(p, Shapes::oval(QRectF(50 + side * 16 - 8, 88, 16, 10)), kFur, 1.2);
    }
    const QPointF knot(50, 64);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 6, -8), knot + QPointF(side * 14, -4), knot);
        shaded(p, loop, tint, 1.0);
    }
    flat(p, Shapes::oval(QRectF(47, 61, 6, 6)), darker(tint, 10), 0.6);
}

void chick(QPainter& p, const QColor& tint) {
    const QPainterPath body = Shapes::oval(QRectF(14, 34, 70, 60));
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    const QPainterPath head = Shapes::oval(QRectF(30, 10, 44, 42));
    shaded(p, head, tint, 1.4);
    QPainterPath tuft;
    tuft.moveTo(50, 12);
    tuft.quadTo(46, 2, 52, 0);
    tuft.moveTo(52, 12);
    tuft.quadTo(56, 2, 62, 4);
    curve(p, tuft, darker(tint, 20), 1.6);
    QPainterPath wing;
    wing.moveTo(24, 60);
    wing.cubicTo(30, 50, 48, 54, 46, 70);
    wing.cubicTo(40, 76, 28, 72, 24, 60);
    shaded(p, wing, darker(tint, 6), 1.2);
    flat(p, Shapes::oval(QRectF(56, 24, 6, 7)), kInk, 0);
    flat(p, Shapes::oval(QRectF(57.5, 25, 2, 2)), QColor(255, 255, 255), 0);
    QPainterPath beak;
    beak.moveTo(70, 30);
    beak.lineTo(82, 35);
    beak.lineTo(70, 39);
    beak.closeSubpath();
    flat(p, beak, QColor(245, 140, 40), 0.8);
    flat(p, Shapes::oval(QRectF(62, 36, 8, 5)), withAlpha(QColor(245, 140, 130), 150), 0);
    for (double x : {40.0, 58.0}) {
        QPainterPath foot;
        foot.moveTo(x, 92);
        foot.lineTo(x - 5, 99);
        foot.moveTo(x, 92);
        foot.lineTo(x, 100);
        foot.moveTo(x, 92);
        foot.lineTo(x + 5, 99);
        curve(p, foot, QColor(240, 140, 40), 2.0);
    }
    QPainterPath shell;
    shell.moveTo(12, 74);
    for (int i = 0; i <= 8; ++i) {
        shell.lineTo(12 + i * 9.5, i % 2 ? 66 : 76);
    }
    shell.lineTo(86, 84);
    shell.cubicTo(84, 98, 14, 98, 12, 84);
    shell.closeSubpath();
    shaded(p, shell, QColor(250, 248, 240), 1.4);
}

void carrot(QPainter& p, const QColor& tint) {
    for (double angle : {-30.0, 0.0, 30.0}) {
        p.save();
        p.translate(58, 30);
        p.rotate(angle + 40);
        shaded(p, Shapes::leaf(QPointF(0, 0), QPointF(0, -28), 6), kLeaf, 1.0);
        p.restore();
    }
    QPainterPath root;
    root.moveTo(44, 26);
    root.cubicTo(60, 18, 76, 30, 68, 40);
    root.cubicTo(56, 60, 30, 84, 14, 94);
    root.cubicTo(20, 76, 30, 42, 44, 26);
    root.closeSubpath();
    shadow(p, root, QPointF(2, 2), 4);
    shaded(p, root, tint, 1.4);
    for (int i = 0; i < 4; ++i) {
        const QPointF at(52 - i * 8, 40 + i * 12);
        line(p, at, at + QPointF(8, 2), darker(tint, 25), 1.2);
    }
}

void flowerPot(QPainter& p, const QColor& tint) {
    const QColor petals[] = {tint, QColor(250, 200, 60), QColor(240, 120, 170)};
    const QPointF heads[] = {{30, 24}, {50, 14}, {70, 26}};
    for (int i = 0; i < 3; ++i) {
        line(p, QPointF(50, 66), heads[i], kLeaf, 2.4);
    }
    shaded(p, Shapes::leaf(QPointF(50, 60), QPointF(26, 46), 6), kLeaf, 1.0);
    shaded(p, Shapes::leaf(QPointF(50, 58), QPointF(76, 44), 6), kLeaf, 1.0);
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 6; ++k) {
            const double angle = qDegreesToRadians(k * 60.0);
            const QPointF c = heads[i] + QPointF(std::cos(angle), std::sin(angle)) * 7;
            shaded(p, Shapes::oval(QRectF(c.x() - 6, c.y() - 6, 12, 12)), petals[i], 0.8);
        }
        flat(p, Shapes::oval(QRectF(heads[i].x() - 4.5, heads[i].y() - 4.5, 9, 9)),
             QColor(250, 210, 60), 0.8);
    }
    QPainterPath pot;
    pot.moveTo(24, 70);
    pot.lineTo(76, 70);
    pot.lineTo(68, 98);
    pot.lineTo(32, 98);
    pot.closeSubpath();
    shadow(p, pot, QPointF(2, 2), 4);
    shaded(p, pot, QColor(215, 110, 70), 1.4);
    shaded(p, Shapes::roundedRect(QRectF(20, 62, 60, 12), 3), QColor(225, 125, 80), 1.4);
}

void bee(QPainter& p, const QColor& tint) {
    for (double x : {38.0, 58.0}) {
        const QPainterPath wing = Shapes::oval(QRectF(x - 12, 8, 24, 34));
        flat(p, wing, QColor(225, 240, 252, 230), 1.2);
    }
    const QPainterPath body = Shapes::oval(QRectF(14, 34, 72, 52));
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.4);
    p.save();
    p.setClipPath(body);
    for (double x : {38.0, 56.0, 74.0}) {
        p.fillRect(QRectF(x, 30, 8, 60), kInk);
    }
    p.restore();
    curve(p, body, darker(tint, 45), 1.4);
    QPainterPath sting;
    sting.moveTo(86, 58);
    sting.lineTo(96, 61);
    sting.lineTo(86, 64);
    flat(p, sting, kInk, 0);
    flat(p, Shapes::oval(QRectF(22, 48, 6, 7)), kInk, 0);
    QPainterPath smile;
    smile.moveTo(20, 62);
    smile.quadTo(26, 68, 32, 62);
    curve(p, smile, kInk, 1.2);
    for (double side : {-1.0, 1.0}) {
        QPainterPath feeler;
        feeler.moveTo(24, 38);
        feeler.quadTo(18 + side * 4, 26, 12 + side * 6, 24);
        curve(p, feeler, kInk, 1.2);
    }
}

void ladybug(QPainter& p, const QColor& tint) {
    const QPainterPath head = Shapes::oval(QRectF(34, 8, 32, 26));
    flat(p, head, kInk, 1.0);
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 3; ++i) {
            line(p, QPointF(50 + side * 30, 46 + i * 16), QPointF(50 + side * 42, 42 + i * 18),
                 kInk, 2.0);
        }
    }
    const QPainterPath shell = Shapes::oval(QRectF(16, 22, 68, 72));
    shadow(p, shell, QPointF(2, 2), 4);
    shaded(p, shell, tint, 1.6);
    line(p, QPointF(50, 24), QPointF(50, 92), kInk, 1.8);
    const QPointF spots[] = {{34, 44}, {66, 44}, {30, 66}, {70, 66}, {40, 82}, {60, 82}};
    for (const QPointF& c : spots) {
        flat(p, Shapes::oval(QRectF(c.x() - 6, c.y() - 6, 12, 12)), kInk, 0);
    }
    gloss(p, QRectF(26, 28, 16, 12), 170);
    for (double side : {-1.0, 1.0}) {
        flat(p, Shapes::oval(QRectF(50 + side * 7 - 3, 12, 6, 6)), QColor(250, 250, 250), 0);
    }
}

void sun(QPainter& p, const QColor& tint) {
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(50, 50);
        p.rotate(i * 30.0);
        QPainterPath ray;
        ray.moveTo(-7, -30);
        ray.lineTo(0, -48);
        ray.lineTo(7, -30);
        ray.closeSubpath();
        shaded(p, ray, i % 2 ? QColor(250, 160, 40) : tint, 1.0);
        p.restore();
    }
    const QPainterPath face = Shapes::oval(QRectF(18, 18, 64, 64));
    shadow(p, face, QPointF(2, 2), 4);
    shaded(p, face, tint, 1.6);
    for (double side : {-1.0, 1.0}) {
        flat(p, Shapes::oval(QRectF(50 + side * 11 - 3, 40, 6, 8)), kInk, 0);
        flat(p, Shapes::oval(QRectF(50 + side * 18 - 5, 54, 10, 6)),
             withAlpha(QColor(245, 120, 90), 140), 0);
    }
    QPainterPath smile;
    smile.moveTo(38, 58);
    smile.quadTo(50, 70, 62, 58);
    curve(p, smile, kInk, 2.0);
    gloss(p, QRectF(28, 24, 20, 14), 150);
}

void wateringCan(QPainter& p, const QColor& tint) {
    QPainterPath spout;
    spout.moveTo(66, 64);
    spout.lineTo(92, 30);
    spout.lineTo(97, 34);
    spout.lineTo(74, 74);
    spout.closeSubpath();
    shaded(p, spout, darker(tint, 8), 1.4);
    shaded(p, Shapes::roundedRect(QRectF(86, 22, 12, 10), 3), darker(tint, 15), 1.2);
    QPainterPath handle;
    handle.moveTo(20, 50);
    handle.cubicTo(2, 50, 2, 80, 20, 82);
    curve(p, handle, darker(tint, 20), 5.0);
    const QPainterPath body = Shapes::roundedRect(QRectF(18, 44, 54, 52), 10);
    shadow(p, body, QPointF(2, 2), 4);
    shaded(p, body, tint, 1.6);
    QPainterPath top;
    top.moveTo(26, 44);
    top.cubicTo(30, 26, 60, 26, 64, 44);
    curve(p, top, darker(tint, 20), 5.0);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(42 + (i - 1) * 12, 70);
        for (int k = 0; k < 5; ++k) {
            const double angle = qDegreesToRadians(k * 72.0);
            const QPointF at = c + QPointF(std::cos(angle), std::sin(angle)) * 4;
            flat(p, Shapes::oval(QRectF(at.x() - 3, at.y() - 3, 6, 6)), QColor(250, 250, 250), 0);
        }
        flat(p, Shapes::oval(QRectF(c.x() - 2, c.y() - 2, 4, 4)), QColor(250, 200, 60), 0);
    }
    for (int i = 0; i < 4; ++i) {
        const QPointF drop(90 + i * 2, 42 + i * 12);
        shaded(p, Shapes::teardrop(QRectF(drop.x() - 3, drop.y() - 5, 6, 9)), QColor(110, 180, 240),
               0.8);
    }
}

} // namespace SpringSubjects
