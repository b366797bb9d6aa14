#include "platform/ImageRegion.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uchar inside = 255;

} // namespace

ImageRegion ImageRegion::fromColor(const QImage& image, QRgb rgb) {
    const QImage pixels = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = rgb & RGB_MASK;
    int left = pixels.width();
    int right = -1;
    int top = pixels.height();
    int bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if ((line[x] & RGB_MASK) == wanted) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    const QRect box(QPoint(left, top), QPoint(right, bottom));
    QImage mask(box.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < box.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(box.top() + y));
        uchar* out = mask.scanLine(y);
        for (int x = 0; x < box.width(); ++x) {
            out[x] = (line[box.left() + x] & RGB_MASK) == wanted ? inside : 0;
        }
    }
    return {box, mask};
}

ImageRegion ImageRegion::fromRect(const QRect& rect, const QSize& imageSize) {
    const QRect box = rect.intersected(QRect(QPoint(0, 0), imageSize));
    if (box.isEmpty()) {
        return {};
    }
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(inside);
    return {box, mask};
}

ImageRegion ImageRegion::translated(int dx, int dy, const QSize& imageSize) const {
    const QRect moved = box.translated(dx, dy);
    const QRect kept = moved.intersected(QRect(QPoint(0, 0), imageSize));
    if (kept.isEmpty()) {
        return {};
    }
    return tightened(kept, mask.copy(kept.translated(-moved.topLeft())));
}

ImageRegion ImageRegion::tightened(const QRect& box, const QImage& mask) {
    int left = mask.width();
    int right = -1;
    int top = mask.height();
    int bottom = -1;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            if (line[x] == inside) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    const QRect used(QPoint(left, top), QPoint(right, bottom));
    if (used.size() == mask.size()) {
        return {box, mask};
    }
    return {used.translated(box.topLeft()), mask.copy(used)};
}

bool ImageRegion::contains(int x, int y) const {
    if (!box.contains(x, y)) {
        return false;
    }
    return mask.constScanLine(y - box.top())[x - box.left()] == inside;
}

QImage ImageRegion::maskFor(const QRect& area) const {
    QImage result(area.size(), QImage::Format_Grayscale8);
    result.fill(0);
    const QRect overlap = area.intersected(box);
    for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
        const uchar* from = mask.constScanLine(y - box.top()) + (overlap.left() - box.left());
        uchar* to = result.scanLine(y - area.top()) + (overlap.left() - area.left());
        std::memcpy(to, from, static_cast<size_t>(overlap.width()));
    }
    return result;
}
