#pragma once

#include "card/PhotoManager.h"
#include "card/PictureObjects.h"

#include <QString>
#include <memory>

// What the demonstration needs of a card to draw it: the frame's screen picture, the photo and
// the objects, as the card file and the catalogue give them.
struct SampleCard {
    QString file;
    QString occasionName;
    QString templatePath;
    PhotoManager photo;
    std::shared_ptr<PictureObjects> objects = std::make_shared<PictureObjects>();
};
