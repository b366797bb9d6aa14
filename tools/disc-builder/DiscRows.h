#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The catalogue rows that describe the pictures of the disc. Paths are below the graphics
// folder, start with "\" and use "\" separators, as the catalogue stores them.
struct OccasionRow {
    QString id;   // also the name of the occasion's column in "Styles" and "Art"
    QString name;
};

struct StyleRow {
    QString id;
    QString name;
    bool visible = true;
    QStringList occasionIds; // the occasions this style belongs to
};

struct FrameRow {
    QString id;      // starts with the layout code: F1, F2, F3, F5, F6, F7
    QString styleId;
    QString path;    // the screen picture, e.g. "\Birthday\Balloons\F1BALs.bmp"
};

struct ArtRow {
    QString styleId;
    QString stem;            // e.g. "\Birthday\Balloons\cake"; stem + "s.bmp" is the screen picture
    QStringList occasionIds; // the occasions this art belongs to
};

struct DiscRows {
    QVector<OccasionRow> occasions;
    QVector<StyleRow> styles;
    QVector<FrameRow> frames;
    QVector<ArtRow> art;
};
