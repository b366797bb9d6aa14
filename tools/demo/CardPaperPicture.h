#pragma once

#include <QImage>

// A sheet of perforated card paper with a card printed on it three times, one under the other,
// and one card torn off beside it. The sheet is US Letter (8.5 x 11 inches) holding three cards
// of 7 x 3.5 inches; a tall card lies on its side, turned a quarter turn anticlockwise.
class CardPaperPicture {
public:
    static QImage render(const QImage& card, bool portrait);
};
