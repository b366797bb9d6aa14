#include "app/welcome/WelcomeArt.h"

#include "app/shell/Ornaments.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

namespace {

const QColor violet(0x6A, 0x4C, 0x93);
const QColor lightViolet(0xC8, 0xBC, 0xD8);
const QColor cream(0xFF, 0xFB, 0xF2);
const QColor rose(0xE8, 0x3E, 0x6C);
const QColor sun(0xFF, 0xC1, 0x3D);
const QColor sea(0x11, 0x8A, 0xB2);
const QColor mint(0x06, 0xD6, 0xA0);

QPixmap blank(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// A rounded tile that the button pictures stand on; pressed tiles are darker and lower.
QRectF drawTile(QPainter& painter, const QSize& size, bool pressed, const QColor& colour) {
    const QRectF area(2, 2, size.width() - 4, size.height() - 6);
    const QRectF tile = pressed ? area.translated(0, 2) : area;
    painter.setPen(Qt::NoPen);
    if (!pressed) {
        painter.setBrush(QColor(0x3B, 0x26, 0x5E, 70));
        painter.drawRoundedRect(area.translated(0, 3), 14, 14);
    }
    QLinearGradient face(tile.topLeft(), tile.bottomLeft());
    face.setColorAt(0, pressed ? colour.darker(115) : colour.lighter(125));
    face.setColorAt(1, pressed ? colour.darker(135) : colour);
    painter.setBrush(face);
    painter.setPen(QPen(colour.darker(150), 1.5));
    painter.drawRoundedRect(tile, 14, 14);
    return tile;
}

void drawSparkle(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    Ornaments::drawStar(painter, centre, radius, 4, 0.3, colour);
}

// A small card with a photo hole and a heart.
void drawCard(QPainter& painter, const QRectF& card, double angle) {
    painter.save();
    painter.translate(card.center());
    painter.rotate(angle);
    const QRectF local(-card.width() / 2, -card.height() / 2, card.width(), card.height());
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1));
    painter.setBrush(cream);
    painter.drawRoundedRect(local, 3, 3);
    QLinearGradient photo(local.topLeft(), local.bottomLeft());
    photo.setColorAt(0, QColor(0x8E, 0xD1, 0xFC));
    photo.setColorAt(1, QColor(0xA7, 0xE0, 0x9B));
    painter.setPen(Qt::NoPen);
    painter.setBrush(photo);
    painter.drawEllipse(QRectF(local.left() + local.width() * 0.08,
                               local.top() + local.height() * 0.14, local.width() * 0.5,
                               local.height() * 0.72));
    Ornaments::drawHeart(painter, QPointF(local.right() - local.width() * 0.2, local.center().y()),
                         local.height() * 0.34, rose);
    painter.restore();
}

} // namespace

QPixmap WelcomeArt::background(const QSize& size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    prepare(painter);
    QLinearGradient back(0, 0, 0, size.height());
    back.setColorAt(0, QColor(0xE6, 0xDD, 0xF2));
    back.setColorAt(1, lightViolet);
    painter.fillRect(pixmap.rect(), back);
    QRandomGenerator random(1004);
    const QColor colours[] = {rose, sun, sea, mint, violet};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        QColor colour = colours[random.bounded(5)];
        colour.setAlpha(55);
        painter.setBrush(colour);
        painter.drawEllipse(
            QPointF(random.bounded(double(size.width())), random.bounded(double(size.height()))),
            2.0 + random.bounded(3), 2.0 + random.bounded(3));
    }
    // A soft ribbon along the bottom.
    QPainterPath ribbon;
    ribbon.moveTo(0, size.height() * 0.86);
    ribbon.cubicTo(size.width() * 0.3, size.height() * 0.80, size.width() * 0.7,
                   size.height() * 0.95, size.width(), size.height() * 0.87);
    ribbon.lineTo(size.width(), size.height());
    ribbon.lineTo(0, size.height());
    painter.setBrush(QColor(0xB3, 0x9D, 0xD3, 120));
    painter.drawPath(ribbon);
    return pixmap;
}

