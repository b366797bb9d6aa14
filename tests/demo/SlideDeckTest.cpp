#include "tools/demo/SlideDeck.h"
#include "app/Texts.h"
#include "tools/demo/SlidePictures.h"

#include <gtest/gtest.h>

namespace {

SampleShot shot(QColor colour, CardFeatures features, const QString& occasion = QString()) {
    QImage picture(features.portrait ? QSize(20, 40) : QSize(40, 20), QImage::Format_RGB32);
    picture.fill(colour);
    return {picture, features, occasion};
}

CardFeatures with(bool photo, bool clipArt, bool sentiment, bool text, bool portrait) {
    return {photo, clipArt, sentiment, text, portrait};
}

// The colour at the middle of a slide's scene: the card shown alone on it.
QColor middleOf(const Slide& slide) {
    return slide.picture.pixelColor(slide.picture.width() / 2, slide.picture.height() / 2);
}

QVector<Slide::Topic> topicsOf(const QVector<Slide>& slides) {
    QVector<Slide::Topic> topics;
    for (const Slide& slide : slides) {
        topics << slide.topic;
    }
    return topics;
}

TEST(SlideDeck, WithoutSampleCardsOnlyTheTitleShows) {
    const QVector<Slide> slides = SlideDeck::build({});
    ASSERT_EQ(slides.size(), 1);
    EXPECT_EQ(slides[0].topic, Slide::Title);
    EXPECT_EQ(slides[0].heading, Texts::at(1004));
}

TEST(SlideDeck, EachCardExplainsSomethingNewInAFixedOrder) {
    const QVector<SampleShot> shots{
        shot(Qt::red, with(false, false, false, true, false)),               // text
        shot(Qt::green, with(true, true, false, false, false)),              // photo, art
        shot(Qt::blue, with(false, true, true, false, false)),               // art, greeting
        shot(Qt::yellow, with(false, false, true, false, false)),            // greeting
        shot(Qt::magenta, with(false, false, false, false, true)),           // tall
        shot(Qt::cyan, with(false, false, false, true, false), "Halloween"), // text again
    };
    const QVector<Slide> slides = SlideDeck::build(shots);

    const QVector<Slide::Topic> expected{Slide::Title,     Slide::Photo,   Slide::ClipArt,
                                         Slide::Sentiment, Slide::Text,    Slide::Orientation,
                                         Slide::Occasion,  Slide::Printing};
    ASSERT_EQ(topicsOf(slides), expected);
    EXPECT_EQ(middleOf(slides[1]), QColor(Qt::green));
    EXPECT_EQ(middleOf(slides[2]), QColor(Qt::blue));
    EXPECT_EQ(middleOf(slides[3]), QColor(Qt::yellow));
    EXPECT_EQ(middleOf(slides[4]), QColor(Qt::red));
    EXPECT_EQ(middleOf(slides[6]), QColor(Qt::cyan));
    EXPECT_EQ(slides[6].heading, QStringLiteral("Halloween"));
}

TEST(SlideDeck, EverySlideHasWordsAndAPicture) {
    const QVector<Slide> slides =
        SlideDeck::build({shot(Qt::red, with(true, false, false, false, true)),
                          shot(Qt::blue, with(false, true, false, true, false))});
    ASSERT_EQ(slides.size(), 4);
    for (const Slide& slide : slides) {
        SCOPED_TRACE(slide.topic);
        EXPECT_FALSE(slide.heading.isEmpty());
        EXPECT_FALSE(slide.caption.isEmpty());
        ASSERT_FALSE(slide.picture.isNull());
        EXPECT_EQ(slide.picture.size(), SlidePictures::SceneSize);
    }
    EXPECT_EQ(slides.last().topic, Slide::Printing);
}

TEST(SlideDeck, ACardWithNothingNewShowsItsOccasion) {
    const QVector<Slide> slides =
        SlideDeck::build({shot(Qt::red, with(false, false, false, false, false), "Easter"),
                          shot(Qt::blue, with(false, false, false, false, false))});
    ASSERT_EQ(slides.size(), 4);
    EXPECT_EQ(slides[1].topic, Slide::Occasion);
    EXPECT_EQ(slides[1].heading, QStringLiteral("Easter"));
    EXPECT_EQ(slides[2].topic, Slide::Occasion);
    EXPECT_EQ(slides[2].heading, Texts::at(1115));
}

TEST(SlideDeck, TheTallCardStandsBesideAWideOne) {
    const QVector<Slide> slides =
        SlideDeck::build({shot(Qt::red, with(false, false, false, false, false)),
                          shot(Qt::blue, with(false, false, false, false, true))});
    ASSERT_EQ(slides[1].topic, Slide::Orientation);
    const QImage& scene = slides[1].picture;
    EXPECT_EQ(scene.pixelColor(scene.width() * 20 / 100, scene.height() / 2), QColor(Qt::blue));
    EXPECT_EQ(scene.pixelColor(scene.width() * 63 / 100, scene.height() / 2), QColor(Qt::red));
}

} // namespace
