#include "screens/selection/OccasionPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <array>

namespace {

// Every picture is drawn on a 100 x 100 grid and scaled to the painted size.
using Painter = void (*)(QPainter&);

QColor deeper(const QColor& colour, int percent = 150) {
    return colour.darker(percent);
}

void shaded(QPainter& p, const QPainterPath& path, const QColor& colour, double outline = 1.6) {
    const QRectF box = path.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, colour.lighter(125));
    fill.setColorAt(1, colour.darker(110));
    p.setBrush(fill);
    p.setPen(QPen(deeper(colour, 170), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void shadedEllipse(QPainter& p, const QRectF& box, const QColor& colour, double outline = 1.6) {
    QPainterPath path;
    path.addEllipse(box);
    shaded(p, path, colour, outline);
}

void gleam(QPainter& p, const QRectF& box, int alpha = 170) {
    QRadialGradient light(box.center(), box.width() / 2);
    light.setColorAt(0, QColor(255, 255, 255, alpha));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(box);
}

QPainterPath star(QPointF centre, double outer, double inner, int points = 5) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = i % 2 ? inner : outer;
        const double angle = qDegreesToRadians(-90.0 + i * 180.0 / points);
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF top, double width, double height) {
    const double x = top.x();
    const double y = top.y();
    const double w = width / 2;
    QPainterPath path;
    path.moveTo(x, y + height * 0.25);
    path.cubicTo(x, y - height * 0.05, x - w * 1.05, y - height * 0.05, x - w, y + height * 0.3);
    path.cubicTo(x - w * 0.95, y + height * 0.6, x - w * 0.3, y + height * 0.8, x, y + height);
    path.cubicTo(x + w * 0.3, y + height * 0.8, x + w * 0.95, y + height * 0.6, x + w,
                 y + height * 0.3);
    path.cubicTo(x + w * 1.05, y - height * 0.05, x, y - height * 0.05, x, y + height * 0.25);
    return path;
}

void flame(QPainter& p, QPointF base) {
    QPainterPath path;
    path.moveTo(base);
    path.cubicTo(base + QPointF(-4.5, -1), base + QPointF(-2, -7), base + QPointF(0, -10));
    path.cubicTo(base + QPointF(2, -7), base + QPointF(4.5, -1), base);
    QLinearGradient fire(base + QPointF(0, -10), base);
    fire.setColorAt(0, QColor(0xFF, 0xE2, 0x4D));
    fire.setColorAt(1, QColor(0xFF, 0x8A, 0x1F));
    p.setPen(Qt::NoPen);
    p.setBrush(fire);
    p.drawPath(path);
}

void cake(QPainter& p) {
    shadedEllipse(p, QRectF(16, 72, 68, 12), QColor(0xE4, 0xE4, 0xEE));
    QPainterPath lower;
    lower.addRoundedRect(QRectF(22, 52, 56, 25), 5, 5);
    shaded(p, lower, QColor(0xF3, 0x8F, 0xB5));
    QPainterPath upper;
    upper.addRoundedRect(QRectF(31, 36, 38, 19), 4, 4);
    shaded(p, upper, QColor(0xFF, 0xDD, 0x94));
    // Icing running down the edges of both layers.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFB, 0xF6));
    for (const auto& [left, top, width] :
         {std::array{22.5, 52.5, 55.0}, std::array{31.5, 36.5, 37.0}}) {
        QPainterPath icing;
        icing.moveTo(left, top + 3);
        icing.lineTo(left, top);
        icing.lineTo(left + width, top);
        icing.lineTo(left + width, top + 3);
        const int drips = 5;
        for (int i = drips; i > 0; --i) {
            const double x = left + width * (i - 0.5) / drips;
            icing.quadTo(x + width / drips / 2, top + 3, x, top + (i % 2 ? 9 : 7));
            icing.quadTo(x - width / drips / 2, top + 3, left + width * (i - 1) / drips, top + 3);
        }
        p.drawPath(icing);
    }
    p.setBrush(QColor(0xE9, 0x4F, 0x86));
    for (double x : {30.0, 42.0, 54.0, 66.0}) {
        p.drawEllipse(QPointF(x + 2, 68), 2.2, 2.2);
    }
    const QColor candles[] = {QColor(0x6F, 0xB7, 0xF2), QColor(0x8E, 0xD8, 0x8B),
                              QColor(0xC3, 0x8E, 0xF0)};
    for (int i = 0; i < 3; ++i) {
        const double x = 39 + i * 11;
        QPainterPath candle;
        candle.addRoundedRect(QRectF(x - 2.5, 23, 5, 14), 1.5, 1.5);
        shaded(p, candle, candles[i], 1.0);
        flame(p, QPointF(x, 22));
    }
}

void tree(QPainter& p) {
    QPainterPath trunk;
    trunk.addRoundedRect(QRectF(44, 72, 12, 12), 2, 2);
    shaded(p, trunk, QColor(0x96, 0x5E, 0x35));
    const QColor green(0x3B, 0xA5, 0x55);
    const double tiers[][3] = {{74, 36, 50}, {58, 28, 38}, {43, 20, 27}};
    for (const auto& tier : tiers) {
        QPainterPath branch;
        branch.moveTo(50 - tier[1], tier[0]);
        branch.quadTo(50, tier[0] + 5, 50 + tier[1], tier[0]);
        branch.lineTo(50, tier[0] - tier[2] + 8);
        branch.closeSubpath();
        shaded(p, branch, green);
    }
    const QColor baubles[] = {QColor(0xE8, 0x3E, 0x4F), QColor(0x4F, 0x8D, 0xF0),
                              QColor(0xFF, 0xC9, 0x3C), QColor(0xD1, 0x5C, 0xE0),
                              QColor(0xE8, 0x3E, 0x4F)};
    const QPointF places[] = {{38, 66}, {60, 64}, {47, 52}, {56, 40}, {43, 36}};
    for (int i = 0; i < 5; ++i) {
        shadedEllipse(p, QRectF(places[i] - QPointF(3.6, 3.6), QSizeF(7.2, 7.2)), baubles[i], 1.0);
    }
    shaded(p, star(QPointF(50, 19), 10, 4.3), QColor(0xFF, 0xD2, 0x3F), 1.3);
}

void heart(QPainter& p) {
    QPainterPath small = heartPath(QPointF(68, 22), 26, 26);
    shaded(p, small, QColor(0xFF, 0x9C, 0xB8));
    QPainterPath big = heartPath(QPointF(46, 28), 56, 54);
    shaded(p, big, QColor(0xE8, 0x2F, 0x5A), 1.8);
    gleam(p, QRectF(26, 30, 18, 14));
}

void flower(QPainter& p) {
    QPainterPath stem;
    stem.moveTo(50, 52);
    stem.cubicTo(48, 64, 53, 74, 50, 86);
    p.setPen(QPen(QColor(0x3F, 0x9A, 0x4A), 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    QPainterPath leaf;
    leaf.moveTo(50, 74);
    leaf.cubicTo(58, 64, 70, 66, 72, 68);
    leaf.cubicTo(66, 76, 56, 78, 50, 74);
    shaded(p, leaf, QColor(0x5C, 0xC0, 0x5E), 1.2);
    const QColor petal(0xF5, 0x7F, 0xB8);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(50, 38);
        p.rotate(i * 60);
        QPainterPath one;
        one.addEllipse(QRectF(-8, -25, 16, 22));
        shaded(p, one, petal, 1.2);
        p.restore();
    }
    shadedEllipse(p, QRectF(41, 29, 18, 18), QColor(0xFF, 0xC8, 0x3A));
    gleam(p, QRectF(44, 31, 8, 7), 200);
}

void tie(QPainter& p) {
    // The shirt collar, then the tie over it.
    p.setPen(QPen(QColor(0x9A, 0xA8, 0xBE), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFD, 0xFD, 0xFF));
    p.drawPolygon(QPolygonF({{26, 16}, {50, 28}, {38, 38}}));
    p.drawPolygon(QPolygonF({{74, 16}, {50, 28}, {62, 38}}));
    const QColor blue(0x2F, 0x5F, 0xC4);
    QPainterPath blade;
    blade.moveTo(45, 35);
    blade.lineTo(55, 35);
    blade.lineTo(62, 74);
    blade.lineTo(50, 86);
    blade.lineTo(38, 74);
    blade.closeSubpath();
    shaded(p, blade, blue);
    p.save();
    p.setClipPath(blade);
    p.setPen(QPen(QColor(0xFF, 0xD1, 0x4A), 3.2));
    for (double y = 36; y < 100; y += 11) {
        p.drawLine(QPointF(30, y + 6), QPointF(70, y - 10));
    }
    p.restore();
    QPainterPath knot;
    knot.moveTo(42, 25);
    knot.lineTo(58, 25);
    knot.lineTo(55, 37);
    knot.lineTo(45, 37);
    knot.closeSubpath();
    shaded(p, knot, blue.darker(115));
}

void egg(QPainter& p) {
    QPainterPath shell;
    shell.moveTo(50, 16);
    shell.cubicTo(68, 16, 76, 50, 74, 62);
    shell.cubicTo(72, 78, 62, 86, 50, 86);
    shell.cubicTo(38, 86, 28, 78, 26, 62);
    shell.cubicTo(24, 50, 32, 16, 50, 16);
    shaded(p, shell, QColor(0xB8, 0x9B, 0xF0));
    p.save();
    p.setClipPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x6B));
    p.drawRect(QRectF(20, 46, 60, 12));
    QPainterPath zigzag;
    zigzag.moveTo(20, 66);
    for (int i = 0; i < 13; ++i) {
        zigzag.lineTo(20 + i * 5 + 2.5, i % 2 ? 66 : 61);
    }
    p.setPen(QPen(QColor(0x4F, 0xC3, 0xA1), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(zigzag);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x7E, 0xAE));
    for (double x : {36.0, 50.0, 64.0}) {
        p.drawEllipse(QPointF(x, 34), 3.4, 3.4);
        p.drawEllipse(QPointF(x - 7, 76), 2.6, 2.6);
    }
    p.restore();
    gleam(p, QRectF(34, 20, 14, 16));
}

void pumpkin(QPainter& p) {
    QPainterPath stem;
    stem.moveTo(47, 30);
    stem.cubicTo(46, 22, 50, 16, 57, 15);
    stem.lineTo(58, 20);
    stem.cubicTo(54, 21, 53, 25, 54, 30);
    stem.closeSubpath();
    shaded(p, stem, QColor(0x4E, 0x8A, 0x3A), 1.2);
    const QColor orange(0xF7, 0x8C, 0x1F);
    shadedEllipse(p, QRectF(16, 30, 34, 50), orange);
    shadedEllipse(p, QRectF(50, 30, 34, 50), orange);
    shadedEllipse(p, QRectF(30, 28, 40, 54), orange.lighter(106));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x2A, 0x0A));
    p.drawPolygon(QPolygonF({{35, 52}, {44, 52}, {39.5, 43}}));
    p.drawPolygon(QPolygonF({{56, 52}, {65, 52}, {60.5, 43}}));
    QPainterPath grin;
    grin.moveTo(30, 60);
    grin.quadTo(50, 80, 70, 60);
    grin.quadTo(50, 70, 30, 60);
    p.drawPath(grin);
    gleam(p, QRectF(34, 32, 14, 10), 120);
}

