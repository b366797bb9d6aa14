#include "tools/disc-builder/samples/SamplePhotos.h"

#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

using namespace PaintKit;

namespace {

// Scenes are drawn on a 1600 x 1200 (or 1200 x 1600) canvas and scaled to the photo's size.
constexpr double kLong = 1600;
constexpr double kShort = 1200;

QLinearGradient vertical(double top, double bottom,
                         std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient gradient(0, top, 0, bottom);
    for (const auto& [at, colour] : stops) {
        gradient.setColorAt(at, colour);
    }
    return gradient;
}

void glow(QPainter& painter, const QPointF& centre, double radius, const QColor& colour) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

void disc(QPainter& painter, const QPointF& centre, double radius, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void softCloud(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(Shapes::cloud(box));
}

// --- Beach at sunset -------------------------------------------------------------------------

void palm(QPainter& painter, const QPointF& foot, double height, const QColor& colour) {
    QPainterPath trunk;
    const QPointF top(foot.x() + height * 0.22, foot.y() - height);
    trunk.moveTo(foot.x() - 18, foot.y());
    trunk.cubicTo(foot.x() - 10, foot.y() - height * 0.5, top.x() - 30, top.y() + height * 0.25,
                  top.x() - 8, top.y());
    trunk.lineTo(top.x() + 8, top.y());
    trunk.cubicTo(top.x() - 10, top.y() + height * 0.25, foot.x() + 16, foot.y() - height * 0.5,
                  foot.x() + 22, foot.y());
    trunk.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(trunk);
    // Fronds arch out and droop at their tips.
    for (int frond = 0; frond < 9; ++frond) {
        const double angle = (-180 + frond * 22.5) * M_PI / 180;
        const double length = height * (0.38 + 0.05 * (frond % 3));
        const QPointF tip(top.x() + std::cos(angle) * length,
                          top.y() + std::sin(angle) * length * 0.35 + length * 0.45);
        const QPointF bend(top.x() + std::cos(angle) * length * 0.55,
                           top.y() + std::sin(angle) * length * 0.55 - length * 0.05);
        painter.drawPath(Shapes::leaf(top, bend, height * 0.06));
        painter.drawPath(Shapes::leaf(bend - (bend - top) * 0.1, tip, height * 0.045));
    }
}

void paintBeachSunset(QPainter& painter) {
    const double horizon = 720;
    painter.fillRect(QRectF(0, 0, kLong, horizon), vertical(0, horizon,
                                                            {{0, QColor(43, 27, 90)},
                                                             {0.45, QColor(164, 64, 122)},
                                                             {0.75, QColor(255, 138, 61)},
                                                             {1, QColor(255, 210, 122)}}));
    glow(painter, QPointF(1010, horizon - 40), 460, QColor(255, 200, 120, 150));
    disc(painter, QPointF(1010, horizon - 40), 105, QColor(255, 236, 170));
    for (const QRectF& box : {QRectF(120, 160, 420, 90), QRectF(700, 90, 520, 110),
                              QRectF(1180, 260, 360, 80), QRectF(380, 400, 300, 60)}) {
        softCloud(painter, box, QColor(255, 170, 150, 110));
    }
    // The sea, with the sun's path on it.
    painter.fillRect(QRectF(0, horizon, kLong, 300), vertical(horizon, horizon + 300,
                                                              {{0, QColor(255, 150, 95)},
                                                               {0.35, QColor(120, 60, 120)},
                                                               {1, QColor(30, 33, 80)}}));
    QRandomGenerator random(7);
    for (int stripe = 0; stripe < 26; ++stripe) {
        const double y = horizon + 8 + stripe * 10.5;
        const double half = 120 - stripe * 3.2 + random.bounded(30);
        const QPointF from(1010 - half + random.bounded(40), y);
        line(painter, from, QPointF(1010 + half - random.bounded(40), y),
             QColor(255, 225, 160, 170 - stripe * 5), 4);
    }
    // Sand and the foam where the waves end.
    QPainterPath sand;
    sand.moveTo(0, 980);
    sand.cubicTo(400, 940, 900, 1010, kLong, 960);
    sand.lineTo(kLong, kShort);
    sand.lineTo(0, kShort);
    sand.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        vertical(940, kShort, {{0, QColor(236, 186, 140)}, {1, QColor(190, 130, 92)}}));
    painter.drawPath(sand);
    QPainterPath foam;
    foam.moveTo(0, 978);
    foam.cubicTo(420, 936, 900, 1008, kLong, 958);
    curve(painter, foam, QColor(255, 244, 230, 220), 7);
    for (int shell = 0; shell < 40; ++shell) {
        disc(painter, QPointF(random.bounded(1600), 1010 + random.bounded(180)),
             2 + random.bounded(4), QColor(150, 100, 70, 90));
    }
    palm(painter, QPointF(230, 1160), 640, QColor(42, 23, 48));
    palm(painter, QPointF(1450, 1180), 420, QColor(52, 28, 58));
    for (const QPointF& bird : {QPointF(620, 250), QPointF(680, 290), QPointF(560, 300)}) {
        QPainterPath wings;
        wings.moveTo(bird + QPointF(-26, -6));
        wings.quadTo(bird + QPointF(-10, -14), bird);
        wings.quadTo(bird + QPointF(10, -14), bird + QPointF(26, -6));
        curve(painter, wings, QColor(50, 25, 60), 4);
    }
}

// --- Spring garden ---------------------------------------------------------------------------

void tulip(QPainter& painter, const QPointF& base, double height, const QColor& colour) {
    const QPointF head(base.x(), base.y() - height);
    line(painter, base, head, QColor(60, 140, 60), 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 155, 70));
    painter.drawPath(Shapes::leaf(base, base + QPointF(-40, -height * 0.55), 22));
    QPainterPath cup;
    cup.moveTo(head + QPointF(-26, 0));
    cup.cubicTo(head + QPointF(-30, -40), head + QPointF(-20, -58), head + QPointF(-14, -62));
    cup.lineTo(head + QPointF(-4, -42));
    cup.lineTo(head + QPointF(0, -66));
    cup.lineTo(head + QPointF(6, -42));
    cup.lineTo(head + QPointF(14, -62));
    cup.cubicTo(head + QPointF(20, -58), head + QPointF(30, -40), head + QPointF(26, 0));
    cup.quadTo(head + QPointF(0, 14), head + QPointF(-26, 0));
    shaded(painter, cup, colour, 2);
}

