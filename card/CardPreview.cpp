#include "card/CardPreview.h"

#include "app/AppState.h"
#include "app/Media.h"
#include "platform/PhotoLoader.h"

#include <QPainter>
#include <QTransform>
#include <cmath>

namespace {

// Photos are decoded no larger than this: the hole is a few hundred pixels at most.
constexpr int largestPhotoSide = 2048;

int pixels(qint32 twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(CardPreview::TwipsPerPixel)));
}

QRect pixelRect(const PictureObject& object) {
    return {pixels(object.Left), pixels(object.Top), pixels(object.Width), pixels(object.Height)};
}

// The hole of a screen mask (black where the photo shows) as an alpha channel of the frame's
// size, and the hole's bounding box.
struct Hole {
    QImage alpha;
    QRect bounds;
};

Hole holeOf(const QImage& mask, QSize frameSize) {
    QImage grey = mask.convertToFormat(QImage::Format_Grayscale8);
    if (grey.size() != frameSize) {
        grey = grey.scaled(frameSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    Hole hole{QImage(frameSize, QImage::Format_Alpha8), {}};
    int left = frameSize.width();
    int top = frameSize.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        uchar* out = hole.alpha.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            const bool inHole = in[x] < 128;
            out[x] = inHole ? 255 : 0;
            if (inHole) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right >= 0) {
        hole.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    }
    return hole;
}

// The photo turned and scaled to cover the hole's bounding box, centred on it, cut to the hole.
void drawPhoto(QImage& card, const PhotoManager& photo, const QString& templatePath) {
    if (photo.PhotoInProcess.trimmed().isEmpty()) {
        return;
    }
    const QImage mask(NativePath(CardPreview::maskPathOf(templatePath)));
    const PhotoLoader::Result loaded =
        PhotoLoader::load(NativePath(photo.PhotoInProcess.trimmed()), largestPhotoSide);
    if (mask.isNull() || loaded.image.isNull()) {
        return;
    }
    const Hole hole = holeOf(mask, card.size());
    if (hole.bounds.isEmpty()) {
        return;
    }
    const QImage turned = loaded.image.transformed(QTransform().rotate(photo.RotationFactor),
                                                   Qt::SmoothTransformation);
    const double zoom = std::max<int>(photo.ZoomFactor, 1) / 10.0;
    const double scale = std::max(hole.bounds.width() / static_cast<double>(turned.width()),
                                  hole.bounds.height() / static_cast<double>(turned.height())) *
                         zoom;
    const QSizeF shown = QSizeF(turned.size()) * scale;
    const QRectF target(QPointF(hole.bounds.center()) + QPointF(0.5, 0.5) -
                            QPointF(shown.width() / 2, shown.height() / 2),
                        shown);

    QImage layer(card.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::black);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipRect(hole.bounds);
        painter.drawImage(target, turned);
        painter.setClipping(false);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(0, 0, hole.alpha);
    }
    QPainter painter(&card);
    painter.drawImage(0, 0, layer);
}

// Screen clip art shows its white as transparent.
QImage withoutWhite(const QImage& art) {
    QImage clear = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < clear.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
        for (int x = 0; x < clear.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) {
                line[x] = 0;
            }
        }
    }
    return clear;
}

void drawArt(QPainter& painter, const PictureObject& object) {
    const QImage art(NativePath(object.Source));
    if (art.isNull()) {
        return;
    }
    painter.drawImage(pixelRect(object), withoutWhite(art));
}

// Colours are stored as 0x00BBGGRR.
QColor colourOf(qint32 stored) {
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

void drawText(QPainter& painter, const PictureObject& object) {
    if (!object.Text) {
        return;
    }
    QFont font(object.FontName().isEmpty() ? QStringLiteral("Arial") : object.FontName());
    // Points at 96 dots per inch.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(object.FontSize() * 4 / 3))));
    font.setBold(object.FontBold());
    font.setItalic(object.FontItalic());
    painter.setFont(font);
    painter.setPen(colourOf(object.Color));
    const int lineHeight =
        object.LineHeight > 0 ? pixels(object.LineHeight) : painter.fontMetrics().height();
    const int width = std::max(pixels(object.BitmapWidth), 1);
    const Qt::Alignment alignment = object.Align == 6   ? Qt::AlignRight
                                    : object.Align == 3 ? Qt::AlignHCenter
                                                        : Qt::AlignLeft;
    // The object's picture lies inside a one-pixel border.
    QPoint origin(pixels(object.Left) + 1, pixels(object.Top) + 1);
    for (const QString& stored : *object.Text) {
        const QString line = stored.section(App().LineEndMarker, 0, 0);
        painter.drawText(QRect(origin, QSize(width, lineHeight)),
                         alignment | Qt::AlignTop | Qt::TextDontClip, line);
        origin.ry() += lineHeight;
    }
}

} // namespace

QString CardPreview::maskPathOf(const QString& templatePath) {
    const QString path = templatePath.trimmed();
    return path.left(path.size() - 5) + QStringLiteral("t.bmp");
}

QImage CardPreview::render(const QString& templatePath, const PhotoManager& photo,
                           const PictureObjects& objects) {
    const QImage frame(NativePath(templatePath));
    if (frame.isNull()) {
        return {};
    }
    QImage picture = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    drawPhoto(picture, photo, templatePath);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (const PictureObjects::Pointer& object : objects) {
        if (object->PictureType == PictureObject::ArtObject) {
            drawArt(painter, *object);
        } else if (object->PictureType == PictureObject::TextObject) {
            drawText(painter, *object);
        }
    }
    painter.end();
    return picture.convertToFormat(QImage::Format_RGB32);
}
