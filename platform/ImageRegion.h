#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <utility>

// A set of pixels of an image: a Grayscale8 mask (255 inside, 0 outside) covering the bounding
// box. Kept as a mask rather than a QRegion, because a detailed shape made into a QRegion is a
// rectangle per run of pixels and clipping with it costs memory and time without bound.
class ImageRegion {
public:
    // The empty region.
    ImageRegion() = default;

    // The pixels whose colour is exactly rgb (alpha is not compared).
    static ImageRegion fromColor(const QImage& image, QRgb rgb);
    // The rectangle, cut to the image.
    static ImageRegion fromRect(const QRect& rect, const QSize& imageSize);

    // The same pixels moved by (dx, dy), cut to an image of imageSize.
    ImageRegion translated(int dx, int dy, const QSize& imageSize) const;

    // The bounding box; empty for an empty region.
    QRect bounds() const { return box; }
    bool isEmpty() const { return box.isEmpty(); }
    bool contains(int x, int y) const;

    // A Grayscale8 mask of area's size: 255 where the region covers the pixel.
    QImage maskFor(const QRect& area) const;

private:
    ImageRegion(const QRect& bounds, QImage mask) : box(bounds), mask(std::move(mask)) {}
    // The part of mask (placed at box) that holds the region's pixels, so bounds stay tight.
    static ImageRegion tightened(const QRect& box, const QImage& mask);

    QRect box;
    QImage mask;
};
