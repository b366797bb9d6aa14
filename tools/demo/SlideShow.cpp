#include "tools/demo/SlideShow.h"

#include <algorithm>

SlideShow::SlideShow(int slideCount) : slides(std::max(slideCount, 0)), finished(slides == 0) {}

bool SlideShow::next() {
    if (finished) {
        return false;
    }
    if (isLast()) {
        finished = true;
    } else {
        ++position;
    }
    return true;
}

bool SlideShow::back() {
    if (finished || isFirst()) {
        return false;
    }
    --position;
    return true;
}
