#pragma once

#include <QPixmap>
#include <QSize>

// The small pictures of the style screen: the page arrows and the badge behind the chosen style.
class SelectionArt {
public:
    enum class ArrowLook { Normal, Pressed, Greyed };

    // An up or down arrow button, painted at twice its 30 x 26 pixels.
    static QPixmap arrow(bool up, ArrowLook look);
    // The highlight laid behind the chosen style's name.
    static QPixmap badge(const QSize& size);
};
