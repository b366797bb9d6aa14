#include "tools/demo/SlideWindow.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QVector<Slide> threeSlides() {
    QVector<Slide> slides;
    for (const Slide::Topic topic : {Slide::Title, Slide::Photo, Slide::Printing}) {
        slides << Slide{topic, QStringLiteral("Heading"), QStringLiteral("Caption"), QImage()};
    }
    return slides;
}

class SlideWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    SlideWindow window{threeSlides(), 4000, false};
};

TEST_F(SlideWindowTest, ArrowKeysTurnTheSlides) {
    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(window.slideShow().current(), 2);
    QTest::keyClick(&window, Qt::Key_Left);
    EXPECT_EQ(window.slideShow().current(), 1);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SlideWindowTest, ButtonsTurnTheSlidesAndBackWaitsForASlideBefore) {
    ASSERT_NE(button("back"), nullptr);
    ASSERT_NE(button("next"), nullptr);
    EXPECT_FALSE(button("back")->isEnabled());
    QTest::mouseClick(button("next"), Qt::LeftButton);
    EXPECT_EQ(window.slideShow().current(), 1);
    EXPECT_TRUE(button("back")->isEnabled());
    QTest::mouseClick(button("back"), Qt::LeftButton);
    EXPECT_EQ(window.slideShow().current(), 0);
}

TEST_F(SlideWindowTest, TheShowEndsAfterTheLastSlide) {
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(&window, Qt::Key_Right);
    }
    EXPECT_TRUE(window.slideShow().isFinished());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SlideWindowTest, EscapeAndCloseEndTheShowAtOnce) {
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.slideShow().isFinished());
    EXPECT_FALSE(window.isVisible());

    SlideWindow other(threeSlides(), 4000, false);
    other.show();
    QTest::mouseClick(other.findChild<QPushButton*>(QStringLiteral("close")), Qt::LeftButton);
    EXPECT_TRUE(other.slideShow().isFinished());
    EXPECT_FALSE(other.isVisible());
}

TEST(SlideWindow, WithTheTimerASlideFadesIn) {
    SlideWindow window(threeSlides(), 4000, true);
    window.show();
    EXPECT_DOUBLE_EQ(window.fadeProgress(), 1.0);
    window.goNext();
    EXPECT_EQ(window.slideShow().current(), 1);
    EXPECT_LT(window.fadeProgress(), 1.0);
}

} // namespace
