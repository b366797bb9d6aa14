#pragma once

// Where the slideshow stands: which slide shows, and whether the show has ended. The show ends
// when it is moved on from its last slide, or when it is closed.
class SlideShow {
public:
    explicit SlideShow(int slideCount);

    int count() const { return slides; }
    int current() const { return position; }
    bool isFinished() const { return finished; }
    bool isFirst() const { return position == 0; }
    bool isLast() const { return position == slides - 1; }

    // The next slide; on the last slide the show ends instead. True when something changed.
    bool next();
    // The slide before; nothing on the first slide. True when something changed.
    bool back();
    void finish() { finished = true; }

private:
    int slides;
    int position = 0;
    bool finished;
};
