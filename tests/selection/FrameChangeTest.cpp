#include "screens/selection/FrameChange.h"

#include "app/Texts.h"
#include "card/PhotoManager.h"
#include "card/PictureObjects.h"

#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Pair {
    int entry;
    int chosen;
    bool photoLost; // when the card has a photo
    bool artAtRisk; // when the card has objects
};

// The consequences of every change of frame, as the user is warned about them.
const Pair changes[] = {
    {0, 1, false, false}, {1, 0, false, false}, {0, 2, true, false},  {1, 2, true, false},
    {0, 3, false, true},  {0, 4, false, true},  {1, 3, false, true},  {1, 4, false, true},
    {0, 5, true, true},   {1, 5, true, true},   {2, 0, false, false}, {2, 1, false, false},
    {2, 3, false, true},  {2, 4, false, true},  {2, 5, false, true},  {3, 0, false, true},
    {3, 1, false, true},  {4, 0, false, true},  {4, 1, false, true},  {3, 2, true, true},
    {4, 2, true, true},   {3, 4, false, false}, {4, 3, false, false}, {3, 5, true, false},
    {4, 5, true, false},  {5, 0, false, true},  {5, 1, false, true},  {5, 2, false, true},
    {5, 3, false, false}, {5, 4, false, false},
};

void addObject(PictureObjects& objects, qint16 index, int left, int top, int width, int height) {
    objects.Add(index, PictureObject::ArtObject, 0, 0, width / 15, height / 15, false, 0, left, top,
                0, width, height, nullptr, 0, nullptr, QStringLiteral("\\Art\\%1").arg(index), 0,
                0);
}

QStringList indexesOf(const PictureObjects& objects) {
    QStringList indexes;
    for (int position = 1; position <= objects.Count(); ++position) {
        indexes.append(QString::number(objects.Item(position)->Index));
    }
    return indexes;
}

} // namespace

TEST(FrameChangeTest, EveryPairOfFramesHasTheConsequencesOfItsKindAndTurn) {
    QSet<int> pairs;
    for (const Pair& change : changes) {
        pairs.insert(change.entry * 10 + change.chosen);
    }
    ASSERT_EQ(pairs.size(), FrameChange::FrameCount * (FrameChange::FrameCount - 1));

    for (const Pair& change : changes) {
        for (const bool photo : {false, true}) {
            for (const bool art : {false, true}) {
                const FrameChange::Consequences found =
                    FrameChange::between(change.entry, change.chosen, photo, art);
                EXPECT_EQ(found.photoLost, photo && change.photoLost)
                    << change.entry << " -> " << change.chosen << " photo " << photo;
                EXPECT_EQ(found.artAtRisk, art && change.artAtRisk)
                    << change.entry << " -> " << change.chosen << " art " << art;
            }
        }
    }
}

TEST(FrameChangeTest, KeepingTheFrameOrNamingNoFrameHasNoConsequences) {
    for (int frame = 0; frame < FrameChange::FrameCount; ++frame) {
        EXPECT_FALSE(FrameChange::between(frame, frame, true, true).any()) << frame;
    }
    EXPECT_FALSE(FrameChange::between(-1, 5, true, true).any());
    EXPECT_FALSE(FrameChange::between(0, 6, true, true).any());
}

TEST(FrameChangeTest, WarningsAreBuiltFromTheNumberedTexts) {
    const auto lines = [](std::initializer_list<int> numbers) {
        QStringList texts;
        for (int number : numbers) {
            texts.append(Texts::at(number));
        }
        return texts.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n") + Texts::at(230);
    };
    EXPECT_EQ(FrameChange::warning({true, false}), lines({202, 203, 204}));
    EXPECT_EQ(FrameChange::warning({false, true}), lines({211, 212, 213}));
    const QString both = FrameChange::warning({true, true});
    EXPECT_EQ(both, lines({221, 222, 223, 224, 225, 226}));
    EXPECT_TRUE(both.startsWith(QStringLiteral("You have inserted a photo in the current card\r\n"
                                               "and have now selected a frame without a photo;")));
    EXPECT_TRUE(both.endsWith(QStringLiteral("items falling outside this new frame.\r\n\r\n"
                                             "Do you want to continue?")));
}

TEST(FrameChangeTest, AnObjectFallsOutsideOnlyBeyondTheEdgeLessItsMargin) {
    struct Case {
        int frame, left, top, width, height;
        bool outside;
    };
    const Case cases[] = {
        // Portrait: the left edge against 2500 less half the width, at most 250.
        {3, 2250, 9000, 600, 100, false},
        {3, 2251, 0, 600, 100, true},
        {4, 2250, 0, 500, 100, false}, // width exactly 500: half of it, 250
        {5, 2251, 0, 500, 100, true},
        {3, 2349, 0, 301, 100, false}, // margin 150.5
        {3, 2350, 0, 301, 100, true},
        {3, 2500, 0, 0, 100, false},
        // Landscape: the top edge against 3495 less half the height, at most 250.
        {0, 9000, 3245, 100, 800, false},
        {1, 0, 3246, 100, 800, true},
        {2, 0, 3245, 100, 500, false},
        {2, 0, 3246, 100, 500, true},
        {0, 0, 3395, 100, 200, false},
        {0, 0, 3396, 100, 200, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrameChange::fallsOutside(c.frame, c.left, c.top, c.width, c.height), c.outside)
            << "frame " << c.frame << " left " << c.left << " top " << c.top << " width " << c.width
            << " height " << c.height;
    }
}

TEST(FrameChangeTest, ApplyingRemovesThePhotoAndTheObjectsBeyondTheNewCard) {
    PhotoManager photo;
    photo.PhotoInProcess = QStringLiteral("/photos/beach.jpg");
    PictureObjects objects;
    addObject(objects, 1, 2600, 100, 900, 900);  // beyond a portrait card
    addObject(objects, 2, 100, 100, 900, 900);   // inside
    addObject(objects, 3, 2251, 100, 500, 300);  // just beyond
    addObject(objects, 4, 2250, 100, 500, 300);  // just inside
    addObject(objects, 5, 3000, 3000, 100, 100); // beyond

    FrameChange::apply({false, true}, 3, &photo, objects);
    EXPECT_EQ(indexesOf(objects), QStringList({"2", "4"}));
    EXPECT_EQ(photo.PhotoInProcess, QStringLiteral("/photos/beach.jpg"));

    FrameChange::apply({true, false}, 5, &photo, objects);
    EXPECT_TRUE(photo.PhotoInProcess.isEmpty());
    EXPECT_EQ(indexesOf(objects), QStringList({"2", "4"}));
}
