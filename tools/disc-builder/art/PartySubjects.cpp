#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"
#include "tools/disc-builder/art/SubjectPainters.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace PaintKit;

namespace {

const QColor kFlame(255, 170, 30);

void oneBalloon(QPainter& p, const QRectF& body, const QColor& tint, const QPointF& stringEnd) {
    const QPointF knot(body.center().x(), body.bottom());
    QPainterPath string;
    string.moveTo(knot + QPointF(0, 3));
    const double drop = stringEnd.y() - knot.y();
    string.cubicTo(knot + QPointF(-6, drop * 0.35), stringEnd + QPointF(6, -drop * 0.4), stringEnd);
    curve(p, string, QColor(120, 120, 130), 1.2);

    QPainterPath shape;
    const double w = body.width();
    const double h = body.height();
    shape.moveTo(knot);
    shape.cubicTo(body.left() + w * 0.18, body.bottom() - h * 0.12, body.left(),
                  body.top() + h * 0.62, body.left(), body.top() + h * 0.42);
    shape.cubicTo(body.left(), body.top() + h * 0.12, body.left() + w * 0.24, body.top(),
                  body.center().x(), body.top());
    shape.cubicTo(body.right() - w * 0.24, body.top(), body.right(), body.top() + h * 0.12,
                  body.right(), body.top() + h * 0.42);
    shape.cubicTo(body.right(), body.top() + h * 0.62, body.right() - w * 0.18,
                  body.bottom() - h * 0.12, knot.x(), knot.y());
    shape.closeSubpath();
    shaded(p, shape, tint, 1.6);

    QPainterPath tie;
    tie.moveTo(knot);
    tie.lineTo(knot + QPointF(-w * 0.08, h * 0.08));
    tie.lineTo(knot + QPointF(w * 0.08, h * 0.08));
    tie.closeSubpath();
    flat(p, tie, darker(tint, 10), 1.2);
    gloss(p, QRectF(body.left() + w * 0.16, body.top() + h * 0.1, w * 0.3, h * 0.26), 190);
}

void flame(QPainter& p, const QPointF& base, double height) {
    const QRectF box(base.x() - height * 0.28, base.y() - height, height * 0.56, height);
    QPainterPath outer = Shapes::teardrop(box);
    QRadialGradient glow(box.center() + QPointF(0, height * 0.2), height * 0.6);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(0.5, kFlame);
    glow.setColorAt(1, QColor(240, 90, 20));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(outer);
    p.restore();
}

void candleStick(QPainter& p, const QRectF& stick, const QColor& tint) {
    QPainterPath body = Shapes::roundedRect(stick, stick.width() * 0.25);
    shaded(p, body, tint, 1.0);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(kOffWhite, stick.width() * 0.35));
    for (double y = stick.top() - stick.width(); y < stick.bottom(); y += stick.width() * 1.4) {
        p.drawLine(QPointF(stick.left(), y + stick.width()), QPointF(stick.right(), y));
    }
    p.restore();
    line(p, QPointF(stick.center().x(), stick.top()),
         QPointF(stick.center().x(), stick.top() - stick.width() * 0.6), QColor(60, 60, 60), 0.8);
    flame(p, QPointF(stick.center().x(), stick.top() - stick.width() * 0.3), stick.width() * 2.4);
}

void sprinkles(QPainter& p, const QRectF& area, int count, int seed) {
    static const QColor colours[] = {
        {233, 66, 85}, {60, 150, 230}, {250, 200, 40}, {90, 190, 100}, {170, 90, 210}};
    p.save();
    for (int i = 0; i < count; ++i) {
        const int k = (i * 7 + seed * 13) % 97;
        const double x = area.left() + area.width() * ((k * 37) % 100) / 100.0;
        const double y = area.top() + area.height() * ((k * 59 + i * 17) % 100) / 100.0;
        const double angle = (k * 47) % 180;
        p.save();
        p.translate(x, y);
        p.rotate(angle);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[(i + seed) % 5]);
        p.drawRoundedRect(QRectF(-2.2, -0.8, 4.4, 1.6), 0.8, 0.8);
        p.restore();
    }
    p.restore();
}

