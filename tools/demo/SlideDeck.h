#pragma once

#include "tools/demo/CardFeatures.h"
#include "tools/demo/Slide.h"

#include <QImage>
#include <QString>
#include <QVector>

// A sample card as drawn for the show.
struct SampleShot {
    QImage picture;
    CardFeatures features;
    QString occasionName;
};

// Puts the show together: the title slide, one slide per sample card, and printing last. The
// cards are ordered so that each of the first slides explains something new (the photo, clip
// art, sentiments, text, tall and wide cards); cards left over show the range of occasions.
class SlideDeck {
public:
    static QVector<Slide> build(const QVector<SampleShot>& shots);
};
