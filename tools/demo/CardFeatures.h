#pragma once

#include "tools/demo/SampleCard.h"

#include <QSize>

// What a sample card shows off, so that each slide can explain something new.
struct CardFeatures {
    bool photo = false;
    bool clipArt = false;
    bool sentiment = false;
    bool text = false;
    bool portrait = false;

    static CardFeatures of(const SampleCard& card, QSize pictureSize);
};
