#include "app/shell/TsMsgBox.h"
#include "app/Texts.h"
#include "app/shell/PictureButton.h"
#include "app/shell/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `act` on the message box once it is shown, and returns Display's result.
int displayAndAct(const QString& message, int buttons, std::function<void(TsMsgBox*)> act,
                  QString* caption = nullptr) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<TsMsgBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (caption != nullptr) {
            *caption = box->windowTitle();
        }
        act(box);
    });
    return TsMsgBox::Display(message, buttons, QString());
}

void clickButton(TsMsgBox* box, int position) {
    QTest::mouseClick(box->visibleButtons().at(position), Qt::LeftButton);
}

} // namespace

TEST(TsMsgBox, OkBoxWithDefaultCaptionReturnsOne) {
    QString caption;
    const int result = displayAndAct(
        QStringLiteral("Saved."), 0,
        [](TsMsgBox* box) {
            ASSERT_EQ(box->visibleButtons().size(), 1);
            EXPECT_EQ(box->visibleButtons()[0]->cell(), 34);
            clickButton(box, 0);
        },
        &caption);
    EXPECT_EQ(result, TsMsgBox::OK);
    EXPECT_EQ(caption, Texts::at(2001));
}

struct KeyCase {
    int buttons;
    int key;
    int expected; // 0: the key does nothing
};

class TsMsgBoxKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TsMsgBoxKeys, KeysAnswerOnlyInTheirButtonSets) {
    const KeyCase c = GetParam();
    const int result = displayAndAct(QStringLiteral("Question?"), c.buttons, [c](TsMsgBox* box) {
        QTest::keyClick(box, static_cast<Qt::Key>(c.key));
        if (box->isVisible()) {
            // The key did nothing: close with the first button so the test ends.
            EXPECT_EQ(c.expected, 0);
            clickButton(box, 0);
        }
    });
    if (c.expected != 0) {
        EXPECT_EQ(result, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllSets, TsMsgBoxKeys,
    ::testing::Values(KeyCase{52, Qt::Key_Y, 6}, KeyCase{52, Qt::Key_N, 7},
                      KeyCase{52, Qt::Key_Return, 0}, KeyCase{4, Qt::Key_Escape, 0},
                      KeyCase{3, Qt::Key_Escape, 2}, KeyCase{3, Qt::Key_N, 7},
                      KeyCase{1, Qt::Key_Escape, 2}, KeyCase{1, Qt::Key_Return, 1},
                      KeyCase{0, Qt::Key_Return, 1}, KeyCase{0, Qt::Key_Escape, 0},
                      KeyCase{0, Qt::Key_Y, 0}, KeyCase{1, Qt::Key_Y, 0}));

TEST(TsMsgBox, ButtonSetsShowTheirPicturesLeftToRight) {
    const struct {
        int buttons;
        QVector<int> cells;
    } cases[] = {{0, {34}},     {1, {34, 9}},   {3, {32, 33, 9}},
                 {4, {32, 33}}, {52, {32, 33}}, {49, {34, 9}}};
    for (const auto& c : cases) {
        TsMsgBox box(QStringLiteral("x"), c.buttons, QString());
        QVector<int> cells;
        int lastLeft = -1;
        for (PictureButton* button : box.visibleButtons()) {
            cells.append(button->cell());
            EXPECT_GT(button->x(), lastLeft);
            lastLeft = button->x();
            EXPECT_EQ(button->size(), Twips::size(1050, 630));
            EXPECT_EQ(button->geometry().bottom(), box.height() - 1);
        }
        EXPECT_EQ(cells, c.cells) << c.buttons;
    }
}

TEST(TsMsgBox, ClosingByOtherMeansIsRefused) {
    const int result = displayAndAct(QStringLiteral("Stay"), 4, [](TsMsgBox* box) {
        box->close();
        EXPECT_TRUE(box->isVisible());
        clickButton(box, 1);
    });
    EXPECT_EQ(result, TsMsgBox::No);
}

TEST(TsMsgBox, PressedButtonShowsPressedCellUntilReleased) {
    TsMsgBox box(QStringLiteral("x"), 0, QString());
    box.show();
    PictureButton* ok = box.visibleButtons()[0];
    QTest::mousePress(ok, Qt::LeftButton);
    EXPECT_TRUE(ok->isPressed());
    QTest::mouseRelease(ok, Qt::LeftButton);
    EXPECT_FALSE(ok->isPressed());
}

TEST(TsMsgBox, BreakIntoLinesAtBlanksNearEqualFractions) {
    bool ok = false;
    // Length 11; two lines: search from round(11/2 - 1) = round(4.5) = 4 (half to even).
    EXPECT_EQ(TsMsgBox::BreakIntoLines(QStringLiteral("aaa bbb ccc"), 2, &ok),
              QStringLiteral("aaa\r\nbbb ccc"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(TsMsgBox::BreakIntoLines(QStringLiteral("aaa bbb ccc"), 3, &ok),
              QStringLiteral("aaa\r\nbbb\r\nccc"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(TsMsgBox::BreakIntoLines(QStringLiteral("nospacesatall"), 2, &ok),
              QStringLiteral("nospacesatall"));
    EXPECT_FALSE(ok);
    // The second search finds no blank: the whole break fails.
    EXPECT_EQ(TsMsgBox::BreakIntoLines(QStringLiteral("a bcdefghijklmnop"), 3, &ok),
              QStringLiteral("a bcdefghijklmnop"));
    EXPECT_FALSE(ok);
}

TEST(TsMsgBox, LongOneLineMessageIsBrokenIntoAtMostTenLines) {
    QString message;
    for (int i = 0; i < 60; ++i) {
        message += QStringLiteral("word%1 ").arg(i);
    }
    message = message.trimmed();
    TsMsgBox box(message, 0, QString());
    const QStringList lines = box.shownMessage().split(QStringLiteral("\r\n"));
    EXPECT_GE(lines.size(), 2);
    EXPECT_LE(lines.size(), 10);
    EXPECT_EQ(lines.join(QLatin1Char(' ')), message);
    // Lines have about the same length.
    for (const QString& line : lines) {
        EXPECT_LT(line.size(), message.size() / lines.size() + 12);
    }
}

TEST(TsMsgBox, MessageWithLineBreakIsNeverRebroken) {
    QString message = QStringLiteral("first line\r\n");
    for (int i = 0; i < 40; ++i) {
        message += QStringLiteral("word ");
    }
    TsMsgBox box(message, 0, QString());
    EXPECT_EQ(box.shownMessage(), message);
}

TEST(TsMsgBox, ShortMessageWithThreeButtonsIsExactlyAsWideAsTheButtonRow) {
    TsMsgBox box(QStringLiteral("Hi"), 3, QString());
    EXPECT_EQ(box.minimumButtonRowTwips(), 1050 * 3 + 120 + 240);
    EXPECT_EQ(box.width(), Twips::toPixels(box.minimumButtonRowTwips()));
    // The label is centred and the buttons are placed 60 twips apart around the centre one.
    const auto buttons = box.visibleButtons();
    EXPECT_NEAR(buttons[1]->x() + buttons[1]->width() / 2.0, box.width() / 2.0, 1.0);
    EXPECT_NEAR(buttons[1]->x() - buttons[0]->geometry().right() - 1, Twips::toPixels(60), 1);
    EXPECT_NEAR(box.messageLabel()->x() + box.messageLabel()->width() / 2.0, box.width() / 2.0,
                1.0);
}

TEST(TsMsgBox, PlacedAboveTheCentreOfTheScreen) {
    TsMsgBox box(QStringLiteral("Where am I?"), 0, QString());
    const QRect screen = QApplication::primaryScreen()->geometry();
    EXPECT_NEAR(box.x() + box.width() / 2.0, screen.center().x(), 2.0);
    EXPECT_LT(box.y() + box.height() / 2.0, screen.center().y());
    EXPECT_GT(box.y(), 0);
}
