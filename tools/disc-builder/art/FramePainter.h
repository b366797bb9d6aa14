#pragma once

#include "tools/disc-builder/art/CardLayout.h"
#include "tools/disc-builder/art/FrameTheme.h"

#include <QImage>
#include <QPainterPath>

// Paints one frame of a style: the card paper, the border, the mount around the photo hole
// and the style's subjects, at any size (everything is drawn in twips and scaled).
class FramePainter {
public:
    FramePainter(const CardLayout& layout, const FrameTheme& theme, int seed);

    QImage picture(const QSize& size) const;
    // Black inside the photo hole, white elsewhere; all white for a blank card.
    QImage mask(const QSize& size) const;
    // The photo hole in twips; empty for a blank card.
    QPainterPath holePath() const;

private:
    struct Placement {
        double x;
        double y;
        double size;
        double turn;
    };

    void paintMount(QPainter& painter) const;
    void paintTextSpace(QPainter& painter) const;
    void paintMotifs(QPainter& painter) const;
    QVector<Placement> placements() const;
    HoleShape holeShape() const;

    CardLayout layout;
    FrameTheme theme;
    int seed;
};
