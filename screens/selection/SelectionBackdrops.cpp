#include "screens/selection/SelectionBackdrops.h"

#include "app/shell/Twips.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace {

const QColor violetRim(0xA8, 0x96, 0xD2);
const QColor partyColours[] = {QColor(0xF5, 0x8D, 0xB4), QColor(0xFF, 0xCF, 0x5C),
                               QColor(0x8F, 0xD9, 0xA8), QColor(0x7C, 0xC3, 0xF2),
                               QColor(0xB7, 0x9C, 0xF0)};
constexpr int partyColourCount = 5;

QPainterPath star(QPointF centre, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? inner : outer;
        const double angle = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

// Lavender paper with soft round glows and a sprinkle of confetti.
void paper(QPainter& p, const QSize& size, quint32 seed) {
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, QColor(0xF8, 0xF4, 0xFD));
    base.setColorAt(1, QColor(0xE6, 0xDC, 0xF3));
    p.fillRect(QRect(QPoint(0, 0), size), base);

    QRandomGenerator random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF at(random.bounded(size.width()), random.bounded(size.height()));
        const double radius = 30 + random.bounded(60.0);
        QColor colour = partyColours[i % partyColourCount];
        QRadialGradient glow(at, radius);
        colour.setAlpha(55);
        glow.setColorAt(0, colour);
        colour.setAlpha(0);
        glow.setColorAt(1, colour);
        p.setBrush(glow);
        p.drawEllipse(at, radius, radius);
    }
    for (int i = 0; i < 90; ++i) {
        const QPointF at(random.bounded(size.width()), random.bounded(size.height()));
        QColor colour = partyColours[random.bounded(partyColourCount)];
        colour.setAlpha(150);
        p.setBrush(colour);
        p.save();
        p.translate(at);
        p.rotate(random.bounded(180.0));
        if (i % 3 == 0) {
            p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
        } else {
            p.drawRoundedRect(QRectF(-3, -1.2, 6, 2.4), 1, 1);
        }
        p.restore();
    }
}

// A light, slightly raised panel that groups what lies on it.
void panel(QPainter& p, const QRectF& box, int alpha = 165) {
    QPainterPath shape;
    shape.addRoundedRect(box, 14, 14);
    p.fillPath(shape.translated(0, 2), QColor(0x5A, 0x46, 0x8C, 30));
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(255, 255, 255, alpha));
    fill.setColorAt(1, QColor(0xFB, 0xF8, 0xFF, alpha - 30));
    p.fillPath(shape, fill);
    p.strokePath(shape,
                 QPen(QColor(violetRim.red(), violetRim.green(), violetRim.blue(), 150), 1.4));
}

// A garland of little flags along a string that sags between the given points.
void bunting(QPainter& p, const QVector<QPointF>& pins, double flagWidth, double flagHeight) {
    QPainterPath string;
    string.moveTo(pins.first());
    QVector<QPair<QPointF, QPointF>> swags;
    for (int i = 1; i < pins.size(); ++i) {
        const QPointF from = pins[i - 1];
        const QPointF to = pins[i];
        const QPointF sag = (from + to) / 2 + QPointF(0, (to.x() - from.x()) * 0.12);
        string.quadTo(sag, to);
        swags.append({from, to});
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8A, 0x74, 0xB8), 1.4));
    p.drawPath(string);

    int colour = 0;
    const double length = string.length();
    for (double at = flagWidth; at < length - flagWidth / 2; at += flagWidth * 1.35) {
        const double t = string.percentAtLength(at);
        const QPointF top = string.pointAtPercent(t);
        const double angle = string.angleAtPercent(t);
        p.save();
        p.translate(top);
        p.rotate(-angle);
        QPainterPath flag;
        flag.moveTo(-flagWidth / 2, 0);
        flag.lineTo(flagWidth / 2, 0);
        flag.lineTo(0, flagHeight);
        flag.closeSubpath();
        const QColor fill = partyColours[colour++ % partyColourCount];
        p.fillPath(flag.translated(1, 1.5), QColor(0x4A, 0x34, 0x6E, 45));
        QLinearGradient shade(0, 0, 0, flagHeight);
        shade.setColorAt(0, fill.lighter(112));
        shade.setColorAt(1, fill.darker(108));
        p.fillPath(flag, shade);
        p.strokePath(flag, QPen(fill.darker(135), 1));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(0, flagHeight * 0.32), flagWidth * 0.09, flagWidth * 0.09);
        p.restore();
    }
}

// A ribbon banner with folded ends, behind a heading.
void ribbon(QPainter& p, const QRectF& band) {
    const double tail = band.height() * 0.7;
    const QColor end(0xB9, 0xA6, 0xE4);
    for (int side : {-1, 1}) {
        const double x = side < 0 ? band.left() + 8 : band.right() - 8;
        QPainterPath folded;
        folded.moveTo(x, band.top() + 6);
        folded.lineTo(x + side * tail, band.top() + 6);
        folded.lineTo(x + side * tail * 0.7, band.center().y() + 3);
        folded.lineTo(x + side * tail, band.bottom() + 6);
        folded.lineTo(x, band.bottom() + 6);
        folded.closeSubpath();
        p.fillPath(folded, end.darker(104));
        p.strokePath(folded, QPen(end.darker(140), 1.2));
    }
    QPainterPath front;
    front.addRoundedRect(band, 6, 6);
    p.fillPath(front.translated(0, 2), QColor(0x4A, 0x34, 0x6E, 45));
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    fill.setColorAt(1, QColor(0xF1, 0xEA, 0xFB));
    p.fillPath(front, fill);
    p.strokePath(front, QPen(QColor(0x9D, 0x88, 0xCF), 1.6));
}

