#pragma once

#include "tools/demo/Slide.h"

#include <QImage>
#include <QSize>

// Paints a whole slide: the soft background, the heading, the picture and the caption.
class SlidePainter {
public:
    static constexpr QSize Size{720, 480};

    static QImage paint(const Slide& slide);
};
