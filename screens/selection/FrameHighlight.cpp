#include "screens/selection/FrameHighlight.h"

#include <QPainter>

FrameHighlight::FrameHighlight(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void FrameHighlight::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int half = BorderWidth / 2;
    painter.setPen(QPen(Qt::red, BorderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(half, half, -half, -half));
}
