#include "app/shell/UIWindow.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A folded greeting card with a heart: the program's icon, painted once.
QPixmap paintIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 64.0;
    painter.scale(s, s);
    QLinearGradient back(0, 8, 0, 58);
    back.setColorAt(0, QColor(0x9B, 0x7F, 0xD4));
    back.setColorAt(1, QColor(0x6A, 0x4C, 0x93));
    painter.setPen(Qt::NoPen);
    painter.setBrush(back);
    painter.drawRoundedRect(QRectF(6, 8, 52, 48), 8, 8);
    painter.setBrush(QColor(0xFF, 0xFB, 0xF2));
    painter.drawRoundedRect(QRectF(12, 14, 40, 36), 4, 4);
    QPainterPath heart;
    heart.moveTo(32, 44);
    heart.cubicTo(14, 32, 20, 18, 32, 26);
    heart.cubicTo(44, 18, 50, 32, 32, 44);
    painter.setBrush(QColor(0xE8, 0x3E, 0x6C));
    painter.drawPath(heart);
    return pixmap;
}

} // namespace

QIcon UIWindow::icon() {
    static const QIcon programIcon = [] {
        QIcon icon;
        for (int size : {16, 32, 48, 64, 128}) {
            icon.addPixmap(paintIcon(size));
        }
        return icon;
    }();
    return programIcon;
}
