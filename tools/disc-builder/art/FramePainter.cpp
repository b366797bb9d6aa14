#include "tools/disc-builder/art/FramePainter.h"

#include "tools/disc-builder/art/Backdrops.h"
#include "tools/disc-builder/art/Borders.h"
#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"
#include "tools/disc-builder/art/Subjects.h"

#include <QRadialGradient>

using namespace PaintKit;

namespace {

// The hole shape keeps one screen pixel inside the hole of the layout table on every side.
constexpr double kHoleInset = 15;
constexpr double kMatWidth = 95;

QTransform twipsToPixels(const CardLayout& layout, const QSize& size) {
    const QSizeF scale = layout.scaleFor(size);
    return QTransform::fromScale(scale.width(), scale.height());
}

} // namespace

FramePainter::FramePainter(const CardLayout& layout, const FrameTheme& theme, int seed)
    : layout(layout), theme(theme), seed(seed) {}

HoleShape FramePainter::holeShape() const {
    const bool second = layout.code == "F2" || layout.code == "F6";
    return layout.portrait() ? theme.portraitHoles[second] : theme.landscapeHoles[second];
}

QPainterPath FramePainter::holePath() const {
    if (!layout.hasHole()) {
        return {};
    }
    const QRectF box = layout.holeTwips.adjusted(kHoleInset, kHoleInset, -kHoleInset, -kHoleInset);
    const double small = qMin(box.width(), box.height());
    switch (holeShape()) {
    case HoleShape::Rounded:
        return Shapes::roundedRect(box, small * 0.12);
    case HoleShape::Oval:
        return Shapes::oval(box);
    case HoleShape::Heart:
        return Shapes::heart(box);
    case HoleShape::Arch:
        return Shapes::arch(box);
    case HoleShape::Scalloped:
        return Shapes::scalloped(box, small * 0.05);
    case HoleShape::Ticket:
        return Shapes::ticket(box, small * 0.14);
    }
    return {};
}

QImage FramePainter::picture(const QSize& size) const {
    QImage image(size, QImage::Format_RGB32);
    image.fill(theme.palette.paperBottom);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(twipsToPixels(layout, size));
    const QRectF card(QPointF(0, 0), layout.cardTwips);
    Backdrops::paint(painter, card, theme.backdrop, theme.palette, seed);
    Borders::paint(painter, card, theme.border, theme.palette, seed);
    if (layout.hasHole()) {
        paintMount(painter);
    } else {
        paintTextSpace(painter);
    }
    paintMotifs(painter);
    return image;
}

QImage FramePainter::mask(const QSize& size) const {
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(255);
    if (!layout.hasHole()) {
        return image;
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(layout.holePixels(size));
    painter.setTransform(twipsToPixels(layout, size));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(holePath());
    return image;
}

void FramePainter::paintMount(QPainter& painter) const {
    const QPainterPath hole = holePath();
    const Palette& palette = theme.palette;
    painter.save();
    shadow(painter, hole, QPointF(45, 50), 2 * kMatWidth + 80, 90);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(darker(palette.primary, 10), 2 * kMatWidth + 36, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hole);
    painter.setPen(QPen(palette.mat, 2 * kMatWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hole);
    painter.setPen(QPen(palette.accent, 28, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hole);
    QRadialGradient soft(hole.boundingRect().center(), hole.boundingRect().width() * 0.6);
    soft.setColorAt(0, lighter(palette.hole, 50));
    soft.setColorAt(1, palette.hole);
    painter.setPen(Qt::NoPen);
    painter.setBrush(soft);
    painter.drawPath(hole);
    painter.restore();
}

void FramePainter::paintTextSpace(QPainter& painter) const {
    const QRectF card(QPointF(0, 0), layout.cardTwips);
    const QRectF space = layout.portrait() ? QRectF(420, card.height() * 0.36, card.width() - 840,
                                                    card.height() * 0.36)
                                           : QRectF(card.width() * 0.2, card.height() * 0.26,
                                                    card.width() * 0.48, card.height() * 0.48);
    // On dark paper the space for text is a light panel, so that dark text reads on it.
    const bool darkPaper = theme.palette.paperTop.lightness() < 128;
    painter.save();
    painter.setPen(QPen(withAlpha(theme.palette.accent, darkPaper ? 200 : 90), 14, Qt::DashLine));
    painter.setBrush(darkPaper ? withAlpha(lighter(theme.palette.hole, 40), 235)
                               : withAlpha(QColor(255, 255, 255), 120));
    painter.drawRoundedRect(space, 160, 160);
    painter.restore();
}

QVector<FramePainter::Placement> FramePainter::placements() const {
    const QString& code = layout.code;
    if (code == "F1") {
        return {{5900, 2400, 1450, -6}, {6250, 900, 800, 10}, {4500, 2950, 620, -12}};
    }
    if (code == "F2") {
        return {{5850, 2350, 1500, 4}, {6300, 850, 760, -10}, {3700, 2900, 640, 8}};
    }
    if (code == "F3") {
        return {{5700, 2250, 1700, 6},
                {1150, 1050, 1150, -10},
                {1300, 2750, 650, 8},
                {6150, 750, 700, 12}};
    }
    if (code == "F5") {
        return {{1650, 4150, 1150, 6}, {650, 4450, 620, -10}, {2050, 3150, 420, 12}};
    }
    if (code == "F6") {
        return {{1620, 4050, 1250, -6}, {620, 4400, 700, 8}, {2150, 2450, 440, -12}};
    }
    return {{1250, 1200, 1350, -4}, {1750, 4300, 950, 8}, {620, 4400, 620, -10}};
}

void FramePainter::paintMotifs(QPainter& painter) const {
    if (theme.motifs.isEmpty()) {
        return;
    }
    const QVector<Placement> spots = placements();
    const int start = CardLayout::codes().indexOf(layout.code);
    for (int i = 0; i < spots.size(); ++i) {
        const Motif& motif = theme.motifs[(start + i) % theme.motifs.size()];
        const Placement& spot = spots[i];
        painter.save();
        painter.translate(spot.x, spot.y);
        painter.rotate(spot.turn);
        painter.scale(spot.size / 100.0, spot.size / 100.0);
        painter.translate(-50, -50);
        Subjects::paint(painter, motif.subject, motif.tint);
        painter.restore();
    }
}
