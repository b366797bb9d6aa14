#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// Screens are laid out in twips (1440 per inch); one logical pixel is 15 twips both ways.
namespace Twips {

constexpr int PerPixel = 15;

inline int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(PerPixel)));
}
inline int fromPixels(int pixels) {
    return pixels * PerPixel;
}
inline QSize size(int width, int height) {
    return {toPixels(width), toPixels(height)};
}
inline QPoint point(int left, int top) {
    return {toPixels(left), toPixels(top)};
}
inline QRect rect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