void giftBox(QPainter& p, const QRectF& box, const QColor& tint, const QColor& ribbon) {
    const double lidHeight = box.height() * 0.24;
    const QRectF lid(box.left() - box.width() * 0.05, box.top(), box.width() * 1.1, lidHeight);
    const QRectF base(box.left(), box.top() + lidHeight * 0.9, box.width(),
                      box.height() - lidHeight * 0.9);
    shadow(p, Shapes::roundedRect(base, 2), QPointF(2, 2), 4);
    shaded(p, Shapes::roundedRect(base, 2), tint, 1.4);
    shaded(p, Shapes::roundedRect(lid, 2), lighter(tint, 8), 1.4);
    const double band = box.width() * 0.16;
    const QRectF vertical(box.center().x() - band / 2, base.top(), band, base.height());
    const QRectF lidBand(box.center().x() - band / 2, lid.top(), band, lid.height());
    shaded(p, Shapes::roundedRect(vertical, 0.5), ribbon, 1.0);
    shaded(p, Shapes::roundedRect(lidBand, 0.5), ribbon, 1.0);

    const QPointF knot(box.center().x(), box.top());
    const double loop = box.width() * 0.32;
    for (double side : {-1.0, 1.0}) {
        QPainterPath bowLoop;
        bowLoop.moveTo(knot);
        bowLoop.cubicTo(knot + QPointF(side * loop * 0.5, -loop * 1.0),
                        knot + QPointF(side * loop * 1.3, -loop * 0.7),
                        knot + QPointF(side * 2, 0));
        bowLoop.closeSubpath();
        shaded(p, bowLoop, ribbon, 1.2);
    }
    p.save();
    p.setPen(QPen(darker(ribbon, 45), 1.0));
    p.setBrush(ribbon);
    p.drawEllipse(knot, loop * 0.18, loop * 0.15);
    p.restore();
}

} // namespace