void daisy(QPainter& painter, const QPointF& centre, double radius) {
    painter.setPen(Qt::NoPen);
    for (int petal = 0; petal < 12; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(petal * 30);
        painter.setBrush(kOffWhite);
        painter.drawEllipse(QRectF(-radius * 0.18, -radius, radius * 0.36, radius * 0.8));
        painter.restore();
    }
    disc(painter, centre, radius * 0.3, QColor(245, 190, 40));
}

void butterfly(QPainter& painter, const QPointF& centre, double size, const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.rotate(-12);
    for (const int side : {-1, 1}) {
        shaded(painter, Shapes::oval(QRectF(side > 0 ? 2 : -size, -size * 0.9, size, size * 0.9)),
               colour, 1.5);
        shaded(painter,
               Shapes::oval(QRectF(side > 0 ? 2 : -size * 0.75, 0, size * 0.75, size * 0.6)),
               lighter(colour, 35), 1.5);
    }
    painter.setBrush(QColor(50, 40, 40));
    painter.drawRoundedRect(QRectF(-4, -size * 0.8, 8, size * 1.4), 4, 4);
    painter.restore();
}

void paintGarden(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kShort, kLong),
                     vertical(0, 900, {{0, QColor(110, 170, 235)}, {1, QColor(205, 232, 250)}}));
    glow(painter, QPointF(980, 190), 260, QColor(255, 250, 200, 180));
    disc(painter, QPointF(980, 190), 85, QColor(255, 243, 170));
    softCloud(painter, QRectF(90, 160, 380, 140), QColor(255, 255, 255, 230));
    softCloud(painter, QRectF(560, 330, 300, 110), QColor(255, 255, 255, 200));
    // Hills, a tree and the fence.
    QPainterPath hills;
    hills.moveTo(0, 820);
    hills.cubicTo(300, 700, 600, 760, 800, 740);
    hills.cubicTo(1000, 720, 1100, 780, kShort, 760);
    hills.lineTo(kShort, 1100);
    hills.lineTo(0, 1100);
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(700, 1100, {{0, QColor(140, 195, 110)}, {1, QColor(95, 160, 80)}}));
    painter.drawPath(hills);
    painter.setBrush(QColor(110, 75, 50));
    painter.drawRect(QRectF(210, 560, 50, 420));
    for (const auto& [centre, radius] : {std::pair{QPointF(235, 520), 150.0},
                                         {QPointF(140, 600), 110.0},
                                         {QPointF(330, 600), 115.0},
                                         {QPointF(235, 650), 120.0}}) {
        shaded(
            painter,
            Shapes::oval(QRectF(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2)),
            QColor(70, 150, 70), 0);
    }
    for (int blossom = 0; blossom < 30; ++blossom) {
        QRandomGenerator random(blossom + 11);
        disc(painter, QPointF(110 + random.bounded(260), 420 + random.bounded(300)), 9,
             QColor(250, 200, 220));
    }
    for (double x = -20; x < kShort; x += 90) {
        QPainterPath picket;
        picket.moveTo(x, 1130);
        picket.lineTo(x, 960);
        picket.lineTo(x + 30, 925);
        picket.lineTo(x + 60, 960);
        picket.lineTo(x + 60, 1130);
        picket.closeSubpath();
        flat(painter, picket, kOffWhite, 2);
    }
    painter.setBrush(QColor(235, 235, 230));
    painter.drawRect(QRectF(0, 990, kShort, 26));
    painter.drawRect(QRectF(0, 1070, kShort, 26));
    // The lawn and the flower bed.
    painter.fillRect(QRectF(0, 1110, kShort, 490),
                     vertical(1110, kLong, {{0, QColor(105, 175, 75)}, {1, QColor(60, 125, 50)}}));
    const QColor tulipColours[] = {QColor(230, 50, 70), QColor(250, 140, 180), QColor(250, 205, 50),
                                   QColor(200, 90, 200)};
    QRandomGenerator random(21);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QPointF base(70 + column * 130 + (row % 2) * 60 + random.bounded(30),
                               1260 + row * 120);
            if ((column + row) % 3 == 2) {
                line(painter, base, base + QPointF(0, -110), QColor(60, 140, 60), 5);
                daisy(painter, base + QPointF(0, -120), 38 + row * 6);
            } else {
                tulip(painter, base, 120 + row * 25 + random.bounded(30),
                      tulipColours[(column + row) % 4]);
            }
        }
    }
    butterfly(painter, QPointF(760, 880), 48, QColor(250, 150, 40));
    butterfly(painter, QPointF(420, 1010), 36, QColor(110, 140, 240));
}

