#pragma once

#include <QImage>
#include <QString>

// The three pictures of one piece of clip art: the screen picture on white, the print picture
// on white at about 300 dpi and the print mask (black where the art is solid).
struct ClipArtImages {
    QImage screen;
    QImage print;
    QImage mask;

    // Makes the three from art painted on a transparent print-sized canvas: crops to the
    // art, shrinks the screen picture by the print-to-screen factor and keeps pure white out
    // of the art so that the editor does not see through it.
    static ClipArtImages fromPrintArt(const QImage& transparentArt);
    // Writes stem + "s.bmp", "b.jpg", "m.bmp".
    bool save(const QString& stemPath) const;
};

// Print pixels per screen pixel: 300 dpi print pictures for a 96 dpi screen card area that is
// 4.84 inches wide for a 7 inch card.
constexpr double kPrintPerScreen = 4.5;
