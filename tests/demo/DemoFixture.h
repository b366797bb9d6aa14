#pragma once

#include "card/PictureObjects.h"
#include "tests/common/TestSupport.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// Tiny pictures for drawing a card: a 100 x 50 frame with an oval hole, a photo whose left half
// is red and right half blue, and clip art: a blue square inside a white edge.
namespace DemoPictures {

inline const QColor frameColour{200, 230, 200};
// The hole's bounding box; its centre is (30, 25).
inline const QRect hole{10, 10, 40, 30};
// Where the clip art lands on the card, in pixels, and its blue inside.
inline const QRect artPlace{60, 5, 20, 20};
inline const QRect artInside{64, 9, 12, 12};

inline bool save(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path);
}

// path ends in "s.bmp"; the mask goes beside it, ending in "t.bmp".
inline bool writeFrame(const QString& path) {
    QImage frame(100, 50, QImage::Format_RGB32);
    frame.fill(frameColour);
    QImage mask(frame.size(), QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(hole);
    painter.end();
    return save(frame, path) && save(mask, path.left(path.size() - 5) + QStringLiteral("t.bmp"));
}

inline bool writePhoto(const QString& path) {
    QImage photo(80, 40, QImage::Format_RGB32);
    photo.fill(Qt::red);
    QPainter painter(&photo);
    painter.fillRect(40, 0, 40, 40, Qt::blue);
    painter.end();
    return save(photo, path);
}

inline bool writeArt(const QString& path) {
    QImage art(10, 10, QImage::Format_RGB32);
    art.fill(Qt::white);
    QPainter painter(&art);
    painter.fillRect(2, 2, 6, 6, Qt::blue);
    painter.end();
    return save(art, path);
}

inline void addArt(PictureObjects& objects, qint16 index, const QString& source) {
    objects.Add(index, PictureObject::ArtObject, 0, 0, 150, 150, false, 0, artPlace.left() * 15,
                artPlace.top() * 15, 0, artPlace.width() * 15, artPlace.height() * 15, nullptr, 0,
                nullptr, source, 0, 0);
}

// Red (stored as 0x00BBGGRR) bold letters at (60, 30), 30 x 16 pixels.
inline void addText(PictureObjects& objects, qint16 index) {
    objects.Add(
        index, PictureObject::TextObject, 0, 0, 450, 240, false, 0, 60 * 15, 30 * 15, 1, 480, 270,
        std::make_shared<TextLines>(QStringList{QStringLiteral("HHH")}), 0xFF,
        std::make_shared<CardFont>(CardFont{QStringLiteral("DejaVu Sans"), 10, true, false}),
        QString(), 240, 10);
}

// Whether some pixel inside the rectangle is plainly red.
inline bool hasRed(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() > 180 && colour.green() < 90 && colour.blue() < 90) {
                return true;
            }
        }
    }
    return false;
}

} // namespace DemoPictures