QPixmap WelcomeArt::newCardButton(const QSize& size, bool pressed) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF tile = drawTile(painter, size, pressed, QColor(0xFF, 0x9F, 0xB5));
    const QRectF card(tile.center().x() - tile.height() * 0.55,
                      tile.center().y() - tile.height() * 0.3, tile.height() * 1.1,
                      tile.height() * 0.6);
    drawCard(painter, card, -6);
    drawSparkle(painter,
                QPointF(tile.right() - tile.width() * 0.16, tile.top() + tile.height() * 0.24),
                tile.height() * 0.16, sun);
    drawSparkle(painter,
                QPointF(tile.left() + tile.width() * 0.15, tile.bottom() - tile.height() * 0.25),
                tile.height() * 0.1, Qt::white);
    return pixmap;
}

QPixmap WelcomeArt::openCardButton(const QSize& size, bool pressed) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF tile = drawTile(painter, size, pressed, QColor(0x7F, 0xC8, 0xE8));
    const double h = tile.height();
    const QPointF c = tile.center();
    // The folder's back, a card peeking out, then the folder's front.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0xA1, 0x2E));
    QPainterPath back;
    back.addRoundedRect(QRectF(c.x() - h * 0.6, c.y() - h * 0.28, h * 1.2, h * 0.62), 4, 4);
    back.addRoundedRect(QRectF(c.x() - h * 0.6, c.y() - h * 0.36, h * 0.4, h * 0.14), 3, 3);
    painter.drawPath(back);
    drawCard(painter, QRectF(c.x() - h * 0.42, c.y() - h * 0.38, h * 0.84, h * 0.46), 5);
    QPainterPath front;
    front.moveTo(c.x() - h * 0.66, c.y() - h * 0.05);
    front.lineTo(c.x() + h * 0.54, c.y() - h * 0.05);
    front.lineTo(c.x() + h * 0.6, c.y() + h * 0.34);
    front.lineTo(c.x() - h * 0.6, c.y() + h * 0.34);
    front.closeSubpath();
    QLinearGradient frontFace(0, c.y() - h * 0.05, 0, c.y() + h * 0.34);
    frontFace.setColorAt(0, QColor(0xFF, 0xD1, 0x66));
    frontFace.setColorAt(1, QColor(0xF2, 0xB1, 0x3C));
    painter.setBrush(frontFace);
    painter.drawPath(front);
    return pixmap;
}

QPixmap WelcomeArt::showButton(const QSize& size, bool pressed) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF tile = drawTile(painter, size, pressed, QColor(0x9E, 0xE0, 0x9E));
    const double h = tile.height();
    const QPointF c = tile.center();
    // A screen with a play sign, and stars around it.
    painter.setPen(QPen(QColor(0x3B, 0x26, 0x5E), 2));
    painter.setBrush(cream);
    painter.drawRoundedRect(QRectF(c.x() - h * 0.55, c.y() - h * 0.34, h * 1.1, h * 0.68), 6, 6);
    QPainterPath play;
    play.moveTo(c.x() - h * 0.12, c.y() - h * 0.2);
    play.lineTo(c.x() + h * 0.2, c.y());
    play.lineTo(c.x() - h * 0.12, c.y() + h * 0.2);
    play.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(rose);
    painter.drawPath(play);
    drawSparkle(painter, QPointF(tile.left() + tile.width() * 0.14, tile.top() + h * 0.25),
                h * 0.13, sun);
    drawSparkle(painter, QPointF(tile.right() - tile.width() * 0.13, tile.bottom() - h * 0.25),
                h * 0.13, sea);
    return pixmap;
}

