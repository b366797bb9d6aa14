#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The disc's sample "photos": painted scenes at camera sizes, for the sample cards and for users
// who have no photo at hand.
class SamplePhotos {
public:
    enum Scene { BeachSunset, Garden, BirthdayTable, SnowyEvening, Puppy };

    static QImage paint(Scene scene, const QSize& size);
    // The file name on the disc, e.g. "Beach Sunset.jpg".
    static QString fileName(Scene scene);
    // Landscape scenes are 1600 x 1200, portrait ones 1200 x 1600.
    static QSize cameraSize(Scene scene);
};
