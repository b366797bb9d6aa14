#include "app/shell/PictureButton.h"

#include "app/shell/ButtonSheet.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setCell(int cell) {
    sheetCell = cell;
    setPictures(ButtonSheet::cell(cell), ButtonSheet::cell(cell + 12));
}

void PictureButton::setPictures(const QPixmap& normal, const QPixmap& pressedLook) {
    normalPicture = normal;
    pressedPicture = pressedLook;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    const QPixmap& picture = pressed ? pressedPicture : normalPicture;
    if (picture.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The picture keeps its proportions and stands centred in the button's area.
    const QSize shown = picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       shown);
    painter.drawPixmap(target, picture);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setPressed(true);
    }
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed) {
        return;
    }
    setPressed(false);
    if (rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

void PictureButton::setPressed(bool down) {
    if (pressed == down) {
        return;
    }
    pressed = down;
    update();
    Q_EMIT pressedChanged(down);
}