void turkey(QPainter& p) {
    const QColor feathers[] = {QColor(0xD9, 0x3B, 0x2B), QColor(0xF2, 0x8C, 0x28),
                               QColor(0xF7, 0xC9, 0x3A), QColor(0x9C, 0x5B, 0x2E),
                               QColor(0xF2, 0x8C, 0x28), QColor(0xD9, 0x3B, 0x2B),
                               QColor(0xF7, 0xC9, 0x3A)};
    for (int i = 0; i < 7; ++i) {
        p.save();
        p.translate(50, 62);
        p.rotate(-72 + i * 24);
        QPainterPath feather;
        feather.addEllipse(QRectF(-8, -44, 16, 36));
        shaded(p, feather, feathers[i], 1.2);
        p.restore();
    }
    shadedEllipse(p, QRectF(34, 46, 32, 36), QColor(0x8B, 0x55, 0x2E));
    shadedEllipse(p, QRectF(40, 32, 20, 20), QColor(0xA0, 0x66, 0x3A));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(46, 40), 3, 3);
    p.drawEllipse(QPointF(54, 40), 3, 3);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawEllipse(QPointF(46.5, 40.5), 1.5, 1.5);
    p.drawEllipse(QPointF(54.5, 40.5), 1.5, 1.5);
    p.setBrush(QColor(0xFF, 0xB3, 0x2A));
    p.drawPolygon(QPolygonF({{46.5, 44}, {53.5, 44}, {50, 49}}));
    p.setBrush(QColor(0xE0, 0x2E, 0x3E));
    p.drawEllipse(QRectF(51, 46, 4.5, 9));
    p.setPen(QPen(QColor(0xF2, 0x9A, 0x2E), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 82), QPointF(43, 88));
    p.drawLine(QPointF(56, 82), QPointF(57, 88));
}

