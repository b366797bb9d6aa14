#pragma once

#include <QColor>
#include <QString>
#include <QVector>

// Colours of one style: the card paper, the decorations, the mount and the inside of the
// photo hole.
struct Palette {
    QColor paperTop;
    QColor paperBottom;
    QColor primary;
    QColor secondary;
    QColor accent;
    QColor mat;
    QColor hole;
};

enum class BorderKind {
    Confetti,
    Dots,
    Scallops,
    Holly,
    Stars,
    Vines,
    Ribbon,
    Stripes,
    Hearts,
    Snowflakes,
    Leaves,
    Checks
};

enum class Backdrop { Plain, PolkaDots, Stripes, Sparkles, Rays, Snow, NightSky, Gingham, Hills };

enum class HoleShape { Rounded, Oval, Heart, Arch, Scalloped, Ticket };

struct Motif {
    QString subject;
    QColor tint;
};

// Everything that makes the six frames of a style look alike.
struct FrameTheme {
    Palette palette;
    BorderKind border = BorderKind::Dots;
    Backdrop backdrop = Backdrop::Plain;
    HoleShape landscapeHoles[2] = {HoleShape::Rounded, HoleShape::Oval}; // F1, F2
    HoleShape portraitHoles[2] = {HoleShape::Arch, HoleShape::Oval};     // F5, F6
    QVector<Motif> motifs;
};