namespace PartySubjects {

void balloon(QPainter& p, const QColor& tint) {
    oneBalloon(p, QRectF(24, 2, 52, 64), tint, QPointF(50, 98));
}

void balloonBunch(QPainter& p, const QColor& tint) {
    const QPointF gather(50, 98);
    oneBalloon(p, QRectF(8, 14, 36, 44), QColor(60, 150, 230), gather);
    oneBalloon(p, QRectF(56, 12, 36, 44), QColor(250, 200, 40), gather);
    oneBalloon(p, QRectF(30, 0, 40, 50), tint, gather);
}

void cake(QPainter& p, const QColor& tint) {
    const QRectF plate(6, 84, 88, 12);
    shadow(p, Shapes::oval(plate), QPointF(1, 2), 3);
    flat(p, Shapes::oval(plate), QColor(235, 235, 240), 1.2);

    const QRectF lower(14, 56, 72, 32);
    QPainterPath lowerBody = Shapes::roundedRect(lower, 5);
    shaded(p, lowerBody, QColor(245, 200, 150), 1.4);
    const QRectF upper(24, 34, 52, 26);
    shaded(p, Shapes::roundedRect(upper, 5), QColor(245, 200, 150), 1.4);

    for (const QRectF& tier : {lower, upper}) {
        QPainterPath icing;
        icing.moveTo(tier.left(), tier.top() + 4);
        icing.lineTo(tier.left(), tier.top() + 5);
        const int drips = 5;
        const double step = tier.width() / drips;
        for (int i = 0; i < drips; ++i) {
            const double x = tier.left() + step * i;
            icing.cubicTo(x + step * 0.1, tier.top() + 12, x + step * 0.5, tier.top() + 13,
                          x + step * 0.55, tier.top() + 8);
            icing.cubicTo(x + step * 0.65, tier.top() + 5, x + step * 0.9, tier.top() + 6, x + step,
                          tier.top() + 7);
        }
        icing.lineTo(tier.right(), tier.top() + 4);
        icing.quadTo(tier.right(), tier.top(), tier.right() - 4, tier.top());
        icing.lineTo(tier.left() + 4, tier.top());
        icing.quadTo(tier.left(), tier.top(), tier.left(), tier.top() + 4);
        icing.closeSubpath();
        shaded(p, icing, tint, 1.2);
    }
    sprinkles(p, QRectF(18, 70, 64, 14), 12, 1);
    sprinkles(p, QRectF(28, 47, 44, 10), 8, 3);

    const QColor candleColours[] = {{90, 170, 240}, {250, 200, 40}, {120, 200, 110}};
    for (int i = 0; i < 3; ++i) {
        candleStick(p, QRectF(35 + i * 13, 18, 5, 17), candleColours[i]);
    }
}

void cupcake(QPainter& p, const QColor& tint) {
    QPainterPath wrapper;
    wrapper.moveTo(20, 56);
    wrapper.lineTo(80, 56);
    wrapper.lineTo(71, 96);
    wrapper.lineTo(29, 96);
    wrapper.closeSubpath();
    shadow(p, wrapper, QPointF(1.5, 1.5), 3);
    shaded(p, wrapper, QColor(90, 170, 230), 1.4);
    p.save();
    p.setClipPath(wrapper);
    for (int i = 0; i < 8; ++i) {
        const double x = 22 + i * 8;
        line(p, QPointF(x, 56), QPointF(31 + i * 5.6, 96), darker(QColor(90, 170, 230), 25), 1.0);
    }
    p.restore();

    QPainterPath frosting;
    frosting.moveTo(16, 60);
    frosting.cubicTo(8, 58, 10, 44, 20, 44);
    frosting.cubicTo(16, 32, 30, 26, 38, 30);
    frosting.cubicTo(40, 18, 60, 18, 62, 30);
    frosting.cubicTo(72, 26, 84, 34, 80, 44);
    frosting.cubicTo(90, 44, 92, 58, 84, 60);
    frosting.closeSubpath();
    shaded(p, frosting, tint, 1.4);
    QPainterPath swirl;
    swirl.moveTo(24, 50);
    swirl.quadTo(50, 40, 76, 50);
    curve(p, swirl, lighter(tint, 45), 2.0);
    sprinkles(p, QRectF(22, 30, 56, 22), 10, 2);
    const QPointF cherry(50, 16);
    QPainterPath stalk;
    stalk.moveTo(cherry);
    stalk.quadTo(54, 6, 62, 4);
    curve(p, stalk, QColor(90, 140, 60), 1.6);
    QPainterPath ball = Shapes::oval(QRectF(43, 12, 14, 13));
    shaded(p, ball, QColor(220, 30, 50), 1.2);
    gloss(p, QRectF(45, 13, 5, 5), 200);
}

void gift(QPainter& p, const QColor& tint) {
    giftBox(p, QRectF(14, 30, 72, 66), tint, QColor(250, 200, 40));
}

void giftStack(QPainter& p, const QColor& tint) {
    giftBox(p, QRectF(4, 48, 52, 48), tint, QColor(250, 210, 60));
    giftBox(p, QRectF(56, 58, 40, 38), QColor(60, 160, 220), QColor(240, 80, 110));
    giftBox(p, QRectF(26, 16, 36, 34), QColor(120, 200, 110), QColor(200, 60, 160));
}

void partyHat(QPainter& p, const QColor& tint) {
    QPainterPath cone;
    cone.moveTo(50, 10);
    cone.lineTo(82, 90);
    cone.quadTo(50, 100, 18, 90);
    cone.closeSubpath();
    shadow(p, cone, QPointF(2, 2), 4);
    shaded(p, cone, tint, 1.6);
    p.save();
    p.setClipPath(cone);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 60));
    for (int i = 0; i < 4; ++i) {
        QPainterPath stripe;
        const double y = 30 + i * 18;
        stripe.moveTo(0, y);
        stripe.lineTo(100, y - 14);
        stripe.lineTo(100, y - 8);
        stripe.lineTo(0, y + 6);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    p.restore();
    curve(p, cone, darker(tint, 45), 1.6);
    for (int i = 0; i < 7; ++i) {
        const double x = 20 + i * 10;
        const QColor colour = i % 2 ? QColor(240, 80, 110) : QColor(80, 170, 240);
        shaded(p, Shapes::oval(QRectF(x - 5, 86 + (i % 2) * 2 - (i == 3 ? 2 : 0), 10, 9)), colour,
               0.8);
    }
    for (int i = 0; i < 6; ++i) {
        const double angle = qDegreesToRadians(i * 60.0 + 15);
        line(p, QPointF(50, 10), QPointF(50 + 9 * std::cos(angle), 10 + 9 * std::sin(angle)),
             i % 2 ? QColor(240, 80, 110) : QColor(250, 190, 40), 3.0);
    }
}

