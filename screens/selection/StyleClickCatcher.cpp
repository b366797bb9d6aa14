#include "screens/selection/StyleClickCatcher.h"

#include <QMouseEvent>

StyleClickCatcher::StyleClickCatcher(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void StyleClickCatcher::mousePressEvent(QMouseEvent* event) {
    pressed = event->button() == Qt::LeftButton;
}

void StyleClickCatcher::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed) {
        return;
    }
    pressed = false;
    const QPoint at = event->position().toPoint();
    if (rect().contains(at)) {
        Q_EMIT clickedAt(at.y());
    }
}
