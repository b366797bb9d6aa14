#include "screens/selection/SelectionArt.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

constexpr int arrowWidth = 60;
constexpr int arrowHeight = 52;

QImage paintArrow(bool up, SelectionArt::ArrowLook look) {
    QImage picture(arrowWidth, arrowHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const bool greyed = look == SelectionArt::ArrowLook::Greyed;
    const bool pressed = look == SelectionArt::ArrowLook::Pressed;
    const QPointF sink = pressed ? QPointF(1, 2) : QPointF(0, 0);
    const QRectF face = QRectF(3, 3, arrowWidth - 6, arrowHeight - 9).translated(sink);
    QPainterPath shape;
    shape.addRoundedRect(face, 13, 13);

    if (!pressed && !greyed) {
        p.fillPath(shape.translated(0, 3), QColor(0x3C, 0x28, 0x5A, 80));
    }
    QLinearGradient body(face.topLeft(), face.bottomLeft());
    if (greyed) {
        body.setColorAt(0, QColor(0xEE, 0xEB, 0xF2));
        body.setColorAt(1, QColor(0xD3, 0xCE, 0xDB));
    } else if (pressed) {
        body.setColorAt(0, QColor(0x6A, 0x52, 0xAE));
        body.setColorAt(1, QColor(0x9A, 0x86, 0xD4));
    } else {
        body.setColorAt(0, QColor(0xC9, 0xB8, 0xF0));
        body.setColorAt(1, QColor(0x7E, 0x64, 0xC6));
    }
    p.fillPath(shape, body);
    if (!greyed && !pressed) {
        QPainterPath gloss;
        gloss.addRoundedRect(face.adjusted(5, 3, -5, -face.height() * 0.55), 8, 8);
        QLinearGradient shine(gloss.boundingRect().topLeft(), gloss.boundingRect().bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, 160));
        shine.setColorAt(1, QColor(255, 255, 255, 10));
        p.fillPath(gloss, shine);
    }
    p.strokePath(shape, QPen(greyed ? QColor(0xB4, 0xAE, 0xBE) : QColor(0x58, 0x45, 0x88), 2));

    const QPointF centre = face.center();
    const double half = 12;
    const double rise = up ? -1 : 1;
    QPolygonF triangle({centre + QPointF(0, rise * 9), centre + QPointF(-half, -rise * 7),
                        centre + QPointF(half, -rise * 7)});
    QPainterPath pointer;
    pointer.addPolygon(triangle);
    pointer.closeSubpath();
    if (!greyed) {
        p.fillPath(pointer.translated(0, 1.5), QColor(0x2B, 0x1F, 0x4D, 110));
    }
    p.setPen(QPen(greyed ? QColor(0xB4, 0xAE, 0xBE) : QColor(0xFF, 0xFF, 0xFF), 2, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(greyed ? QColor(0xBD, 0xB7, 0xC6) : QColor(0xFF, 0xFF, 0xFF));
    p.drawPath(pointer);
    return picture;
}

} // namespace

QPixmap SelectionArt::arrow(bool up, ArrowLook look) {
    static std::array<QImage, 6> painted;
    QImage& picture = painted[(up ? 3 : 0) + static_cast<int>(look)];
    if (picture.isNull()) {
        picture = paintArrow(up, look);
    }
    return QPixmap::fromImage(picture);
}

QPixmap SelectionArt::badge(const QSize& size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(QPointF(1, 1), QSizeF(size)).adjusted(0, 0, -3, -4);
    const double radius = std::min(12.0, face.height() / 2);
    QPainterPath shape;
    shape.addRoundedRect(face, radius, radius);
    p.fillPath(shape.translated(1.5, 2.5), QColor(0x5A, 0x3E, 0x12, 60));
    QLinearGradient body(face.topLeft(), face.bottomLeft());
    body.setColorAt(0, QColor(0xFF, 0xF8, 0xCF));
    body.setColorAt(0.5, QColor(0xFF, 0xE5, 0x84));
    body.setColorAt(1, QColor(0xFF, 0xCF, 0x55));
    p.fillPath(shape, body);
    QPainterPath gloss;
    gloss.addRoundedRect(face.adjusted(6, 2, -6, -face.height() * 0.6), radius / 2, radius / 2);
    p.fillPath(gloss, QColor(255, 255, 255, 110));
    p.strokePath(shape, QPen(QColor(0xE0, 0x9C, 0x1E), 1.6));
    return QPixmap::fromImage(picture);
}
