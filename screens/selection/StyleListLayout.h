#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <QVector>

// Where the style names of the style screen stand, in twips: up to nine rows on the first page
// and nine more on the second. A name too wide for one line wraps and pushes the later rows
// down, so a click is mapped to a row by the rows' actual tops.
class StyleListLayout {
public:
    static constexpr int MaximumStyles = 18;
    static constexpr int FirstPageRows = 9;
    static constexpr int FirstRowTop = 1320;
    static constexpr int RowLeft = 225;
    static constexpr int RowWidth = 1740;
    static constexpr int RowHeight = 315;
    static constexpr int RowPitch = 495;
    // Names wider than this, measured in the bold measuring font, wrap; the row grows by as
    // many lines as the name then needs.
    static constexpr int WrapWidth = 1650;
    // The second page's first row, inside the page.
    static constexpr int SecondPageFirstTop = 600;

    struct Row {
        QString name;
        int top = 0; // on the first page: in the screen; on the second: in the page
        int height = RowHeight;
    };

    StyleListLayout() = default;
    // nextArrowTop: the first page's rows are clicked no lower than the next-page arrow.
    StyleListLayout(const QStringList& names, const QFont& measuringFont, int nextArrowTop);

    int count() const { return static_cast<int>(rows.size()); }
    const Row& row(int index) const { return rows[index]; }
    // The second page exists when the first cannot hold every style. (Nine styles all fit on
    // the first page; a page of its own for none of them would be empty.)
    bool hasSecondPage() const { return count() > FirstPageRows; }
    int lastFirstPageRow() const { return hasSecondPage() ? FirstPageRows - 1 : count() - 1; }
    static bool onSecondPage(int index) { return index >= FirstPageRows; }

    // The click catchers: the first in the screen, the second in the second page.
    QRect firstPageCatcher() const;
    QRect secondPageCatcher(int pageWidth) const;

    // The row a click at height y (the same coordinates as the page's rows) chooses: the last
    // row of the page whose top is at or above y, else the page's first row. -1 when the page
    // has no rows.
    int rowAt(bool secondPage, int y) const;

private:
    QVector<Row> rows;
    int arrowTop = 0;
};
