#pragma once

#include "tools/demo/Slide.h"
#include "tools/demo/SlideShow.h"

#include <QPixmap>
#include <QTimer>
#include <QVector>
#include <QWidget>

class QPushButton;

// The demonstration's window: one slide at a time, cross-faded, with Back, Next and Close and the
// keys Left, Right and Escape. With the timer on, each slide moves on by itself after slideMs;
// the window closes after the last slide or on Close.
class SlideWindow : public QWidget {
    Q_OBJECT
public:
    SlideWindow(const QVector<Slide>& slides, int slideMs, bool timer);

    const SlideShow& slideShow() const { return slideshow; }
    // Between 0 (the previous slide) and 1 (the current slide fully shown).
    double fadeProgress() const { return fade; }

    void goNext();
    void goBack();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows the current slide, fading over from the slide numbered fadeFrom (-1: no fade).
    void showCurrent(int fadeFrom);
    void stepFade();

    QVector<QPixmap> pictures;
    SlideShow slideshow;
    QPixmap previous;
    double fade = 1.0;
    bool timed;
    QTimer advance;
    QTimer fading;
    QPushButton* backButton;
    QPushButton* nextButton;
    QPushButton* closeButton;
};
