#pragma once

#include "platform/ImageRegion.h"

#include <QColor>
#include <QImage>

// The pixel work behind the image operations. Images are kept in the two fast formats: RGB32,
// or ARGB32_Premultiplied when the picture has transparency.
namespace PixelOperations {

// One brightness step (a value of 100) moves every colour channel by this many levels of 255.
constexpr int BrightnessLevelsPerStep = 7;
// One contrast step (a value of 100) stretches the distance of each channel from mid-grey by this
// fraction; a negative step shrinks it by the same factor (1 / (1 + n x fraction)).
constexpr double ContrastPerStep = 0.1;
constexpr int MidGrey = 128;

// RGB32, or ARGB32_Premultiplied when the image has an alpha channel.
QImage inWorkingFormat(const QImage& image);
// RGB32 with transparent parts laid on white.
QImage flattenedOnWhite(const QImage& image);

// Paints colour over the image, or over the region's pixels only.
void fill(QImage& image, const QColor& colour, const ImageRegion* region);

// Copies source pixels into target: target pixel (x, y) of targetRect takes source pixel
// (sourceStart.x + x - targetRect.left, sourceStart.y + y - targetRect.top). Target pixels outside
// the region, outside the target image or without a source pixel stay as they are.
void combine(QImage& target, const QRect& targetRect, const QImage& source,
             const QPoint& sourceStart, const ImageRegion* region);

// Turned clockwise by hundredths of a degree (negative: anticlockwise). With grow the result is
// the turned picture's bounding box, otherwise the original size; uncovered pixels take
// background.
QImage rotated(const QImage& image, int hundredths, bool grow, const QColor& background);

QImage resized(const QImage& image, const QSize& size);

// value = steps x 100; 0 leaves the image as it is.
void adjustBrightness(QImage& image, int value);
void adjustContrast(QImage& image, int value);

// The image with every pixel of exactly key's colour made fully transparent.
QImage keyedOut(const QImage& image, const QColor& key);

} // namespace PixelOperations
