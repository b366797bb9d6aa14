#pragma once

#include <QPixmap>

// The pictures of the occasion screen's twelve slot buttons, normal and pressed: a coloured tile
// with one picture per slot. They belong to the slots, not to the catalogue, and follow the
// occasions' order on the disc: birthday cake, New Year fireworks, heart, Easter egg, flower for
// mothers, tie for fathers, mortarboard, wedding rings, baby's rattle, pumpkin, turkey and
// Christmas tree.
class OccasionPictures {
public:
    static constexpr int Slots = 12;
    // The pictures are painted at twice the button's 53 pixels, for sharp high-density screens.
    static constexpr int PaintedSize = 106;

    static QPixmap slot(int slot, bool pressed);
};