// --- A birthday table ------------------------------------------------------------------------

void balloon(QPainter& painter, const QPointF& centre, double radius, const QColor& colour) {
    QPainterPath string;
    string.moveTo(centre + QPointF(0, radius * 1.2));
    string.cubicTo(centre + QPointF(-30, radius * 2), centre + QPointF(30, radius * 2.6),
                   centre + QPointF(0, radius * 3.4));
    curve(painter, string, QColor(120, 110, 110), 3);
    const QRectF box(centre.x() - radius, centre.y() - radius * 1.2, radius * 2, radius * 2.4);
    shaded(painter, Shapes::oval(box), colour, 2);
    gloss(painter,
          QRectF(box.left() + radius * 0.35, box.top() + radius * 0.3, radius * 0.6, radius * 0.8),
          140);
}

void present(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& ribbon) {
    shadow(painter, Shapes::roundedRect(box, 6), QPointF(10, 8), 12);
    shaded(painter, Shapes::roundedRect(box, 6), paper, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ribbon);
    painter.drawRect(QRectF(box.center().x() - 14, box.top(), 28, box.height()));
    painter.drawRect(QRectF(box.left(), box.top() + box.height() * 0.3, box.width(), 24));
    const QPointF knot(box.center().x(), box.top());
    shaded(painter, Shapes::oval(QRectF(knot.x() - 60, knot.y() - 38, 60, 40)), ribbon, 1.5);
    shaded(painter, Shapes::oval(QRectF(knot.x(), knot.y() - 38, 60, 40)), ribbon, 1.5);
}

