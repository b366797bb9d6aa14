#pragma once

#include "card/PhotoManager.h"
#include "card/PictureObjects.h"

#include <QImage>
#include <QString>

// Draws a card the simple way, at screen size: the frame's screen picture, the photo in the
// frame's hole, then the clip art and text in stacking order. A preview, not the editor: the
// photo covers the hole centred (turned and zoomed as the card says).
class CardPreview {
public:
    // Null when the frame's picture cannot be read.
    static QImage render(const QString& templatePath, const PhotoManager& photo,
                         const PictureObjects& objects);

    // The frame's screen mask: the picture's path with its last five characters ("s.bmp")
    // replaced by "t.bmp".
    static QString maskPathOf(const QString& templatePath);

    static constexpr int TwipsPerPixel = 15;
};
