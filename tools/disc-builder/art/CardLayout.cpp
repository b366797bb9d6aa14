#include "tools/disc-builder/art/CardLayout.h"

#include <cmath>

namespace {

constexpr double kTwipsPerScreenPixel = 15.0;
constexpr QSizeF kLandscapeCard(6975, 3495);
constexpr QSizeF kPortraitCard(2500, 5100);
constexpr QSize kLandscapePrint(2100, 1050); // 7 x 3.5 inches at 300 dpi
constexpr QSize kPortraitPrint(1050, 2100);

} // namespace

QSizeF CardLayout::scaleFor(const QSize& imageSize) const {
    if (imageSize == screenSize) {
        return {1.0 / kTwipsPerScreenPixel, 1.0 / kTwipsPerScreenPixel};
    }
    return {imageSize.width() / cardTwips.width(), imageSize.height() / cardTwips.height()};
}

QRect CardLayout::holePixels(const QSize& imageSize) const {
    if (!hasHole()) {
        return {};
    }
    const QSizeF scale = scaleFor(imageSize);
    const int left = int(std::ceil(holeTwips.left() * scale.width() - 1e-9));
    const int top = int(std::ceil(holeTwips.top() * scale.height() - 1e-9));
    const int right = int(std::floor(holeTwips.right() * scale.width() + 1e-9));
    const int bottom = int(std::floor(holeTwips.bottom() * scale.height() + 1e-9));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

CardLayout CardLayout::forCode(const QString& code) {
    CardLayout layout;
    layout.code = code;
    const bool portrait = code == "F5" || code == "F6" || code == "F7";
    layout.cardTwips = portrait ? kPortraitCard : kLandscapeCard;
    layout.screenSize = QSize(int(std::ceil(layout.cardTwips.width() / kTwipsPerScreenPixel)),
                              int(std::ceil(layout.cardTwips.height() / kTwipsPerScreenPixel)));
    layout.printSize = portrait ? kPortraitPrint : kLandscapePrint;
    if (code == "F1") {
        layout.holeTwips = QRectF(735, 675, 3210, 2030);
    } else if (code == "F2") {
        layout.holeTwips = QRectF(660, 585, 2325, 2175);
    } else if (code == "F5") {
        layout.holeTwips = QRectF(525, 525, 1470, 2325);
    } else if (code == "F6") {
        layout.holeTwips = QRectF(450, 465, 1605, 1740);
    }
    return layout;
}

QStringList CardLayout::codes() {
    return {"F1", "F2", "F3", "F5", "F6", "F7"};
}
