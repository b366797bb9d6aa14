#include "card/CardPreview.h"
#include "tests/demo/DemoFixture.h"
#include "tools/demo/SampleCard.h"

#include <string>

namespace {

using namespace DemoPictures;

class CardPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        card.templatePath = env.path(QStringLiteral("Graphics/F1TSTs.bmp"));
        card.photo.PhotoInProcess = env.path(QStringLiteral("kid.png"));
        ASSERT_TRUE(writeFrame(card.templatePath));
        ASSERT_TRUE(writePhoto(card.photo.PhotoInProcess));
        ASSERT_TRUE(writeArt(env.path(QStringLiteral("Graphics/cakes.bmp"))));
    }

    QColor at(const QImage& picture, int x, int y) { return picture.pixelColor(x, y); }

    TestEnvironment env;
    SampleCard card;
};

TEST_F(CardPreviewTest, ThePhotoCoversTheHoleCentredAndStaysInsideIt) {
    const QImage picture = CardPreview::render(card.templatePath, card.photo, *card.objects);
    ASSERT_EQ(picture.size(), QSize(100, 50));
    // Scaled by 0.75 to 60 x 30 and centred on the hole: red left of the centre, blue right.
    EXPECT_EQ(at(picture, 20, 25), QColor(Qt::red));
    EXPECT_EQ(at(picture, 40, 25), QColor(Qt::blue));
    // Outside the hole, and inside its box but outside the oval, the frame shows.
    EXPECT_EQ(at(picture, 5, 5), frameColour);
    EXPECT_EQ(at(picture, 55, 25), frameColour);
    EXPECT_EQ(at(picture, hole.left() + 1, hole.top() + 1), frameColour);
}

struct Turn {
    int degrees;
    QPoint red;
    QPoint blue;
};

class CardPreviewTurn : public CardPreviewTest, public ::testing::WithParamInterface<Turn> {};

TEST_P(CardPreviewTurn, TurnsThePhotoClockwise) {
    card.photo.RotationFactor = static_cast<qint16>(GetParam().degrees);
    const QImage picture = CardPreview::render(card.templatePath, card.photo, *card.objects);
    EXPECT_EQ(at(picture, GetParam().red.x(), GetParam().red.y()), QColor(Qt::red));
    EXPECT_EQ(at(picture, GetParam().blue.x(), GetParam().blue.y()), QColor(Qt::blue));
}

INSTANTIATE_TEST_SUITE_P(CardPreview, CardPreviewTurn,
                         ::testing::Values(Turn{0, {20, 25}, {40, 25}},
                                           Turn{90, {30, 15}, {30, 35}},
                                           Turn{180, {40, 25}, {20, 25}},
                                           Turn{270, {30, 35}, {30, 15}}),
                         [](const ::testing::TestParamInfo<Turn>& info) {
                             return "Degrees" + std::to_string(info.param.degrees);
                         });

TEST_F(CardPreviewTest, WithoutAPhotoTheFramesOwnPictureShows) {
    card.photo.PhotoInProcess.clear();
    EXPECT_EQ(at(CardPreview::render(card.templatePath, card.photo, *card.objects), 30, 25),
              frameColour);
    card.photo.PhotoInProcess = env.path(QStringLiteral("gone.png"));
    EXPECT_EQ(at(CardPreview::render(card.templatePath, card.photo, *card.objects), 30, 25),
              frameColour);
}

TEST_F(CardPreviewTest, ClipArtIsStretchedToItsPlaceWithItsWhiteLeftOut) {
    addArt(*card.objects, 1, env.path(QStringLiteral("Graphics\\cakes.bmp")));
    const QImage picture = CardPreview::render(card.templatePath, card.photo, *card.objects);
    EXPECT_EQ(at(picture, artInside.center().x(), artInside.center().y()), QColor(Qt::blue));
    EXPECT_EQ(at(picture, artPlace.left() + 1, artPlace.top() + 1), frameColour);
    EXPECT_EQ(at(picture, artPlace.right() - 1, artPlace.bottom() - 1), frameColour);
}

TEST_F(CardPreviewTest, TextIsDrawnInItsColourWhereItStands) {
    const QImage before = CardPreview::render(card.templatePath, card.photo, *card.objects);
    addText(*card.objects, 1);
    const QImage picture = CardPreview::render(card.templatePath, card.photo, *card.objects);
    EXPECT_FALSE(hasRed(before, QRect(60, 30, 32, 18)));
    EXPECT_TRUE(hasRed(picture, QRect(60, 30, 32, 18)));
    EXPECT_FALSE(hasRed(picture, QRect(0, 0, 58, 9)));
}

TEST_F(CardPreviewTest, ACardWhoseFrameIsMissingGivesNoPicture) {
    card.templatePath = env.path(QStringLiteral("Graphics/missings.bmp"));
    EXPECT_TRUE(CardPreview::render(card.templatePath, card.photo, *card.objects).isNull());
}

TEST(CardPreview, TheMaskSitsBesideTheFramePicture) {
    EXPECT_EQ(CardPreview::maskPathOf(QStringLiteral("\\Birthday\\Balloons\\F1BALs.bmp")),
              QStringLiteral("\\Birthday\\Balloons\\F1BALt.bmp"));
    EXPECT_EQ(CardPreview::maskPathOf(QStringLiteral("  /disc/F5HRTs.bmp")),
              QStringLiteral("/disc/F5HRTt.bmp"));
}

} // namespace
