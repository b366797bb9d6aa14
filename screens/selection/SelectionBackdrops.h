#pragma once

#include <QPixmap>
#include <QPoint>
#include <QSize>

// The background artwork of the occasion and style screens: light lavender paper with party
// decorations, and soft panels where the screens' lists and pictures stand.
class SelectionBackdrops {
public:
    static QPixmap occasionScreen(const QSize& size);
    static QPixmap designScreen(const QSize& size);
    // The style screen's second style page, which lies over the screen at pageOrigin.
    static QPixmap secondStylePage(const QSize& screenSize, const QPoint& pageOrigin,
                                   const QSize& pageSize);
};