void paintBirthdayTable(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kLong, 800),
                     vertical(0, 800, {{0, QColor(253, 236, 205)}, {1, QColor(246, 205, 165)}}));
    for (double x = 40; x < kLong; x += 120) {
        painter.fillRect(QRectF(x, 0, 40, 800), QColor(255, 255, 255, 45));
    }
    // Bunting along the wall.
    QPainterPath cord;
    cord.moveTo(0, 90);
    cord.quadTo(800, 300, kLong, 90);
    curve(painter, cord, QColor(150, 110, 90), 4);
    const QColor flags[] = {QColor(235, 70, 90), QColor(250, 190, 50), QColor(80, 170, 220),
                            QColor(120, 200, 110), QColor(190, 110, 210)};
    for (int flag = 0; flag < 13; ++flag) {
        const double t = (flag + 0.5) / 13;
        const QPointF at = cord.pointAtPercent(t);
        QPainterPath pennant;
        pennant.moveTo(at + QPointF(-44, 0));
        pennant.lineTo(at + QPointF(44, 0));
        pennant.lineTo(at + QPointF(0, 95));
        pennant.closeSubpath();
        flat(painter, pennant, flags[flag % 5], 2);
    }
    balloon(painter, QPointF(190, 330), 95, QColor(235, 60, 80));
    balloon(painter, QPointF(330, 250), 85, QColor(70, 150, 230));
    balloon(painter, QPointF(1380, 300), 100, QColor(250, 185, 40));
    balloon(painter, QPointF(1250, 390), 80, QColor(150, 90, 200));
    // The table and its cloth.
    painter.fillRect(
        QRectF(0, 780, kLong, 420),
        vertical(780, kShort, {{0, QColor(200, 225, 245)}, {1, QColor(150, 190, 225)}}));
    for (double x = 0; x < kLong; x += 80) {
        painter.setBrush(QColor(235, 245, 255));
        painter.drawEllipse(QRectF(x, 760, 80, 44));
    }
    // The cake with its candles.
    const QRectF lower(520, 560, 560, 300);
    shadow(painter, Shapes::oval(QRectF(480, 820, 640, 90)), QPointF(0, 10), 20, 70);
    painter.setBrush(QColor(240, 240, 245));
    painter.drawEllipse(QRectF(470, 810, 660, 80));
    shaded(painter, Shapes::roundedRect(lower, 30), QColor(245, 160, 190), 2);
    shaded(painter, Shapes::oval(QRectF(520, 520, 560, 90)), QColor(255, 220, 235), 2);
    const QRectF upper(620, 400, 360, 170);
    shaded(painter, Shapes::roundedRect(upper, 24), QColor(250, 235, 210), 2);
    shaded(painter, Shapes::oval(QRectF(620, 370, 360, 70)), QColor(255, 248, 235), 2);
    for (int drop = 0; drop < 9; ++drop) {
        disc(painter, QPointF(560 + drop * 60, 600 + (drop % 2) * 16), 16, QColor(255, 225, 240));
    }
    for (int berry = 0; berry < 7; ++berry) {
        disc(painter, QPointF(640 + berry * 53, 480), 14, QColor(215, 30, 60));
    }
    const QColor candles[] = {QColor(90, 170, 230), QColor(250, 200, 60), QColor(120, 200, 120),
                              QColor(240, 110, 150), QColor(180, 120, 220)};
    for (int candle = 0; candle < 5; ++candle) {
        const double x = 680 + candle * 60;
        shaded(painter, Shapes::roundedRect(QRectF(x - 10, 290, 20, 100), 6), candles[candle], 1);
        glow(painter, QPointF(x, 268), 55, QColor(255, 220, 120, 170));
        painter.setBrush(QColor(255, 200, 60));
        painter.drawPath(Shapes::teardrop(QRectF(x - 11, 240, 22, 44)));
        painter.setBrush(QColor(255, 250, 210));
        painter.drawPath(Shapes::teardrop(QRectF(x - 5, 258, 10, 24)));
    }
    present(painter, QRectF(120, 800, 260, 220), QColor(120, 190, 110), QColor(245, 70, 90));
    present(painter, QRectF(1220, 840, 230, 190), QColor(240, 120, 170), QColor(255, 215, 70));
    QRandomGenerator random(5);
    for (int piece = 0; piece < 120; ++piece) {
        disc(painter, QPointF(random.bounded(1600), 900 + random.bounded(300)),
             5 + random.bounded(5), flags[piece % 5]);
    }
}

