#include "app/shell/SplashPicture.h"

#include "app/shell/Ornaments.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace {

void drawBalloon(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient shine(centre - QPointF(radius * 0.35, radius * 0.45), radius * 1.4);
    shine.setColorAt(0, colour.lighter(160));
    shine.setColorAt(0.5, colour);
    shine.setColorAt(1, colour.darker(130));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius * 0.85, radius);
    QPainterPath knot;
    const QPointF bottom = centre + QPointF(0, radius);
    knot.moveTo(bottom);
    knot.lineTo(bottom + QPointF(-radius * 0.12, radius * 0.16));
    knot.lineTo(bottom + QPointF(radius * 0.12, radius * 0.16));
    knot.closeSubpath();
    painter.drawPath(knot);
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath string;
    string.moveTo(bottom + QPointF(0, radius * 0.16));
    string.cubicTo(bottom + QPointF(-radius * 0.3, radius * 0.8),
                   bottom + QPointF(radius * 0.3, radius * 1.2), bottom + QPointF(0, radius * 1.9));
    painter.drawPath(string);
}

} // namespace

QPixmap SplashPicture::picture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = size.width();
    const double h = size.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x7B, 0x5E, 0xB8));
    sky.setColorAt(0.55, QColor(0xB3, 0x8C, 0xD9));
    sky.setColorAt(1, QColor(0xF4, 0xC6, 0xD7));
    painter.fillRect(pixmap.rect(), sky);

    // Confetti, the same every time.
    QRandomGenerator random(20261211);
    const QColor confetti[] = {QColor(0xFF, 0xD1, 0x66), QColor(0x06, 0xD6, 0xA0),
                               QColor(0xEF, 0x47, 0x6F), QColor(0x11, 0x8A, 0xB2),
                               QColor(0xFF, 0xFF, 0xFF)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        QColor colour = confetti[random.bounded(5)];
        colour.setAlpha(150);
        painter.setBrush(colour);
        const QPointF at(random.bounded(w), random.bounded(h));
        painter.drawEllipse(at, 2.0 + random.bounded(3), 2.0 + random.bounded(3));
    }

    drawBalloon(painter, QPointF(w * 0.13, h * 0.28), h * 0.09, QColor(0xEF, 0x47, 0x6F));
    drawBalloon(painter, QPointF(w * 0.22, h * 0.20), h * 0.08, QColor(0xFF, 0xC1, 0x3D));
    drawBalloon(painter, QPointF(w * 0.86, h * 0.24), h * 0.09, QColor(0x11, 0x8A, 0xB2));
    drawBalloon(painter, QPointF(w * 0.78, h * 0.17), h * 0.07, QColor(0x06, 0xD6, 0xA0));
    Ornaments::drawStar(painter, QPointF(w * 0.5, h * 0.12), h * 0.05, 5, 0.45,
                        QColor(0xFF, 0xE0, 0x7A));
    Ornaments::drawStar(painter, QPointF(w * 0.35, h * 0.08), h * 0.025, 5, 0.45,
                        QColor(0xFF, 0xF3, 0xC4));
    Ornaments::drawStar(painter, QPointF(w * 0.66, h * 0.09), h * 0.03, 5, 0.45,
                        QColor(0xFF, 0xF3, 0xC4));

    // A picture card, leaning slightly, in the middle.
    painter.save();
    painter.translate(w * 0.5, h * 0.53);
    painter.rotate(-4);
    const QRectF card(-w * 0.22, -h * 0.17, w * 0.44, h * 0.34);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(card.translated(5, 6), 8, 8);
    painter.setBrush(QColor(0xFF, 0xFB, 0xF2));
    painter.drawRoundedRect(card, 8, 8);
    QLinearGradient photo(card.topLeft(), card.bottomLeft());
    photo.setColorAt(0, QColor(0x8E, 0xD1, 0xFC));
    photo.setColorAt(1, QColor(0xA7, 0xE0, 0x9B));
    painter.setBrush(photo);
    const QRectF hole(card.left() + card.width() * 0.08, card.top() + card.height() * 0.12,
                      card.width() * 0.5, card.height() * 0.76);
    painter.drawEllipse(hole);
    painter.setBrush(QColor(0xFF, 0xD1, 0x66));
    painter.drawEllipse(
        QPointF(hole.center().x() + hole.width() * 0.15, hole.top() + hole.height() * 0.3),
        hole.width() * 0.1, hole.width() * 0.1);
    Ornaments::drawHeart(
        painter,
        QPointF(card.right() - card.width() * 0.2, card.center().y() - card.height() * 0.12),
        card.height() * 0.32, QColor(0xE8, 0x3E, 0x6C));
    Ornaments::drawHeart(
        painter,
        QPointF(card.right() - card.width() * 0.12, card.center().y() + card.height() * 0.22),
        card.height() * 0.16, QColor(0xFF, 0x8F, 0xAB));
    painter.restore();

    // The program's name.
    QFont title(QStringLiteral("Comic Sans MS"));
    title.setBold(true);
    title.setPixelSize(static_cast<int>(h * 0.12));
    painter.setFont(title);
    const QRectF titleArea(0, h * 0.72, w, h * 0.14);
    painter.setPen(QColor(0x3B, 0x26, 0x5E, 120));
    painter.drawText(titleArea.translated(2, 3), Qt::AlignCenter, QStringLiteral("Tessaly"));
    painter.setPen(Qt::white);
    painter.drawText(titleArea, Qt::AlignCenter, QStringLiteral("Tessaly"));
    QFont subtitle(QStringLiteral("Comic Sans MS"));
    subtitle.setBold(true);
    subtitle.setPixelSize(static_cast<int>(h * 0.045));
    painter.setFont(subtitle);
    painter.setPen(QColor(0x4A, 0x2F, 0x73));
    painter.drawText(QRectF(0, h * 0.85, w, h * 0.06), Qt::AlignCenter,
                     QStringLiteral("Picture cards for every occasion"));
    return pixmap;
}