void candle(QPainter& p, const QColor& tint) {
    const QRectF stick(38, 34, 24, 60);
    shadow(p, Shapes::roundedRect(stick, 4), QPointF(2, 2), 4);
    QPainterPath body = Shapes::roundedRect(stick, 4);
    shaded(p, body, tint, 1.4);
    QPainterPath drip;
    drip.moveTo(38, 38);
    drip.lineTo(38, 34);
    drip.lineTo(62, 34);
    drip.lineTo(62, 44);
    drip.quadTo(58, 50, 56, 42);
    drip.quadTo(52, 38, 48, 46);
    drip.quadTo(44, 52, 42, 42);
    drip.closeSubpath();
    flat(p, drip, lighter(tint, 30), 1.0);
    line(p, QPointF(50, 34), QPointF(50, 26), QColor(60, 60, 60), 1.2);
    QRadialGradient halo(QPointF(50, 16), 22);
    halo.setColorAt(0, QColor(255, 230, 120, 150));
    halo.setColorAt(1, QColor(255, 230, 120, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(50, 16), 22, 22);
    p.restore();
    flame(p, QPointF(50, 30), 26);
}

void star(QPainter& p, const QColor& tint) {
    const QPainterPath shape = Shapes::star(QPointF(50, 53), 48, 0.48);
    shadow(p, shape, QPointF(2, 2), 4);
    shaded(p, shape, tint, 1.8);
    const QPainterPath inner = Shapes::star(QPointF(50, 53), 30, 0.48);
    flat(p, inner, withAlpha(lighter(tint, 40), 140), 0);
    gloss(p, QRectF(30, 26, 22, 18), 170);
}

void shootingStar(QPainter& p, const QColor& tint) {
    const QColor trail[] = {{240, 80, 110}, {250, 180, 40}, {80, 170, 240}};
    for (int i = 0; i < 3; ++i) {
        QPainterPath streak;
        streak.moveTo(56 - i * 5, 46 + i * 6);
        streak.quadTo(30 - i * 4, 66 + i * 4, 4 + i * 2, 90 - i * 2);
        curve(p, streak, trail[i], 4.0);
    }
    const QPainterPath shape = Shapes::star(QPointF(64, 36), 32, 0.48, 5, 12);
    shadow(p, shape, QPointF(2, 2), 4);
    shaded(p, shape, tint, 1.8);
    gloss(p, QRectF(50, 16, 16, 14), 170);
}

void confetti(QPainter& p, const QColor& tint) {
    static const QColor colours[] = {
        {240, 80, 110}, {80, 170, 240}, {250, 200, 40}, {110, 200, 110}, {170, 100, 220}};
    const QPointF mouth(26, 80);
    for (int i = 0; i < 22; ++i) {
        const double angle = qDegreesToRadians(-100.0 + i * 4.0 + (i % 3) * 2);
        const double distance = 16 + (i * 37 % 44);
        const QPointF at = mouth + QPointF(std::cos(angle), std::sin(angle)) * distance;
        p.save();
        p.translate(at);
        p.rotate(i * 41);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i % 5]);
        if (i % 3 == 0) {
            p.drawEllipse(QPointF(0, 0), 2.6, 2.6);
        } else {
            p.drawRect(QRectF(-3, -1.5, 6, 3));
        }
        p.restore();
    }
    QPainterPath popper;
    popper.moveTo(8, 98);
    popper.lineTo(22, 66);
    popper.lineTo(40, 82);
    popper.closeSubpath();
    shaded(p, popper, tint, 1.4);
    p.save();
    p.setClipPath(popper);
    for (int i = 0; i < 4; ++i) {
        line(p, QPointF(0, 80 + i * 8), QPointF(50, 60 + i * 8), QColor(250, 210, 60), 2.5);
    }
    p.restore();
    curve(p, popper, darker(tint, 45), 1.4);
}

void partyHorn(QPainter& p, const QColor& tint) {
    QPainterPath horn;
    horn.moveTo(10, 74);
    horn.lineTo(62, 40);
    horn.quadTo(80, 24, 92, 28);
    horn.quadTo(96, 44, 84, 58);
    horn.lineTo(16, 84);
    horn.closeSubpath();
    shadow(p, horn, QPointF(2, 2), 4);
    shaded(p, horn, tint, 1.6);
    p.save();
    p.setClipPath(horn);
    for (int i = 0; i < 6; ++i) {
        line(p, QPointF(20 + i * 13, 90), QPointF(40 + i * 13, 20), QColor(250, 210, 60), 4.0);
    }
    p.restore();
    curve(p, horn, darker(tint, 45), 1.6);
    shaded(p, Shapes::roundedRect(QRectF(4, 72, 12, 12), 3), QColor(60, 60, 70), 1.0);
    QPainterPath curl;
    curl.moveTo(88, 44);
    curl.cubicTo(98, 60, 80, 74, 74, 64);
    curl.cubicTo(70, 56, 84, 54, 82, 64);
    curve(p, curl, QColor(80, 170, 240), 2.4);
}

