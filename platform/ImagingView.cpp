#include "platform/ImagingView.h"

#include "platform/PixelOperations.h"

#include <QPaintEvent>
#include <QPainter>

ImagingView::ImagingView(QWidget* parent) : QWidget(parent) {
    connect(&imaging, &ImagingControl::imageChanged, this, &ImagingView::invalidate);
    connect(&imaging, &ImagingControl::displayChanged, this, &ImagingView::invalidate);
    connect(&imaging, &ImagingControl::repaintRequested, this, &ImagingView::Repaint);
    // Asked rather than told: a hidden widget gets no resize events, yet its size is known.
    imaging.setDisplay(
        [this] { return size().shrunkBy(QMargins(inset(), inset(), inset(), inset())); });
}

void ImagingView::Repaint() {
    repaint();
}

void ImagingView::setBorderVisible(bool visible) {
    if (border != visible) {
        border = visible;
        invalidate();
    }
}

void ImagingView::invalidate() {
    cacheValid = false;
    update();
}

void ImagingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    invalidate();
}

const QPixmap& ImagingView::shownPixmap(const QSize& size, qreal pixelRatio) {
    const QSize deviceSize = size * pixelRatio;
    if (cacheValid && cache.size() == deviceSize) {
        return cache;
    }
    QImage shown = imaging.image();
    if (imaging.UseTransparentColor()) {
        shown = PixelOperations::keyedOut(shown, imaging.TransparentColor());
    }
    if (shown.size() != deviceSize) {
        shown = shown.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    cache = QPixmap::fromImage(shown);
    cache.setDevicePixelRatio(pixelRatio);
    cacheValid = true;
    return cache;
}

void ImagingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (border) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QRect shown = imaging.shownRect();
    if (shown.isEmpty()) {
        return;
    }
    const QRect inside = rect().adjusted(inset(), inset(), -inset(), -inset());
    painter.setClipRect(inside);
    painter.drawPixmap(shown.topLeft() + inside.topLeft(),
                       shownPixmap(shown.size(), devicePixelRatioF()));
}