// --- A snowy evening -------------------------------------------------------------------------

void pine(QPainter& painter, const QPointF& foot, double height) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 50, 40));
    painter.drawRect(
        QRectF(foot.x() - height * 0.04, foot.y() - height * 0.12, height * 0.08, height * 0.12));
    for (int tier = 0; tier < 4; ++tier) {
        const double bottom = foot.y() - height * (0.1 + tier * 0.2);
        const double half = height * (0.32 - tier * 0.06);
        QPainterPath branches;
        branches.moveTo(foot.x() - half, bottom);
        branches.lineTo(foot.x(), bottom - height * 0.34);
        branches.lineTo(foot.x() + half, bottom);
        branches.closeSubpath();
        painter.setBrush(QColor(30, 80, 60));
        painter.drawPath(branches);
        QPainterPath snow;
        snow.moveTo(foot.x() - half * 0.45, bottom - height * 0.18);
        snow.lineTo(foot.x(), bottom - height * 0.34);
        snow.lineTo(foot.x() + half * 0.45, bottom - height * 0.18);
        snow.quadTo(foot.x(), bottom - height * 0.24, foot.x() - half * 0.45,
                    bottom - height * 0.18);
        painter.setBrush(QColor(240, 245, 255));
        painter.drawPath(snow);
    }
}