void lollipop(QPainter& p, const QColor& tint) {
    shaded(p, Shapes::roundedRect(QRectF(47, 50, 6, 48), 3), QColor(245, 240, 230), 1.0);
    const QPointF centre(50, 32);
    const QPainterPath disc = Shapes::oval(QRectF(20, 2, 60, 60));
    shadow(p, disc, QPointF(2, 2), 4);
    flat(p, disc, kOffWhite, 1.6);
    QPainterPath swirl;
    for (int i = 0; i <= 120; ++i) {
        const double angle = i * 0.22;
        const double radius = i * 0.24;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0) {
            swirl.moveTo(point);
        } else {
            swirl.lineTo(point);
        }
    }
    curve(p, swirl, tint, 6.0);
    curve(p, disc, darker(tint, 40), 1.6);
    gloss(p, QRectF(28, 8, 20, 16), 180);
    QPainterPath ribbon;
    ribbon.moveTo(50, 64);
    ribbon.cubicTo(36, 56, 34, 72, 50, 66);
    ribbon.cubicTo(66, 72, 64, 56, 50, 64);
    flat(p, ribbon, QColor(90, 180, 240), 1.0);
}

void iceCream(QPainter& p, const QColor& tint) {
    QPainterPath cone;
    cone.moveTo(28, 50);
    cone.lineTo(72, 50);
    cone.lineTo(50, 98);
    cone.closeSubpath();
    shaded(p, cone, QColor(225, 170, 95), 1.4);
    p.save();
    p.setClipPath(cone);
    for (int i = -4; i < 6; ++i) {
        line(p, QPointF(20 + i * 9, 50), QPointF(60 + i * 9, 100), QColor(190, 130, 60), 1.0);
        line(p, QPointF(80 - i * 9, 50), QPointF(40 - i * 9, 100), QColor(190, 130, 60), 1.0);
    }
    p.restore();
    shaded(p, Shapes::oval(QRectF(24, 30, 52, 28)), QColor(250, 225, 160), 1.4);
    shaded(p, Shapes::oval(QRectF(28, 8, 44, 36)), tint, 1.4);
    sprinkles(p, QRectF(32, 12, 36, 26), 8, 4);
    gloss(p, QRectF(34, 12, 14, 10), 170);
}

void rainbow(QPainter& p, const QColor&) {
    static const QColor bands[] = {{235, 70, 80},   {250, 150, 50}, {250, 215, 60},
                                   {110, 200, 110}, {70, 160, 235}, {150, 100, 220}};
    for (int i = 0; i < 6; ++i) {
        const double radius = 46 - i * 5.5;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(50 - radius, 74 - radius, radius * 2, radius * 2), 180);
        arc.arcTo(QRectF(50 - radius, 74 - radius, radius * 2, radius * 2), 180, -180);
        curve(p, arc, bands[i], 5.8);
    }
    for (double x : {14.0, 86.0}) {
        const QPainterPath puff = Shapes::cloud(QRectF(x - 16, 62, 32, 22));
        shadow(p, puff, QPointF(1, 1.5), 3);
        flat(p, puff, kOffWhite, 1.4);
    }
}

void bow(QPainter& p, const QColor& tint) {
    const QPointF knot(50, 44);
    for (double side : {-1.0, 1.0}) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 20, -36), knot + QPointF(side * 52, -20),
                     knot + QPointF(side * 44, 6));
        loop.cubicTo(knot + QPointF(side * 38, 20), knot + QPointF(side * 16, 8), knot);
        shadow(p, loop, QPointF(1.5, 2), 3);
        shaded(p, loop, tint, 1.6);
        QPainterPath tail;
        tail.moveTo(knot);
        tail.cubicTo(knot + QPointF(side * 8, 20), knot + QPointF(side * 18, 34),
                     knot + QPointF(side * 26, 52));
        tail.lineTo(knot + QPointF(side * 14, 48));
        tail.lineTo(knot + QPointF(side * 10, 54));
        tail.cubicTo(knot + QPointF(side * 6, 34), knot + QPointF(side * 2, 18), knot);
        shaded(p, tail, darker(tint, 8), 1.4);
    }
    shaded(p, Shapes::roundedRect(QRectF(42, 36, 16, 16), 5), lighter(tint, 10), 1.4);
}

