#include "tools/disc-builder/art/ClipArtImages.h"

#include "tools/disc-builder/art/PictureFiles.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr int kSolidAlpha = 128;
constexpr int kMarginScreenPixels = 1;

QRect opaqueBounds(const QImage& art) {
    int left = art.width();
    int top = art.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < art.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        for (int x = 0; x < art.width(); ++x) {
            if (qAlpha(row[x]) > 8) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage onWhite(const QImage& art) {
    QImage result(art.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    painter.drawImage(0, 0, art);
    return result;
}

// Pixels that belong to the art but came out pure white would vanish on the screen.
void keepWhiteOutOfArt(QImage& screen, const QImage& art) {
    for (int y = 0; y < screen.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(screen.scanLine(y));
        const QRgb* alpha = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if (qAlpha(alpha[x]) > 0 && (row[x] & 0xffffff) == 0xffffff) {
                row[x] = qRgb(250, 250, 250);
            }
        }
    }
}

} // namespace

ClipArtImages ClipArtImages::fromPrintArt(const QImage& transparentArt) {
    const QImage art = transparentArt.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int margin = int(std::ceil(kMarginScreenPixels * kPrintPerScreen));
    const QRect crop = opaqueBounds(art).adjusted(-margin, -margin, margin, margin);
    const QImage printArt = art.copy(crop);

    const QSize screenSize(qMax(1, int(std::lround(printArt.width() / kPrintPerScreen))),
                           qMax(1, int(std::lround(printArt.height() / kPrintPerScreen))));
    const QImage screenArt =
        printArt.scaled(screenSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    ClipArtImages images;
    images.print = onWhite(printArt);
    images.screen = onWhite(screenArt);
    keepWhiteOutOfArt(images.screen, screenArt);
    images.mask = QImage(printArt.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < printArt.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(printArt.constScanLine(y));
        uchar* out = images.mask.scanLine(y);
        for (int x = 0; x < printArt.width(); ++x) {
            out[x] = qAlpha(row[x]) >= kSolidAlpha ? 0 : 255;
        }
    }
    return images;
}

bool ClipArtImages::save(const QString& stemPath) const {
    return PictureFiles::saveScreenPicture(screen, stemPath + "s.bmp") &&
           PictureFiles::savePrintPicture(print, stemPath + "b.jpg") &&
           PictureFiles::saveMask(mask, stemPath + "m.bmp");
}