void paintSnowyEvening(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kLong, 800), vertical(0, 800,
                                                        {{0, QColor(13, 27, 61)},
                                                         {0.6, QColor(74, 93, 154)},
                                                         {1, QColor(201, 184, 216)}}));
    QRandomGenerator random(3);
    for (int star = 0; star < 90; ++star) {
        disc(painter, QPointF(random.bounded(1600), random.bounded(420)), 1.5 + random.bounded(2),
             QColor(255, 255, 240, 120 + random.bounded(130)));
    }
    glow(painter, QPointF(1260, 190), 200, QColor(230, 235, 255, 120));
    disc(painter, QPointF(1260, 190), 70, QColor(250, 248, 235));
    QPainterPath mountains;
    mountains.moveTo(0, 640);
    mountains.lineTo(260, 420);
    mountains.lineTo(420, 560);
    mountains.lineTo(700, 360);
    mountains.lineTo(980, 600);
    mountains.lineTo(1220, 450);
    mountains.lineTo(kLong, 620);
    mountains.lineTo(kLong, 800);
    mountains.lineTo(0, 800);
    mountains.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(360, 800, {{0, QColor(200, 210, 240)}, {1, QColor(120, 130, 180)}}));
    painter.drawPath(mountains);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        const double top = 700 + layer * 140;
        hill.moveTo(0, top + 60);
        hill.cubicTo(400, top - 40 + layer * 20, 1000, top + 120, kLong, top);
        hill.lineTo(kLong, kShort);
        hill.lineTo(0, kShort);
        hill.closeSubpath();
        painter.setBrush(vertical(top - 40, kShort,
                                  {{0, QColor(235 - layer * 5, 240, 255)},
                                   {1, QColor(170 + layer * 20, 185 + layer * 15, 225)}}));
        painter.drawPath(hill);
        if (layer == 0) {
            for (int tree = 0; tree < 9; ++tree) {
                pine(painter, QPointF(60 + tree * 110 + (tree % 2) * 30, 760 + (tree % 3) * 12),
                     150 + (tree % 3) * 30);
            }
        }
    }
    // A cabin with lit windows.
    const QRectF cabin(980, 760, 360, 220);
    shaded(painter, Shapes::roundedRect(cabin, 4), QColor(130, 80, 50), 2);
    QPainterPath roof;
    roof.moveTo(950, 775);
    roof.lineTo(1160, 640);
    roof.lineTo(1370, 775);
    roof.closeSubpath();
    flat(painter, roof, QColor(90, 50, 40), 2);
    QPainterPath snowRoof;
    snowRoof.moveTo(940, 780);
    snowRoof.lineTo(1160, 628);
    snowRoof.lineTo(1380, 780);
    snowRoof.quadTo(1160, 700, 940, 780);
    painter.setBrush(QColor(245, 248, 255));
    painter.drawPath(snowRoof);
    painter.setBrush(QColor(110, 70, 50));
    painter.drawRect(QRectF(1250, 640, 40, 90));
    for (const QRectF& window : {QRectF(1020, 820, 80, 70), QRectF(1230, 820, 80, 70)}) {
        glow(painter, window.center(), 110, QColor(255, 200, 100, 120));
        painter.setBrush(QColor(255, 214, 120));
        painter.drawRect(window);
        line(painter, QPointF(window.center().x(), window.top()),
             QPointF(window.center().x(), window.bottom()), QColor(110, 70, 50), 5);
        line(painter, QPointF(window.left(), window.center().y()),
             QPointF(window.right(), window.center().y()), QColor(110, 70, 50), 5);
    }
    painter.setBrush(QColor(90, 55, 40));
    painter.drawRect(QRectF(1125, 880, 70, 100));
    for (int puff = 0; puff < 4; ++puff) {
        softCloud(painter,
                  QRectF(1255 + puff * 30, 560 - puff * 60, 90 + puff * 20, 50 + puff * 10),
                  QColor(220, 225, 240, 120 - puff * 20));
    }
    for (int flake = 0; flake < 260; ++flake) {
        disc(painter, QPointF(random.bounded(1600), random.bounded(1200)), 2 + random.bounded(5),
             QColor(255, 255, 255, 150 + random.bounded(100)));
    }
}

// --- A puppy ---------------------------------------------------------------------------------