void starBar(QPainter& p, double y, double from, double to) {
    int colour = 0;
    for (double x = from; x <= to; x += 21) {
        const QColor fill = partyColours[colour++ % partyColourCount];
        const QPainterPath shape = star(QPointF(x, y), 5.5, 2.4);
        p.fillPath(shape, fill);
        p.strokePath(shape, QPen(fill.darker(140), 0.8));
    }
}

void balloon(QPainter& p, QPointF centre, double radius, const QColor& colour, QPointF tie) {
    QPainterPath cord;
    cord.moveTo(centre + QPointF(0, radius * 1.2));
    cord.cubicTo(centre + QPointF(-6, radius * 1.8), tie + QPointF(8, -12), tie);
    p.setPen(QPen(QColor(0x8A, 0x74, 0xB8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cord);
    QRadialGradient body(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.4);
    body.setColorAt(0, colour.lighter(135));
    body.setColorAt(1, colour.darker(112));
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(body);
    p.drawEllipse(QRectF(centre.x() - radius, centre.y() - radius * 1.2, radius * 2, radius * 2.4));
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(120));
    p.drawPolygon(QPolygonF({centre + QPointF(0, radius * 1.15), centre + QPointF(-3, radius * 1.4),
                             centre + QPointF(3, radius * 1.4)}));
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(centre - QPointF(radius * 0.4, radius * 0.55), radius * 0.22, radius * 0.32);
}

QImage paintOccasionScreen(const QSize& size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paper(p, size, 4101);
    const double w = size.width();
    bunting(p, {QPointF(-10, 6), QPointF(w / 2, 10), QPointF(w + 10, 6)}, 20, 24);
    ribbon(p, QRectF(w / 2 - 170, 63, 340, 36));
    panel(p, QRectF(22, 110, w - 44, 270));
    starBar(p, 110, w / 2 - 126, w / 2 + 126);
    balloon(p, QPointF(38, 404), 13, partyColours[0], QPointF(62, 452));
    balloon(p, QPointF(66, 396), 15, partyColours[3], QPointF(62, 452));
    balloon(p, QPointF(94, 408), 12, partyColours[1], QPointF(62, 452));
    return picture;
}

QImage paintDesignScreen(const QSize& size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paper(p, size, 4202);
    const auto box = [](int left, int top, int width, int height) {
        return QRectF(Twips::rect(left, top, width, height));
    };
    panel(p, box(90, 90, 2130, 6600));
    ribbon(p, box(2760, 195, 6240, 720));
    panel(p, box(2250, 1545, 4350, 4290));
    panel(p, box(6810, 1545, 2550, 4290));
    return picture;
}

const QImage& cached(QImage& store, const QSize& size, QImage (*paint)(const QSize&)) {
    if (store.size() != size) {
        store = paint(size);
    }
    return store;
}

} // namespace

QPixmap SelectionBackdrops::occasionScreen(const QSize& size) {
    static QImage painted;
    return QPixmap::fromImage(cached(painted, size, paintOccasionScreen));
}

QPixmap SelectionBackdrops::designScreen(const QSize& size) {
    static QImage painted;
    return QPixmap::fromImage(cached(painted, size, paintDesignScreen));
}

QPixmap SelectionBackdrops::secondStylePage(const QSize& screenSize, const QPoint& pageOrigin,
                                            const QSize& pageSize) {
    // The page hides the first page's list: the screen's paper shows around its own panel.
    static QImage screen;
    QImage picture = cached(screen, screenSize, paintDesignScreen)
                         .copy(QRect(pageOrigin, pageSize))
                         .convertToFormat(QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page = QRectF(QPointF(0, 0), QSizeF(pageSize)).adjusted(6, 0, -6, -2);
    QPainterPath sheet;
    sheet.addRoundedRect(page, 14, 14);
    QLinearGradient fill(page.topLeft(), page.bottomLeft());
    fill.setColorAt(0, QColor(0xFE, 0xFB, 0xFF));
    fill.setColorAt(1, QColor(0xF1, 0xE9, 0xFB));
    p.fillPath(sheet, fill);
    p.strokePath(sheet, QPen(violetRim, 1.4));
    // A turned-up corner says that this is a page of its own.
    const double fold = 18;
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.bottom());
    corner.lineTo(page.right(), page.bottom() - fold);
    corner.lineTo(page.right() - fold, page.bottom() - fold);
    corner.closeSubpath();
    p.fillPath(corner, QColor(0xDC, 0xD0, 0xF0));
    p.strokePath(corner, QPen(violetRim, 1));
    return QPixmap::fromImage(picture);
}
