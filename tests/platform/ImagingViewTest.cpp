#include "platform/ImagingView.h"

#include <QEvent>
#include <QPalette>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr QRgb background = 0xFFFF0000; // the parent's red shows wherever the view draws nothing

QImage solid(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

// A red window with a 40 x 20 view at (10, 10).
class ImagingViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(100, 60);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(background));
        window.setPalette(palette);
        view = new ImagingView(&window);
        view->setGeometry(10, 10, 40, 20);
    }

    // The window as it is drawn on the screen.
    QImage screen() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QWidget window;
    ImagingView* view = nullptr;
};

TEST_F(ImagingViewTest, ShowsTheImageAtTheTopLeftAndNothingWhenEmpty) {
    EXPECT_EQ(screen().pixel(20, 15), background);

    view->control().setImage(solid(30, 20, 0xFF0000FF));

    const QImage shown = screen();
    EXPECT_EQ(shown.pixel(10, 10), 0xFF0000FF);
    EXPECT_EQ(shown.pixel(39, 29), 0xFF0000FF);
    EXPECT_EQ(shown.pixel(40, 10), background);
    EXPECT_EQ(shown.pixel(9, 9), background);
}

TEST_F(ImagingViewTest, TellsTheControlTheSizeOfItsDisplay) {
    view->control().setImage(solid(80, 80, 0xFF00FF00));
    view->control().setDisplayFit(ImagingControl::DisplayFit::Shrink);

    EXPECT_EQ(view->control().displaySize(), QSize(40, 20));
    EXPECT_EQ(view->control().ViewWidth(), 20);
    EXPECT_EQ(view->control().ViewHeight(), 20);

    view->resize(60, 60);
    EXPECT_EQ(view->control().ViewWidth(), 60);
    const QImage shown = screen();
    EXPECT_EQ(shown.pixel(69, 49), 0xFF00FF00);
}

TEST_F(ImagingViewTest, TransparentColourLetsTheParentShowThrough) {
    QImage letter = solid(40, 20, 0xFFFFFFFF);
    for (int x = 5; x < 10; ++x) {
        letter.setPixel(x, 5, 0xFF000000);
    }
    view->control().setImage(letter);

    EXPECT_EQ(screen().pixel(12, 12), 0xFFFFFFFF);

    view->control().setUseTransparentColor(true);

    const QImage shown = screen();
    EXPECT_EQ(shown.pixel(12, 12), background);
    EXPECT_EQ(shown.pixel(17, 15), 0xFF000000);
}

TEST_F(ImagingViewTest, ViewOffsetsScrollTheImage) {
    QImage halves = solid(40, 20, 0xFF00FF00);
    for (int y = 0; y < 20; ++y) {
        for (int x = 20; x < 40; ++x) {
            halves.setPixel(x, y, 0xFF0000FF);
        }
    }
    view->control().setImage(halves);

    view->control().setViewLeft(20);
    view->control().setViewTop(-5);

    const QImage shown = screen();
    EXPECT_EQ(shown.pixel(10, 15), 0xFF0000FF); // the right half now starts the view
    EXPECT_EQ(shown.pixel(35, 20), background); // past the image's right edge
    EXPECT_EQ(shown.pixel(15, 12), background); // above its top
}

TEST_F(ImagingViewTest, ChangesToTheImageAreShown) {
    view->control().setImage(solid(40, 20, 0xFF0000FF));
    EXPECT_EQ(screen().pixel(20, 20), 0xFF0000FF);

    view->control().Fill(QColor(255, 255, 0));

    EXPECT_EQ(screen().pixel(20, 20), 0xFFFFFF00);
}

TEST_F(ImagingViewTest, BorderFramesTheImageInsideIt) {
    view->control().setImage(solid(40, 20, 0xFF00FF00));

    view->setBorderVisible(true);

    const QImage shown = screen();
    EXPECT_EQ(view->control().displaySize(), QSize(38, 18));
    EXPECT_EQ(shown.pixel(10, 10), view->palette().color(QPalette::WindowText).rgb());
    EXPECT_EQ(shown.pixel(49, 29), view->palette().color(QPalette::WindowText).rgb());
    EXPECT_EQ(shown.pixel(11, 11), 0xFF00FF00);
}

TEST_F(ImagingViewTest, RepaintDrawsAtOnce) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    view->installEventFilter(&counter);
    view->control().setImage(solid(40, 20, 0xFF0000FF));
    const int before = counter.paints;

    view->control().Repaint();

    EXPECT_EQ(counter.paints, before + 1);
    window.hide();
}

} // namespace
