#include "tools/demo/SlideDeck.h"

#include "app/Texts.h"
#include "tools/demo/CardPaperPicture.h"
#include "tools/demo/SlidePictures.h"

#include <functional>

namespace {

struct TopicTexts {
    Slide::Topic topic;
    int heading;
    int caption;
};

constexpr TopicTexts topicTexts[] = {
    {Slide::Title, 1004, 1104},     {Slide::Photo, 1105, 1106},    {Slide::ClipArt, 1107, 1108},
    {Slide::Sentiment, 1109, 1110}, {Slide::Text, 1111, 1112},     {Slide::Orientation, 1113, 1114},
    {Slide::Occasion, 1115, 1116},  {Slide::Printing, 1117, 1118},
};

Slide slideAbout(Slide::Topic topic, const QImage& picture) {
    for (const TopicTexts& texts : topicTexts) {
        if (texts.topic == topic) {
            return {topic, Texts::at(texts.heading), Texts::at(texts.caption), picture};
        }
    }
    return {topic, {}, {}, picture};
}

struct FeatureTopic {
    Slide::Topic topic;
    std::function<bool(const CardFeatures&)> shows;
};

const FeatureTopic featureTopics[] = {
    {Slide::Photo, [](const CardFeatures& card) { return card.photo; }},
    {Slide::ClipArt, [](const CardFeatures& card) { return card.clipArt; }},
    {Slide::Sentiment, [](const CardFeatures& card) { return card.sentiment; }},
    {Slide::Text, [](const CardFeatures& card) { return card.text; }},
    {Slide::Orientation, [](const CardFeatures& card) { return card.portrait; }},
};

const SampleShot* firstLandscape(const QVector<SampleShot>& shots) {
    for (const SampleShot& shot : shots) {
        if (!shot.features.portrait) {
            return &shot;
        }
    }
    return nullptr;
}

} // namespace

QVector<Slide> SlideDeck::build(const QVector<SampleShot>& shots) {
    QVector<Slide> cardSlides;
    QVector<QImage> cover;
    QVector<bool> used(shots.size(), false);
    const auto use = [&](qsizetype i) {
        used[i] = true;
        if (cover.size() < SlidePictures::FanSize) {
            cover << shots[i].picture;
        }
    };
    for (const FeatureTopic& feature : featureTopics) {
        for (qsizetype i = 0; i < shots.size(); ++i) {
            if (used[i] || !feature.shows(shots[i].features)) {
                continue;
            }
            use(i);
            QImage picture = SlidePictures::single(shots[i].picture);
            const SampleShot* wide = firstLandscape(shots);
            if (feature.topic == Slide::Orientation && wide != nullptr) {
                picture = SlidePictures::sideBySide(shots[i].picture, wide->picture);
            }
            cardSlides << slideAbout(feature.topic, picture);
            break;
        }
    }
    for (qsizetype i = 0; i < shots.size(); ++i) {
        if (!used[i]) {
            use(i);
            Slide slide = slideAbout(Slide::Occasion, SlidePictures::single(shots[i].picture));
            if (!shots[i].occasionName.isEmpty()) {
                slide.heading = shots[i].occasionName;
            }
            cardSlides << slide;
        }
    }

    QVector<Slide> slides{slideAbout(Slide::Title, SlidePictures::fan(cover))};
    slides << cardSlides;
    if (!shots.isEmpty()) {
        const SampleShot* printed = firstLandscape(shots);
        const SampleShot& shot = printed != nullptr ? *printed : shots.first();
        slides << slideAbout(Slide::Printing,
                             CardPaperPicture::render(shot.picture, shot.features.portrait));
    }
    return slides;
}
