#include "screens/selection/StyleListLayout.h"

#include "app/shell/Twips.h"
#include "platform/FontSystem.h"
#include "screens/selection/SelectionFonts.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

constexpr int arrowTop = 6150;
const QString longName = QStringLiteral("Rainbow Sprinkles and Streamers");
const QString veryLongName = QStringLiteral("Rainbow Sprinkles, Streamers and Party Hats for All");

QStringList names(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) {
        list.append(QStringLiteral("Style %1").arg(i));
    }
    return list;
}

class StyleListLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { FontSystem::installSubstitutes(); }

    StyleListLayout layoutOf(const QStringList& list) const {
        return StyleListLayout(list, SelectionFonts::styleLabels(true), arrowTop);
    }
    int lineHeight() const {
        return Twips::fromPixels(QFontMetrics(SelectionFonts::styleLabels(true)).height());
    }
};

} // namespace

TEST_F(StyleListLayoutTest, ShortNamesStandOneRowPitchApart) {
    const StyleListLayout layout = layoutOf(names(5));
    ASSERT_EQ(layout.count(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(layout.row(row).top,
                  StyleListLayout::FirstRowTop + row * StyleListLayout::RowPitch);
        EXPECT_EQ(layout.row(row).height, StyleListLayout::RowHeight);
    }
}

TEST_F(StyleListLayoutTest, ALongNameGrowsByTheLinesItNeedsAndPushesTheLaterRowsDown) {
    ASSERT_GT(QFontMetrics(SelectionFonts::styleLabels(true)).horizontalAdvance(longName),
              Twips::toPixels(StyleListLayout::WrapWidth));
    QStringList list = names(4);
    list[1] = longName;
    list[2] = veryLongName;
    const StyleListLayout layout = layoutOf(list);
    const int line = lineHeight();

    EXPECT_EQ(layout.row(1).height, StyleListLayout::RowHeight + line);
    EXPECT_EQ(layout.row(2).top, layout.row(1).top + StyleListLayout::RowPitch + line);
    EXPECT_EQ(layout.row(2).height, StyleListLayout::RowHeight + 2 * line);
    EXPECT_EQ(layout.row(3).top, layout.row(2).top + StyleListLayout::RowPitch + 2 * line);
}

TEST_F(StyleListLayoutTest, ClicksChooseTheLastRowWhoseTopIsAtOrAboveThem) {
    QStringList list = names(6);
    list[1] = longName;
    const StyleListLayout layout = layoutOf(list);
    const int secondLineOfRow1 = layout.row(1).top + StyleListLayout::RowHeight + 10;
    ASSERT_LT(secondLineOfRow1, layout.row(2).top);

    EXPECT_EQ(layout.rowAt(false, 0), 0);
    EXPECT_EQ(layout.rowAt(false, layout.row(1).top - 1), 0);
    EXPECT_EQ(layout.rowAt(false, layout.row(1).top), 1);
    EXPECT_EQ(layout.rowAt(false, secondLineOfRow1), 1);
    EXPECT_EQ(layout.rowAt(false, layout.row(2).top), 2);
    EXPECT_EQ(layout.rowAt(false, 99999), 5);
}

TEST_F(StyleListLayoutTest, TheSecondPageHoldsTheStylesBeyondNine) {
    struct Case {
        int styles;
        bool secondPage;
        int lastFirstPageRow;
    };
    for (const Case& c : {Case{8, false, 7}, Case{9, false, 8}, Case{10, true, 8},
                          Case{18, true, 8}, Case{19, true, 8}}) {
        const StyleListLayout layout = layoutOf(names(c.styles));
        EXPECT_EQ(layout.hasSecondPage(), c.secondPage) << c.styles;
        EXPECT_EQ(layout.lastFirstPageRow(), c.lastFirstPageRow) << c.styles;
        EXPECT_EQ(layout.count(), std::min(c.styles, StyleListLayout::MaximumStyles)) << c.styles;
    }
}

TEST_F(StyleListLayoutTest, TheSecondPageStartsItsRowsAtTheTopOfThePage) {
    QStringList list = names(14);
    list[3] = longName;
    const StyleListLayout layout = layoutOf(list);
    EXPECT_EQ(layout.row(9).top, StyleListLayout::SecondPageFirstTop);
    EXPECT_EQ(layout.row(13).top,
              StyleListLayout::SecondPageFirstTop + 4 * StyleListLayout::RowPitch);

    EXPECT_EQ(layout.rowAt(true, 0), 9);
    EXPECT_EQ(layout.rowAt(true, layout.row(11).top), 11);
    EXPECT_EQ(layout.rowAt(true, 99999), 13);
    EXPECT_EQ(layout.rowAt(false, 99999), 8);

    const QRect second = layout.secondPageCatcher(2295);
    EXPECT_EQ(second, QRect(0, StyleListLayout::SecondPageFirstTop, 2295,
                            layout.row(13).top + layout.row(13).height));
}

TEST_F(StyleListLayoutTest, TheFirstPageCatcherStopsAtTheNextPageArrow) {
    const StyleListLayout few = layoutOf(names(3));
    EXPECT_EQ(few.firstPageCatcher(),
              QRect(StyleListLayout::RowLeft, StyleListLayout::FirstRowTop - 60,
                    StyleListLayout::RowWidth,
                    few.row(2).top + few.row(2).height - (StyleListLayout::FirstRowTop - 60)));

    QStringList crowded = names(12);
    crowded[0] = veryLongName;
    crowded[4] = veryLongName;
    const StyleListLayout full = layoutOf(crowded);
    ASSERT_GT(full.row(8).top + full.row(8).height, arrowTop);
    EXPECT_EQ(full.firstPageCatcher().bottom() + 1, arrowTop);
    EXPECT_TRUE(layoutOf({}).firstPageCatcher().isEmpty());
}
