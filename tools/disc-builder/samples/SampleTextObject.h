#pragma once

#include "card/PictureObject.h"

#include <QColor>
#include <QStringList>
#include <memory>

// A text object as the editor's text dialog makes it: the lines (every line but the last ended
// with Enter), the font, the colour and the alignment, measured at 96 dots per inch so that its
// block and line height are those the editor computes.
struct SampleText {
    QStringList lines;
    QString font;
    float size = 12;
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
    // 0 left, 3 centred, 6 right.
    qint16 align = 3;
};

// The object with its size; Left and Top still 0.
std::shared_ptr<PictureObject> MakeTextObject(const SampleText& text);
