#include "app/AppState.h"
#include "card/AppModel.h"
#include "card/CardReader.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The sample cards of the disc the build makes, read as the program opens them.
class SampleCards : public ::testing::Test {
protected:
    void SetUp() override {
        disc = BuiltDiscFolder();
        App().ApplicationDrive = disc;
        App().ApplicationTitle = QStringLiteral("VARNO Tessaly Software");
        Model().dataManager =
            std::make_unique<DataManager>(QStringLiteral(TESSALY_BIN_DIR "/Tessaly.db"), disc);
    }

    void TearDown() override {
        Model().dataManager.reset();
        Model().pictureObjects = std::make_shared<PictureObjects>();
        Model().photoManager.reset();
        App().CurrentCardFile.clear();
        App().ApplicationDrive.clear();
    }

    TestEnvironment env;
    QString disc;
};

TEST_F(SampleCards, EveryOneReadsBackWhole) {
    const QFileInfoList cards =
        QDir(disc + QStringLiteral("/SamplePictureCards"))
            .entryInfoList({QStringLiteral("*.ocd")}, QDir::Files, QDir::Name);
    ASSERT_GE(cards.size(), 6);
    QSet<QString> layouts;
    QSet<QString> fonts;
    QSet<float> sizes;
    QSet<qint32> colours;
    QSet<qint16> alignments;
    int withPhoto = 0;
    int withArt = 0;
    int withSentiment = 0;
    for (const QFileInfo& card : cards) {
        SCOPED_TRACE(card.fileName().toStdString());
        App().CurrentCardFile = card.absoluteFilePath();
        ASSERT_EQ(ReadCardHeader(), CardProblem::None);
        bool discrepancy = true;
        ASSERT_TRUE(ReadCardObjects(&discrepancy));
        EXPECT_FALSE(discrepancy);
        ASSERT_TRUE(ReadCardPhoto(&discrepancy));
        EXPECT_FALSE(discrepancy);
        EXPECT_TRUE(env.dialogs.asked.empty());
        EXPECT_TRUE(Model().dataManager->SavedSinceChange());

        const QString layout = Model().dataManager->TheTemplateID().left(2);
        layouts.insert(layout);
        const QString photo = Model().photoManager->PhotoInProcess;
        if (!photo.isEmpty()) {
            ++withPhoto;
            EXPECT_TRUE(photo.startsWith(disc + QStringLiteral("/SamplePictures/")));
            EXPECT_TRUE(layout != QStringLiteral("F3") && layout != QStringLiteral("F7"));
        }
        EXPECT_GT(Model().pictureObjects->Count(), 0);
        for (const PictureObjects::Pointer& object : *Model().pictureObjects) {
            if (object->PictureType == PictureObject::ArtObject) {
                ++withArt;
                withSentiment += DataManager::ArtIsSentiment(object->Source) ? 1 : 0;
            } else {
                ASSERT_EQ(object->PictureType, PictureObject::TextObject);
                fonts.insert(object->FontName());
                sizes.insert(object->ApparentFontSize);
                colours.insert(object->Color);
                alignments.insert(object->Align);
            }
        }
    }
    // Landscape and portrait, with and without a photo, clip art, sentiments and varied text.
    EXPECT_TRUE(layouts.contains(QStringLiteral("F1")) || layouts.contains(QStringLiteral("F2")));
    EXPECT_TRUE(layouts.contains(QStringLiteral("F5")) || layouts.contains(QStringLiteral("F6")));
    EXPECT_TRUE(layouts.contains(QStringLiteral("F3")) || layouts.contains(QStringLiteral("F7")));
    EXPECT_GE(withPhoto, 2);
    EXPECT_LT(withPhoto, cards.size());
    EXPECT_GT(withArt, withSentiment);
    EXPECT_GT(withSentiment, 0);
    EXPECT_GE(fonts.size(), 3);
    EXPECT_GE(sizes.size(), 3);
    EXPECT_GE(colours.size(), 3);
    EXPECT_EQ(alignments.size(), 3);
}

TEST_F(SampleCards, PhotosAreCameraSizedPictures) {
    const QFileInfoList photos = QDir(disc + QStringLiteral("/SamplePictures"))
                                     .entryInfoList({QStringLiteral("*.jpg")}, QDir::Files);
    ASSERT_GE(photos.size(), 5);
    for (const QFileInfo& photo : photos) {
        const QImage image(photo.absoluteFilePath());
        EXPECT_EQ(std::max(image.width(), image.height()), 1600) << photo.fileName().toStdString();
        EXPECT_EQ(std::min(image.width(), image.height()), 1200) << photo.fileName().toStdString();
    }
}

} // namespace
