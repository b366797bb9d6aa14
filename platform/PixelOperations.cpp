#include "platform/PixelOperations.h"

#include <QPainter>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

namespace PixelOperations {

namespace {

using ChannelTable = std::array<uchar, 256>;

uchar clampedLevel(double level) {
    return static_cast<uchar>(std::clamp(qRound(level), 0, 255));
}

// Draws piece at `at` only where mask (same size as piece) is 255: the mask becomes the piece's
// alpha and SourceOver lets the target show through everywhere else.
void drawThroughMask(QImage& target, const QPoint& at, const QImage& piece, const QImage& mask) {
    QImage masked = piece.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    masked.setAlphaChannel(mask);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(at, masked);
}

void applyTable(QImage& image, const ChannelTable& table) {
    const bool alpha = image.hasAlphaChannel();
    QImage work = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < work.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
        for (int x = 0; x < work.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] =
                qRgba(table[qRed(pixel)], table[qGreen(pixel)], table[qBlue(pixel)], qAlpha(pixel));
        }
    }
    image = alpha ? work.convertToFormat(QImage::Format_ARGB32_Premultiplied) : work;
}

} // namespace

QImage inWorkingFormat(const QImage& image) {
    if (image.isNull()) {
        return image;
    }
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.format() == format ? image : image.convertToFormat(format);
}

QImage flattenedOnWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return image.format() == QImage::Format_RGB32 ? image
                                                      : image.convertToFormat(QImage::Format_RGB32);
    }
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.setDotsPerMeterX(image.dotsPerMeterX());
    flat.setDotsPerMeterY(image.dotsPerMeterY());
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

void fill(QImage& image, const QColor& colour, const ImageRegion* region) {
    const QColor opaque(colour.red(), colour.green(), colour.blue());
    if (region == nullptr) {
        image.fill(opaque);
        return;
    }
    const QRect box = region->bounds();
    if (box.isEmpty()) {
        return;
    }
    QImage piece(box.size(), QImage::Format_ARGB32_Premultiplied);
    piece.fill(opaque);
    drawThroughMask(image, box.topLeft(), piece, region->maskFor(box));
}

void combine(QImage& target, const QRect& targetRect, const QImage& source,
             const QPoint& sourceStart, const ImageRegion* region) {
    const QPoint shift = sourceStart - targetRect.topLeft();
    QRect area = targetRect.intersected(target.rect());
    area = area.intersected(source.rect().translated(-shift));
    if (region != nullptr) {
        area = area.intersected(region->bounds());
    }
    if (area.isEmpty()) {
        return;
    }
    const QImage piece = source.copy(area.translated(shift));
    if (region != nullptr) {
        drawThroughMask(target, area.topLeft(), piece, region->maskFor(area));
        return;
    }
    QPainter painter(&target);
    painter.drawImage(area.topLeft(), piece);
}

QImage rotated(const QImage& image, int hundredths, bool grow, const QColor& background) {
    const int turn = ((hundredths % 36000) + 36000) % 36000;
    if (turn == 0) {
        return image;
    }
    const double degrees = turn / 100.0;
    if (grow && turn % 9000 == 0) {
        // Quarter turns move whole pixels: no resampling, no blur.
        return inWorkingFormat(image.transformed(QTransform().rotate(degrees)));
    }
    QSize size = image.size();
    if (grow) {
        const QSizeF turned = QTransform()
                                  .rotate(degrees)
                                  .mapRect(QRectF(QPointF(0, 0), QSizeF(image.size())))
                                  .size();
        // A hair below the next whole pixel is rounding noise from sin and cos.
        size = QSize(qCeil(turned.width() - 1e-6), qCeil(turned.height() - 1e-6));
    }
    QImage result(size, image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
    result.setDotsPerMeterX(image.dotsPerMeterX());
    result.setDotsPerMeterY(image.dotsPerMeterY());
    result.fill(QColor(background.red(), background.green(), background.blue()));
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    painter.rotate(degrees);
    painter.translate(-image.width() / 2.0, -image.height() / 2.0);
    painter.drawImage(0, 0, image);
    return result;
}

QImage resized(const QImage& image, const QSize& size) {
    if (image.size() == size) {
        return image;
    }
    return inWorkingFormat(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void adjustBrightness(QImage& image, int value) {
    if (value == 0) {
        return;
    }
    const double shift = value * BrightnessLevelsPerStep / 100.0;
    ChannelTable table{};
    for (int level = 0; level < 256; ++level) {
        table[level] = clampedLevel(level + shift);
    }
    applyTable(image, table);
}

void adjustContrast(QImage& image, int value) {
    if (value == 0) {
        return;
    }
    const double steps = value / 100.0;
    const double factor =
        steps >= 0 ? 1.0 + steps * ContrastPerStep : 1.0 / (1.0 - steps * ContrastPerStep);
    ChannelTable table{};
    for (int level = 0; level < 256; ++level) {
        table[level] = clampedLevel(MidGrey + (level - MidGrey) * factor);
    }
    applyTable(image, table);
}

QImage keyedOut(const QImage& image, const QColor& key) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb wanted = key.rgb() & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & RGB_MASK) == wanted) {
                line[x] = 0;
            }
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace PixelOperations