void paintPuppy(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kShort, 1100),
                     vertical(0, 1100, {{0, QColor(190, 215, 200)}, {1, QColor(160, 190, 175)}}));
    painter.fillRect(
        QRectF(0, 1040, kShort, 560),
        vertical(1040, kLong, {{0, QColor(190, 140, 100)}, {1, QColor(150, 100, 70)}}));
    for (double y = 1080; y < kLong; y += 70) {
        line(painter, QPointF(0, y), QPointF(kShort, y + 20), QColor(120, 80, 55, 90), 3);
    }
    // A picture on the wall and the rug.
    shaded(painter, Shapes::roundedRect(QRectF(780, 180, 280, 220), 8), QColor(200, 160, 90), 3);
    painter.fillRect(QRectF(805, 205, 230, 170),
                     vertical(205, 375, {{0, QColor(150, 200, 240)}, {1, QColor(120, 180, 110)}}));
    painter.setBrush(QColor(200, 70, 70));
    painter.drawEllipse(QRectF(120, 1220, 960, 300));
    painter.setBrush(QColor(230, 200, 120));
    painter.drawEllipse(QRectF(190, 1250, 820, 240));
    painter.setBrush(QColor(200, 70, 70));
    painter.drawEllipse(QRectF(260, 1280, 680, 180));

    const QColor fur(214, 160, 95);
    const QColor darkFur = darker(fur, 35);
    // Body, legs and tail.
    QPainterPath tail;
    tail.moveTo(820, 1200);
    tail.cubicTo(960, 1150, 980, 1000, 930, 940);
    curve(painter, tail, darkFur, 34);
    shaded(painter, Shapes::oval(QRectF(380, 860, 460, 480)), fur, 3);
    shaded(painter, Shapes::oval(QRectF(470, 900, 280, 380)), QColor(245, 225, 190), 0);
    for (const double x : {430.0, 650.0}) {
        shaded(painter, Shapes::roundedRect(QRectF(x, 1180, 130, 200), 60), fur, 3);
        shaded(painter, Shapes::oval(QRectF(x - 10, 1320, 150, 90)), QColor(245, 225, 190), 3);
    }
    // Head, ears, face.
    const QRectF head(340, 380, 540, 500);
    for (const int side : {-1, 1}) {
        const double x = side < 0 ? 280 : 760;
        QPainterPath ear = Shapes::teardrop(QRectF(x, 420, 180, 380));
        painter.save();
        painter.translate(x + 90, 430);
        painter.rotate(side * -18);
        painter.translate(-(x + 90), -430);
        shaded(painter, ear, darkFur, 3);
        painter.restore();
    }
    shaded(painter, Shapes::oval(head), fur, 3);
    shaded(painter, Shapes::oval(QRectF(470, 620, 280, 220)), QColor(245, 225, 190), 2);
    for (const double x : {500.0, 720.0}) {
        disc(painter, QPointF(x, 580), 42, QColor(255, 255, 255));
        disc(painter, QPointF(x + 4, 586), 30, QColor(60, 40, 30));
        disc(painter, QPointF(x + 14, 574), 10, QColor(255, 255, 255));
    }
    shaded(painter, Shapes::oval(QRectF(560, 640, 100, 70)), QColor(50, 35, 30), 2);
    gloss(painter, QRectF(580, 648, 40, 22), 160);
    QPainterPath mouth;
    mouth.moveTo(540, 740);
    mouth.quadTo(575, 780, 610, 745);
    mouth.quadTo(645, 780, 680, 740);
    curve(painter, mouth, QColor(80, 50, 40), 5);
    shaded(painter, Shapes::teardrop(QRectF(585, 745, 50, 80)).translated(0, 0),
           QColor(240, 110, 120), 2);
    // Collar and tag, and a ball to play with.
    shaded(painter, Shapes::roundedRect(QRectF(430, 850, 360, 50), 24), QColor(40, 120, 200), 2);
    shaded(painter, Shapes::oval(QRectF(585, 885, 50, 50)), QColor(250, 205, 60), 2);
    shaded(painter, Shapes::oval(QRectF(860, 1230, 190, 190)), QColor(230, 60, 60), 3);
    QPainterPath seam;
    seam.moveTo(870, 1300);
    seam.quadTo(955, 1360, 1040, 1300);
    curve(painter, seam, QColor(255, 250, 240), 8);
}

} // namespace

QImage SamplePhotos::paint(Scene scene, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSize canvas = cameraSize(scene);
    painter.scale(size.width() / double(canvas.width()), size.height() / double(canvas.height()));
    switch (scene) {
    case BeachSunset:
        paintBeachSunset(painter);
        break;
    case Garden:
        paintGarden(painter);
        break;
    case BirthdayTable:
        paintBirthdayTable(painter);
        break;
    case SnowyEvening:
        paintSnowyEvening(painter);
        break;
    case Puppy:
        paintPuppy(painter);
        break;
    }
    return image;
}

QString SamplePhotos::fileName(Scene scene) {
    switch (scene) {
    case BeachSunset:
        return QStringLiteral("Beach Sunset.jpg");
    case Garden:
        return QStringLiteral("Spring Garden.jpg");
    case BirthdayTable:
        return QStringLiteral("Birthday Table.jpg");
    case SnowyEvening:
        return QStringLiteral("Snowy Evening.jpg");
    case Puppy:
        return QStringLiteral("Puppy.jpg");
    }
    return QString();
}

QSize SamplePhotos::cameraSize(Scene scene) {
    return scene == Garden || scene == Puppy ? QSize(1200, 1600) : QSize(1600, 1200);
}