void trophy(QPainter& p, const QColor& tint) {
    for (double side : {-1.0, 1.0}) {
        QPainterPath handle;
        handle.moveTo(50 + side * 24, 18);
        handle.cubicTo(50 + side * 46, 16, 50 + side * 44, 48, 50 + side * 18, 52);
        curve(p, handle, darker(tint, 25), 5.0);
    }
    QPainterPath cup;
    cup.moveTo(24, 10);
    cup.lineTo(76, 10);
    cup.cubicTo(76, 44, 64, 58, 50, 60);
    cup.cubicTo(36, 58, 24, 44, 24, 10);
    cup.closeSubpath();
    shadow(p, cup, QPointF(2, 2), 4);
    shaded(p, cup, tint, 1.6);
    shaded(p, Shapes::roundedRect(QRectF(44, 58, 12, 16), 2), tint, 1.2);
    shaded(p, Shapes::roundedRect(QRectF(30, 72, 40, 10), 2), darker(tint, 10), 1.2);
    shaded(p, Shapes::roundedRect(QRectF(24, 82, 52, 14), 3), QColor(120, 80, 50), 1.2);
    flat(p, Shapes::star(QPointF(50, 30), 11, 0.5), lighter(tint, 45), 0);
    gloss(p, QRectF(30, 12, 12, 24), 150);
}

void medal(QPainter& p, const QColor& tint) {
    QPainterPath ribbonLeft;
    ribbonLeft.moveTo(26, 2);
    ribbonLeft.lineTo(44, 2);
    ribbonLeft.lineTo(58, 50);
    ribbonLeft.lineTo(42, 54);
    ribbonLeft.closeSubpath();
    QPainterPath ribbonRight;
    ribbonRight.moveTo(56, 2);
    ribbonRight.lineTo(74, 2);
    ribbonRight.lineTo(58, 54);
    ribbonRight.lineTo(42, 50);
    ribbonRight.closeSubpath();
    shaded(p, ribbonLeft, QColor(60, 120, 220), 1.2);
    shaded(p, ribbonRight, QColor(220, 60, 80), 1.2);
    const QPainterPath disc = Shapes::oval(QRectF(24, 44, 52, 52));
    shadow(p, disc, QPointF(2, 2), 4);
    shaded(p, disc, tint, 1.6);
    flat(p, Shapes::oval(QRectF(32, 52, 36, 36)), lighter(tint, 20), 1.0);
    flat(p, Shapes::star(QPointF(50, 71), 14, 0.5), darker(tint, 10), 0.8);
    gloss(p, QRectF(30, 50, 16, 12), 170);
}

void firework(QPainter& p, const QColor& tint) {
    const QColor second = QColor::fromHsv((tint.hsvHue() + 150) % 360, 170, 245);
    const QPointF centre(50, 50);
    for (int i = 0; i < 16; ++i) {
        const double angle = qDegreesToRadians(i * 22.5);
        const QPointF direction(std::cos(angle), std::sin(angle));
        const double reach = i % 2 ? 31 : 40;
        const QColor colour = i % 2 ? second : tint;
        line(p, centre + direction * 10, centre + direction * reach, colour, 2.6);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(lighter(colour, 30));
        p.drawEllipse(centre + direction * (reach + 4), 2.6, 2.6);
        p.restore();
    }
    for (int i = 0; i < 8; ++i) {
        const double angle = qDegreesToRadians(i * 45.0 + 22.5);
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * 22;
        flat(p, Shapes::star(at, 4, 0.45), QColor(255, 220, 90), 0);
    }
    flat(p, Shapes::star(centre, 9, 0.45, 8), QColor(255, 240, 150), 0);
}

