#pragma once

#include <QString>

class PhotoManager;
class PictureObjects;

// What changing the frame of a card that already holds a photo or art does to them. Frames are
// numbered as the style screen shows them: 0 and 1 landscape picture cards, 2 the landscape blank
// card, 3 and 4 portrait picture cards, 5 the portrait blank card.
class FrameChange {
public:
    static constexpr int FrameCount = 6;

    struct Consequences {
        // The new frame has no photo hole and the old one had.
        bool photoLost = false;
        // The card turns: art beyond the new card's edge would be cut off.
        bool artAtRisk = false;
        bool any() const { return photoLost || artAtRisk; }
    };

    static bool isPortrait(int frame) { return frame >= 3 && frame <= 5; }
    static bool isBlank(int frame) { return frame == 2 || frame == 5; }

    // Each consequence counts only when the card has what it would harm. A frame number outside
    // 0..5 has no consequences.
    static Consequences between(int entryFrame, int newFrame, bool hasPhoto, bool hasArt);

    // The question put to the user, lines joined by CR LF.
    static QString warning(const Consequences& consequences);

    // An object (twips, on the old card) that lies too far out for the new frame's card: its
    // left (portrait) or top (landscape) beyond the new card's edge less a margin, half the
    // object's size but never more than 250 twips.
    static bool fallsOutside(int newFrame, int left, int top, int width, int height);

    // Clears the lost photo and removes the objects that fall outside the new frame.
    static void apply(const Consequences& consequences, int newFrame, PhotoManager* photo,
                      PictureObjects& objects);

    // The editor's card areas, twips: a portrait card's width, a landscape card's height.
    static constexpr int PortraitCardWidth = 2500;
    static constexpr int LandscapeCardHeight = 3495;
};
