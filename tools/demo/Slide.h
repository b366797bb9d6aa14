#pragma once

#include <QImage>
#include <QString>

// One slide of the demonstration: what it is about, its words and its picture.
struct Slide {
    enum Topic { Title, Photo, ClipArt, Sentiment, Text, Orientation, Occasion, Printing };

    Topic topic = Title;
    QString heading;
    QString caption;
    // Null for a slide without a picture.
    QImage picture;
};
