#include "tools/disc-builder/art/Backdrops.h"

#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

using namespace PaintKit;

namespace {

void paper(QPainter& p, const QRectF& card, const Palette& palette) {
    QLinearGradient gradient(card.topLeft(), card.bottomLeft());
    gradient.setColorAt(0, palette.paperTop);
    gradient.setColorAt(1, palette.paperBottom);
    p.fillRect(card, gradient);
}

void polkaDots(QPainter& p, const QRectF& card, const Palette& palette) {
    const double pitch = 330;
    const double radius = 55;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(palette.secondary, 55));
    int row = 0;
    for (double y = pitch / 2; y < card.height() + pitch; y += pitch * 0.866, ++row) {
        for (double x = (row % 2) * pitch / 2; x < card.width() + pitch; x += pitch) {
            p.drawEllipse(QPointF(x, y), radius, radius);
        }
    }
}

void stripes(QPainter& p, const QRectF& card, const Palette& palette) {
    const double pitch = 360;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(palette.secondary, 40));
    for (double x = 0; x < card.width(); x += pitch) {
        p.drawRect(QRectF(x, 0, pitch / 2, card.height()));
    }
}

void sparkles(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(random.bounded(card.width()), random.bounded(card.height()));
        const double size = 25 + random.bounded(45.0);
        p.setBrush(withAlpha(i % 2 ? palette.accent : palette.secondary, 110));
        p.drawPath(Shapes::star(at, size, 0.3, 4));
    }
}

void rays(QPainter& p, const QRectF& card, const Palette& palette) {
    const QPointF centre(card.center().x(), card.bottom() + card.height() * 0.2);
    const double reach = card.width() + card.height();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(lighter(palette.paperTop, 50), 90));
    for (int i = 0; i < 36; i += 2) {
        const double a0 = qDegreesToRadians(180.0 + i * 5.0);
        const double a1 = qDegreesToRadians(180.0 + (i + 1) * 5.0);
        QPolygonF wedge;
        wedge << centre << centre + QPointF(std::cos(a0), std::sin(a0)) * reach
              << centre + QPointF(std::cos(a1), std::sin(a1)) * reach;
        p.drawPolygon(wedge);
    }
}

void snow(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(random.bounded(card.width()), random.bounded(card.height()));
        const double radius = 12 + random.bounded(22.0);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(at, radius, radius);
    }
    QPainterPath drift;
    drift.moveTo(card.left(), card.bottom());
    drift.lineTo(card.left(), card.bottom() - card.height() * 0.12);
    drift.cubicTo(card.width() * 0.3, card.bottom() - card.height() * 0.2, card.width() * 0.55,
                  card.bottom() - card.height() * 0.04, card.right(),
                  card.bottom() - card.height() * 0.16);
    drift.lineTo(card.right(), card.bottom());
    drift.closeSubpath();
    QLinearGradient white(0, card.bottom() - card.height() * 0.2, 0, card.bottom());
    white.setColorAt(0, QColor(255, 255, 255));
    white.setColorAt(1, lighter(palette.paperBottom, 60));
    p.setBrush(white);
    p.drawPath(drift);
}

void nightSky(QPainter& p, const QRectF& card, const Palette& palette, int seed) {
    QRandomGenerator random{quint32(seed)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(random.bounded(card.width()), random.bounded(card.height()));
        const double size = 10 + random.bounded(30.0);
        p.setBrush(withAlpha(lighter(palette.accent, 40), 120 + random.bounded(100)));
        if (i % 4 == 0) {
            p.drawPath(Shapes::star(at, size * 1.8, 0.35, 4));
        } else {
            p.drawEllipse(at, size * 0.5, size * 0.5);
        }
    }
}

void gingham(QPainter& p, const QRectF& card, const Palette& palette) {
    const double pitch = 260;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(palette.secondary, 35));
    for (double x = 0; x < card.width(); x += pitch) {
        p.drawRect(QRectF(x, 0, pitch / 2, card.height()));
    }
    for (double y = 0; y < card.height(); y += pitch) {
        p.drawRect(QRectF(0, y, card.width(), pitch / 2));
    }
}

void hills(QPainter& p, const QRectF& card, const Palette& palette) {
    const double h = card.height();
    const double w = card.width();
    const QColor greens[] = {lighter(palette.secondary, 35), lighter(palette.secondary, 15)};
    for (int i = 0; i < 2; ++i) {
        QPainterPath hill;
        const double base = card.bottom() - h * (i == 0 ? 0.2 : 0.11);
        hill.moveTo(card.left(), card.bottom());
        hill.lineTo(card.left(), base + (i == 0 ? 0 : h * 0.04));
        hill.cubicTo(w * (i == 0 ? 0.25 : 0.35), base - h * 0.1, w * (i == 0 ? 0.55 : 0.7),
                     base + h * 0.08, card.right(), base - h * (i == 0 ? 0.02 : 0.05));
        hill.lineTo(card.right(), card.bottom());
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(greens[i]);
        p.drawPath(hill);
    }
    QRadialGradient sun(QPointF(card.right() - w * 0.1, card.top() + h * 0.15), h * 0.35);
    sun.setColorAt(0, QColor(255, 250, 210, 160));
    sun.setColorAt(1, QColor(255, 250, 210, 0));
    p.setBrush(sun);
    p.drawEllipse(sun.center(), h * 0.35, h * 0.35);
}

} // namespace

namespace Backdrops {

void paint(QPainter& painter, const QRectF& card, Backdrop kind, const Palette& palette, int seed) {
    painter.save();
    paper(painter, card, palette);
    switch (kind) {
    case Backdrop::Plain:
        break;
    case Backdrop::PolkaDots:
        polkaDots(painter, card, palette);
        break;
    case Backdrop::Stripes:
        stripes(painter, card, palette);
        break;
    case Backdrop::Sparkles:
        sparkles(painter, card, palette, seed);
        break;
    case Backdrop::Rays:
        rays(painter, card, palette);
        break;
    case Backdrop::Snow:
        snow(painter, card, palette, seed);
        break;
    case Backdrop::NightSky:
        nightSky(painter, card, palette, seed);
        break;
    case Backdrop::Gingham:
        gingham(painter, card, palette);
        break;
    case Backdrop::Hills:
        hills(painter, card, palette);
        break;
    }
    painter.restore();
}

} // namespace Backdrops