void fireworks(QPainter& p) {
    struct Burst {
        QPointF centre;
        double radius;
        QColor colour;
    };
    const Burst bursts[] = {{{38, 40}, 21, QColor(0xFF, 0x6F, 0xB5)},
                            {{66, 32}, 14, QColor(0xFF, 0xE0, 0x5A)},
                            {{64, 64}, 17, QColor(0x6F, 0xD8, 0xFF)}};
    for (const Burst& burst : bursts) {
        const int rays = 12;
        for (int i = 0; i < rays; ++i) {
            const double angle = qDegreesToRadians(i * 360.0 / rays);
            const QPointF direction(std::cos(angle), std::sin(angle));
            p.setPen(QPen(burst.colour, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(burst.centre + direction * burst.radius * 0.3,
                       burst.centre + direction * burst.radius * 0.85);
            p.setPen(Qt::NoPen);
            p.setBrush(burst.colour.lighter(130));
            p.drawEllipse(burst.centre + direction * burst.radius, 1.9, 1.9);
        }
        p.setBrush(Qt::white);
        p.drawEllipse(burst.centre, 2.6, 2.6);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (const QPointF& at : {QPointF(22, 70), QPointF(80, 50), QPointF(28, 20), QPointF(46, 80)}) {
        p.drawPath(star(at, 3.2, 1.2, 4));
    }
}

void mortarboard(QPainter& p) {
    // A rolled diploma behind the cap.
    QPainterPath scroll;
    scroll.addRoundedRect(QRectF(24, 66, 52, 12), 6, 6);
    shaded(p, scroll, QColor(0xFF, 0xF4, 0xDC), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0x35, 0x45));
    p.drawRect(QRectF(46, 65, 6, 14));
    const QColor black(0x2E, 0x2B, 0x3C);
    QPainterPath base;
    base.moveTo(32, 42);
    base.lineTo(32, 56);
    base.quadTo(50, 64, 68, 56);
    base.lineTo(68, 42);
    base.closeSubpath();
    shaded(p, base, black);
    QPainterPath board;
    board.moveTo(50, 22);
    board.lineTo(86, 36);
    board.lineTo(50, 50);
    board.lineTo(14, 36);
    board.closeSubpath();
    shaded(p, board, black.lighter(140));
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x2E), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 36), QPointF(74, 42));
    p.drawLine(QPointF(74, 42), QPointF(74, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xC8, 0x2E));
    p.drawRoundedRect(QRectF(71, 56, 6, 10), 2, 2);
    p.drawEllipse(QPointF(50, 36), 2.6, 2.6);
}