QPixmap WelcomeArt::pleaseWait(const QSize& size) {
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    prepare(painter);
    const QRectF area(3, 3, size.width() - 6, size.height() - 6);
    painter.setPen(QPen(violet, 3));
    painter.setBrush(cream);
    painter.drawRoundedRect(area, 16, 16);
    // An hourglass.
    const QPointF c(area.center().x(), area.top() + area.height() * 0.42);
    const double h = area.height() * 0.28;
    QPainterPath glass;
    glass.moveTo(c.x() - h * 0.6, c.y() - h);
    glass.lineTo(c.x() + h * 0.6, c.y() - h);
    glass.cubicTo(c.x() + h * 0.6, c.y() - h * 0.3, c.x() + h * 0.1, c.y() - h * 0.15,
                  c.x() + h * 0.08, c.y());
    glass.cubicTo(c.x() + h * 0.1, c.y() + h * 0.15, c.x() + h * 0.6, c.y() + h * 0.3,
                  c.x() + h * 0.6, c.y() + h);
    glass.lineTo(c.x() - h * 0.6, c.y() + h);
    glass.cubicTo(c.x() - h * 0.6, c.y() + h * 0.3, c.x() - h * 0.1, c.y() + h * 0.15,
                  c.x() - h * 0.08, c.y());
    glass.cubicTo(c.x() - h * 0.1, c.y() - h * 0.15, c.x() - h * 0.6, c.y() - h * 0.3,
                  c.x() - h * 0.6, c.y() - h);
    painter.setPen(QPen(violet, 2));
    painter.setBrush(QColor(0xE6, 0xF4, 0xFF));
    painter.drawPath(glass);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    QPainterPath sand;
    sand.moveTo(c.x() - h * 0.45, c.y() + h * 0.95);
    sand.lineTo(c.x() + h * 0.45, c.y() + h * 0.95);
    sand.lineTo(c.x(), c.y() + h * 0.4);
    sand.closeSubpath();
    painter.drawPath(sand);
    painter.drawEllipse(QPointF(c.x(), c.y() - h * 0.55), h * 0.3, h * 0.18);
    // Three dots for "a moment, please".
    for (int i = -1; i <= 1; ++i) {
        painter.setBrush(i == 0 ? rose : violet);
        painter.drawEllipse(QPointF(c.x() + i * h * 0.5, area.bottom() - area.height() * 0.14),
                            h * 0.12, h * 0.12);
    }
    return pixmap;
}

QPixmap WelcomeArt::aboutPanel(const QSize& size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    prepare(painter);
    QLinearGradient back(0, 0, 0, size.height());
    back.setColorAt(0, QColor(0x7B, 0x5E, 0xB8));
    back.setColorAt(1, QColor(0xB3, 0x8C, 0xD9));
    painter.fillRect(pixmap.rect(), back);
    painter.setPen(QPen(QColor(0xFF, 0xE0, 0x7A), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(6, 6, size.width() - 12, size.height() - 12), 14, 14);
    const double h = size.height();
    drawCard(painter, QRectF(size.width() * 0.1, h * 0.14, h * 0.5, h * 0.3), -8);
    drawSparkle(painter, QPointF(size.width() * 0.1, h * 0.12), h * 0.05, QColor(0xFF, 0xE0, 0x7A));
    drawSparkle(painter, QPointF(size.width() * 0.88, h * 0.82), h * 0.06,
                QColor(0xFF, 0xE0, 0x7A));
    QFont title(QStringLiteral("Comic Sans MS"));
    title.setBold(true);
    title.setPixelSize(static_cast<int>(h * 0.13));
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(size.width() * 0.4, h * 0.12, size.width() * 0.58, h * 0.18),
                     Qt::AlignCenter, QStringLiteral("Tessaly"));
    QFont body(QStringLiteral("Comic Sans MS"));
    body.setPixelSize(static_cast<int>(h * 0.055));
    painter.setFont(body);
    painter.drawText(
        QRectF(size.width() * 0.08, h * 0.55, size.width() * 0.84, h * 0.3),
        Qt::AlignCenter | Qt::TextWordWrap,
        QStringLiteral(
            "Picture cards for every occasion.\nMade with love for families everywhere."));
    return pixmap;
}
