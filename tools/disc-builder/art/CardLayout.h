#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The geometry of one layout code: the card area and the photo hole in twips, and the sizes
// of the screen picture (15 twips per pixel) and of the print picture (300 dpi).
struct CardLayout {
    QString code;
    QSizeF cardTwips;
    QRectF holeTwips; // empty for blank cards
    QSize screenSize;
    QSize printSize;

    bool portrait() const { return cardTwips.height() > cardTwips.width(); }
    bool hasHole() const { return !holeTwips.isEmpty(); }

    // Pixel rectangle of the hole in an image of the given size, rounded inwards so that a
    // mask painted inside it never leaves the hole of the layout table.
    QRect holePixels(const QSize& imageSize) const;
    // Pixels per twip in an image of the given size: exactly 1/15 for the screen picture.
    QSizeF scaleFor(const QSize& imageSize) const;

    static CardLayout forCode(const QString& code);
    // The six layout codes in frame-index order.
    static QStringList codes();
};