void rings(QPainter& p) {
    const QColor gold(0xE8, 0xB8, 0x3A);
    const auto ring = [&](QPointF centre) {
        QPainterPath band;
        band.addEllipse(centre, 19, 19);
        band.addEllipse(centre, 13.5, 13.5);
        band.setFillRule(Qt::OddEvenFill);
        shaded(p, band, gold, 1.4);
    };
    ring(QPointF(40, 58));
    ring(QPointF(60, 58));
    // The first ring passes over the second on its lower right.
    p.save();
    QPainterPath overlap;
    overlap.addRect(QRectF(48, 58, 14, 24));
    p.setClipPath(overlap);
    ring(QPointF(40, 58));
    p.restore();
    QPainterPath diamond;
    diamond.moveTo(60, 24);
    diamond.lineTo(68, 32);
    diamond.lineTo(60, 42);
    diamond.lineTo(52, 32);
    diamond.closeSubpath();
    shaded(p, diamond, QColor(0xBF, 0xEC, 0xFF), 1.2);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.4));
    p.drawLine(QPointF(52, 32), QPointF(68, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawPath(star(QPointF(72, 22), 4, 1.3, 4));
}

void rattle(QPainter& p) {
    p.save();
    p.translate(50, 50);
    p.rotate(-35);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-5, 4, 10, 34), 5, 5);
    shaded(p, handle, QColor(0x8E, 0xC9, 0xF5));
    shadedEllipse(p, QRectF(-7.5, 34, 15, 12), QColor(0x8E, 0xC9, 0xF5));
    QPainterPath head;
    head.addEllipse(QRectF(-21, -36, 42, 42));
    shaded(p, head, QColor(0xFF, 0xB3, 0xCF));
    p.setClipPath(head);
    p.setPen(QPen(QColor(0xFF, 0xF4, 0xA6), 4.5));
    p.drawLine(QPointF(-24, -22), QPointF(24, -22));
    p.drawLine(QPointF(-24, -6), QPointF(24, -6));
    p.setClipping(false);
    gleam(p, QRectF(-14, -32, 14, 12));
    QPainterPath bow;
    bow.moveTo(0, 8);
    bow.cubicTo(-12, 0, -14, 16, 0, 10);
    bow.cubicTo(14, 16, 12, 0, 0, 8);
    shaded(p, bow, QColor(0xB9, 0x8C, 0xF0), 1.2);
    p.restore();
}

