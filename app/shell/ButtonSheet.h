#pragma once

#include <QImage>
#include <QPixmap>

// The sheet of button pictures that every screen's picture buttons take their looks from: 12 x 6
// cells numbered row by row from 0; the pressed look of the button in cell n is cell n + 12. The
// program paints the sheet itself the first time it is asked for.
class ButtonSheet {
public:
    static constexpr int Columns = 12, Rows = 6, CellWidth = 90, CellHeight = 44;
    static constexpr int PictureLeft = 10, PictureWidth = 70, PictureHeight = 42;

    // The whole sheet, 1080 x 264 pixels; cells that no button uses are transparent.
    static const QImage& sheet();
    // The picture of a cell: 70 x 42 pixels starting 10 pixels right of the cell's left edge,
    // at its top. A null pixmap for a number outside the sheet.
    static QPixmap cell(int number);
};
