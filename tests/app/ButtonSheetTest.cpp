#include "app/shell/ButtonSheet.h"

#include <QColor>
#include <QRect>
#include <gtest/gtest.h>
#include <set>

namespace {

struct UsedCell {
    int cell;
    const char* role;
};

// The normal cells the screens show; each one's pressed look is 12 cells further on.
const UsedCell usedCells[] = {
    {0, "Help"},          {1, "OK"},
    {3, "Next"},          {4, "Save"},
    {5, "About"},         {9, "BoxCancel"},
    {10, "PrinterSetup"}, {24, "Cancel"},
    {25, "MainMenu"},     {26, "Back"},
    {27, "PrintCards"},   {28, "Print"},
    {29, "PrintTest"},    {32, "Yes"},
    {33, "No"},           {34, "BoxOK"},
    {48, "OccasionHelp"}, {49, "OccasionCancel"},
    {50, "Exit"},         {51, "Done"},
    {52, "ToolsCancel"},
};

constexpr int cellCount = ButtonSheet::Columns * ButtonSheet::Rows;

QRect cellArea(int cell) {
    return QRect((cell % ButtonSheet::Columns) * ButtonSheet::CellWidth,
                 (cell / ButtonSheet::Columns) * ButtonSheet::CellHeight, ButtonSheet::CellWidth,
                 ButtonSheet::CellHeight);
}

QRect pictureArea(int cell) {
    return QRect(cellArea(cell).topLeft() + QPoint(ButtonSheet::PictureLeft, 0),
                 QSize(ButtonSheet::PictureWidth, ButtonSheet::PictureHeight));
}

QImage plain(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage& image) {
    const QImage pixels = plain(image);
    int count = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            count += qAlpha(pixels.pixel(x, y)) == 255;
        }
    }
    return count;
}

bool transparent(const QImage& image) {
    const QImage pixels = plain(image);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(pixels.pixel(x, y)) != 0) {
                return false;
            }
        }
    }
    return true;
}

int firstOpaqueRow(const QImage& image) {
    const QImage pixels = plain(image);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(pixels.pixel(x, y)) == 255) {
                return y;
            }
        }
    }
    return -1;
}

double meanLightness(const QImage& image) {
    const QImage pixels = plain(image);
    double sum = 0;
    int count = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb pixel = pixels.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                sum += qGray(pixel);
                ++count;
            }
        }
    }
    return count ? sum / count : 0;
}

TEST(ButtonSheet, SheetIsTwelveBySixCellsOfNinetyByFortyFour) {
    const QImage& sheet = ButtonSheet::sheet();
    EXPECT_EQ(sheet.size(), QSize(1080, 264));
    EXPECT_TRUE(sheet.hasAlphaChannel());
    EXPECT_EQ(&sheet, &ButtonSheet::sheet());
}

class UsedButton : public ::testing::TestWithParam<UsedCell> {};

TEST_P(UsedButton, NormalAndPressedLooksArePaintedAndDiffer) {
    const int cell = GetParam().cell;
    const QImage normal = ButtonSheet::cell(cell).toImage();
    const QImage pressed = ButtonSheet::cell(cell + 12).toImage();
    ASSERT_EQ(normal.size(), QSize(70, 42));
    ASSERT_EQ(pressed.size(), QSize(70, 42));
    // A whole button face, not a speck.
    EXPECT_GT(opaquePixels(normal), 70 * 42 / 2);
    EXPECT_GT(opaquePixels(pressed), 70 * 42 / 2);
    EXPECT_NE(plain(normal), plain(pressed));
}

TEST_P(UsedButton, PressedLookSinksAndDarkens) {
    const int cell = GetParam().cell;
    const QImage normal = ButtonSheet::cell(cell).toImage();
    const QImage pressed = ButtonSheet::cell(cell + 12).toImage();
    EXPECT_GT(firstOpaqueRow(pressed), firstOpaqueRow(normal));
    EXPECT_LT(meanLightness(pressed), meanLightness(normal) - 10);
}

TEST_P(UsedButton, PaintingStaysInsideTheRowsEveryScreenShows) {
    const QImage& sheet = ButtonSheet::sheet();
    for (int cell : {GetParam().cell, GetParam().cell + 12}) {
        SCOPED_TRACE(cell);
        const QRect whole = cellArea(cell);
        const QRect picture = pictureArea(cell);
        EXPECT_TRUE(transparent(
            sheet.copy(whole.left(), whole.top(), ButtonSheet::PictureLeft, whole.height())));
        EXPECT_TRUE(transparent(sheet.copy(picture.right() + 1, whole.top(),
                                           whole.right() - picture.right(), whole.height())));
        EXPECT_TRUE(transparent(sheet.copy(picture.left(), picture.bottom() + 1, picture.width(),
                                           whole.bottom() - picture.bottom())));
        // The occasion screen shows its buttons without the cell's top three rows.
        EXPECT_TRUE(transparent(sheet.copy(picture.left(), picture.top(), picture.width(), 3)));
    }
}

INSTANTIATE_TEST_SUITE_P(ButtonSheet, UsedButton, ::testing::ValuesIn(usedCells),
                         [](const ::testing::TestParamInfo<UsedCell>& info) {
                             return std::string(info.param.role) + "Cell" +
                                    std::to_string(info.param.cell);
                         });

TEST(ButtonSheet, CellsNoButtonUsesStayTransparent) {
    std::set<int> painted;
    for (const UsedCell& used : usedCells) {
        painted.insert(used.cell);
        painted.insert(used.cell + 12);
    }
    const QImage& sheet = ButtonSheet::sheet();
    int empty = 0;
    for (int cell = 0; cell < cellCount; ++cell) {
        if (painted.count(cell) == 0) {
            SCOPED_TRACE(cell);
            EXPECT_TRUE(transparent(sheet.copy(cellArea(cell))));
            ++empty;
        }
    }
    EXPECT_EQ(empty, cellCount - 2 * int(std::size(usedCells)));
}

TEST(ButtonSheet, CellCutsItsPictureOutOfTheSheet) {
    const QImage& sheet = ButtonSheet::sheet();
    // First and last cell, a cell of the last column, and a painted one in the middle.
    for (int cell : {0, 11, 46, 71}) {
        SCOPED_TRACE(cell);
        const QImage expected = plain(sheet.copy(pictureArea(cell)));
        EXPECT_EQ(plain(ButtonSheet::cell(cell).toImage()), expected);
    }
    EXPECT_EQ(pictureArea(46).topLeft(), QPoint(10 * 90 + 10, 3 * 44));
}

TEST(ButtonSheet, NumbersOutsideTheSheetGiveNoPicture) {
    EXPECT_TRUE(ButtonSheet::cell(-1).isNull());
    EXPECT_TRUE(ButtonSheet::cell(cellCount).isNull());
}

} // namespace