void champagne(QPainter& p, const QColor& tint) {
    p.save();
    p.translate(50, 54);
    p.rotate(20);
    QPainterPath bottle;
    bottle.moveTo(-14, 44);
    bottle.lineTo(-14, 0);
    bottle.cubicTo(-14, -12, -6, -16, -6, -26);
    bottle.lineTo(-6, -38);
    bottle.lineTo(6, -38);
    bottle.lineTo(6, -26);
    bottle.cubicTo(6, -16, 14, -12, 14, 0);
    bottle.lineTo(14, 44);
    bottle.closeSubpath();
    shadow(p, bottle, QPointF(2, 2), 4);
    shaded(p, bottle, QColor(40, 110, 70), 1.6);
    QPainterPath foil;
    foil.moveTo(-7, -26);
    foil.lineTo(-7, -40);
    foil.lineTo(7, -40);
    foil.lineTo(7, -26);
    foil.closeSubpath();
    shaded(p, foil, QColor(230, 190, 60), 1.2);
    shaded(p, Shapes::roundedRect(QRectF(-12, 6, 24, 20), 2), tint, 1.0);
    flat(p, Shapes::star(QPointF(0, 16), 6, 0.5), lighter(tint, 55), 0);
    gloss(p, QRectF(-11, -4, 6, 34), 120);
    p.restore();
    for (int i = 0; i < 9; ++i) {
        const double angle = qDegreesToRadians(-150.0 + i * 16);
        const QPointF at =
            QPointF(38, 14) + QPointF(std::cos(angle), std::sin(angle)) * (8 + i % 3 * 4);
        p.save();
        p.setPen(QPen(QColor(240, 200, 80), 1.0));
        p.setBrush(QColor(255, 245, 190));
        p.drawEllipse(at, 2.2, 2.2);
        p.restore();
    }
}

void glasses(QPainter& p, const QColor& tint) {
    for (double side : {-1.0, 1.0}) {
        p.save();
        p.translate(50 + side * 16, 54);
        p.rotate(side * -14);
        QPainterPath bowl;
        bowl.moveTo(-12, -44);
        bowl.lineTo(12, -44);
        bowl.cubicTo(12, -14, 6, -4, 0, -4);
        bowl.cubicTo(-6, -4, -12, -14, -12, -44);
        bowl.closeSubpath();
        QPainterPath drink;
        drink.moveTo(-11, -32);
        drink.lineTo(11, -32);
        drink.cubicTo(11, -12, 6, -5, 0, -5);
        drink.cubicTo(-6, -5, -11, -12, -11, -32);
        drink.closeSubpath();
        flat(p, bowl, QColor(230, 240, 250), 1.4);
        shaded(p, drink, tint, 0);
        curve(p, bowl, QColor(120, 140, 160), 1.4);
        line(p, QPointF(0, -4), QPointF(0, 34), QColor(150, 165, 185), 2.4);
        flat(p, Shapes::oval(QRectF(-12, 32, 24, 6)), QColor(225, 235, 245), 1.2);
        p.restore();
    }
    flat(p, Shapes::star(QPointF(50, 8), 8, 0.4, 6), QColor(255, 215, 80), 0);
}

void clock(QPainter& p, const QColor& tint) {
    const QPainterPath face = Shapes::oval(QRectF(8, 8, 84, 84));
    shadow(p, face, QPointF(2, 2), 4);
    shaded(p, face, tint, 1.8);
    flat(p, Shapes::oval(QRectF(16, 16, 68, 68)), QColor(252, 248, 236), 1.4);
    for (int i = 0; i < 12; ++i) {
        const double angle = qDegreesToRadians(i * 30.0);
        const QPointF direction(std::sin(angle), -std::cos(angle));
        const QPointF centre(50, 50);
        line(p, centre + direction * (i % 3 ? 28 : 25), centre + direction * 31, QColor(60, 60, 70),
             i % 3 ? 1.4 : 3.0);
    }
    line(p, QPointF(50, 50), QPointF(50, 24), QColor(40, 40, 50), 3.2);
    line(p, QPointF(50, 50), QPointF(49, 30), QColor(40, 40, 50), 4.0);
    flat(p, Shapes::oval(QRectF(46, 46, 8, 8)), darker(tint, 20), 0);
    gloss(p, QRectF(22, 18, 24, 16), 120);
}

void moon(QPainter& p, const QColor& tint) {
    QPainterPath disc = Shapes::oval(QRectF(10, 6, 80, 80));
    QPainterPath bite = Shapes::oval(QRectF(34, -4, 74, 74));
    const QPainterPath crescent = disc.subtracted(bite);
    shadow(p, crescent, QPointF(2, 2), 4);
    shaded(p, crescent, tint, 1.6);
    flat(p, Shapes::star(QPointF(76, 76), 9, 0.45), lighter(tint, 20), 1.0);
    flat(p, Shapes::star(QPointF(86, 50), 5, 0.45), lighter(tint, 20), 0.8);
}

} // namespace PartySubjects