struct Slot {
    Painter picture;
    // Light enough for dark outlines; the fireworks go on a night sky.
    QColor tile;
};

const Slot slotArt[OccasionPictures::Slots] = {
    {cake, QColor(0xFC, 0xE2, 0xEF)},        {fireworks, QColor(0x3A, 0x3F, 0x8F)},
    {heart, QColor(0xFF, 0xE1, 0xE7)},       {egg, QColor(0xFF, 0xF4, 0xD2)},
    {flower, QColor(0xEE, 0xE2, 0xFB)},      {tie, QColor(0xDB, 0xEC, 0xFF)},
    {mortarboard, QColor(0xDC, 0xF2, 0xF4)}, {rings, QColor(0xFF, 0xEF, 0xDB)},
    {rattle, QColor(0xE0, 0xF0, 0xFF)},      {pumpkin, QColor(0xFF, 0xE6, 0xCC)},
    {turkey, QColor(0xF6, 0xEA, 0xD6)},      {tree, QColor(0xDB, 0xF3, 0xE0)},
};

void paintTile(QPainter& p, const QColor& colour, bool pressed) {
    const QRectF box(4, 4, 92, 92);
    QPainterPath tile;
    tile.addRoundedRect(box, 22, 22);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4A, 0x34, 0x6E, 70));
        p.drawPath(tile.translated(0, 3));
    }
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    const QColor top = pressed ? colour.darker(112) : colour.lighter(104);
    const QColor bottom = pressed ? colour.darker(104) : colour.darker(112);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setBrush(fill);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 230), 3));
    p.drawPath(tile);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour.darker(pressed ? 160 : 135), 1.6));
    p.drawRoundedRect(box.adjusted(-1.5, -1.5, 1.5, 1.5), 23, 23);
    if (pressed) {
        p.save();
        p.setClipPath(tile);
        p.setPen(QPen(QColor(0, 0, 0, 60), 6));
        p.drawPath(tile.translated(1.5, 2.5));
        p.restore();
    } else {
        QPainterPath shine;
        shine.addRoundedRect(QRectF(14, 8, 72, 26), 13, 13);
        QLinearGradient light(0, 8, 0, 34);
        light.setColorAt(0, QColor(255, 255, 255, 120));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(shine, light);
    }
}

QImage paint(int slot, bool pressed) {
    QImage picture(OccasionPictures::PaintedSize, OccasionPictures::PaintedSize,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.scale(OccasionPictures::PaintedSize / 100.0, OccasionPictures::PaintedSize / 100.0);
    paintTile(p, slotArt[slot].tile, pressed);
    p.save();
    // The picture sits a little smaller than the tile, and sinks with it when pressed.
    p.translate(50, 50);
    p.scale(0.86, 0.86);
    p.translate(-50, -50);
    if (pressed) {
        p.translate(1.5, 2);
    }
    slotArt[slot].picture(p);
    p.restore();
    return picture;
}

} // namespace

QPixmap OccasionPictures::slot(int slot, bool pressed) {
    static std::array<QImage, Slots * 2> painted;
    if (slot < 0 || slot >= Slots) {
        return {};
    }
    QImage& picture = painted[slot * 2 + (pressed ? 1 : 0)];
    if (picture.isNull()) {
        picture = paint(slot, pressed);
    }
    return QPixmap::fromImage(picture);
}
