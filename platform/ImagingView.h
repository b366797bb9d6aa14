#pragma once

#include "platform/ImagingControl.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

// The widget that shows an image object: the card area, the objects on the card, the palette
// items, the thumbnails. It owns its ImagingControl and is its display; the
// image is drawn at the control's shownRect, without the transparent colour when the control
// asks for that, so whatever lies beneath shows through. An empty control draws nothing.
class ImagingView : public QWidget {
    Q_OBJECT

public:
    explicit ImagingView(QWidget* parent = nullptr);

    ImagingControl& control() { return imaging; }
    const ImagingControl& control() const { return imaging; }

    // Redraws at once (the control's Repaint does the same).
    void Repaint();

    // A one-pixel frame around the view; the image then shows inside it.
    bool borderVisible() const { return border; }
    void setBorderVisible(bool visible);

    // Free text that the owner keeps with the view.
    QString tag() const { return tagText; }
    void setTag(const QString& text) { tagText = text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int inset() const { return border ? 1 : 0; }
    void invalidate();
    const QPixmap& shownPixmap(const QSize& size, qreal pixelRatio);

    ImagingControl imaging;
    bool border = false;
    QString tagText;
    // The image as drawn (scaled, transparent colour removed), made again only after a change.
    QPixmap cache;
    bool cacheValid = false;
};
