#include "tools/demo/DemoDisc.h"
#include "app/AppState.h"
#include "card/AppModel.h"
#include "card/CardSelection.h"
#include "card/CardWriter.h"
#include "tests/demo/DemoFixture.h"
#include "tools/disc-builder/CatalogueWriter.h"

namespace {

using namespace DemoPictures;

// A disc with one style of six frames, a piece of clip art, a photo and sample cards written by
// the program's card writer.
class DemoDiscTest : public ::testing::Test {
protected:
    void SetUp() override {
        disc = env.path(QStringLiteral("disc"));
        catalogue = env.path(QStringLiteral("Tessaly.db"));
        DiscRows rows;
        rows.occasions = {{QStringLiteral("BDAY"), QStringLiteral("Birthday")}};
        rows.styles = {
            {QStringLiteral("1001"), QStringLiteral("Balloons"), true, {QStringLiteral("BDAY")}}};
        for (int frame = 1; frame <= 6; ++frame) {
            rows.frames.append({QStringLiteral("F%1BAL").arg(frame), QStringLiteral("1001"),
                                QStringLiteral("\\Birthday\\Balloons\\F%1BALs.bmp").arg(frame)});
        }
        rows.art = {{QStringLiteral("1001"),
                     QStringLiteral("\\Birthday\\Balloons\\cake"),
                     {QStringLiteral("BDAY")}}};
        QString error;
        ASSERT_TRUE(WriteCatalogue(catalogue, rows, &error)) << error.toStdString();
        ASSERT_TRUE(writeFrame(disc + QStringLiteral("/Graphics/Birthday/Balloons/F1BALs.bmp")));
        ASSERT_TRUE(writeArt(disc + QStringLiteral("/Graphics/Birthday/Balloons/cakes.bmp")));
        ASSERT_TRUE(writePhoto(disc + QStringLiteral("/SamplePictures/kid.png")));
        env.writeFile(QStringLiteral("disc/Quillon.hlp"), "=== 1 Contents\n");
    }

    void TearDown() override {
        Model().dataManager.reset();
        Model().pictureObjects = std::make_shared<PictureObjects>();
        Model().photoManager.reset();
        App().CurrentCardFile.clear();
        App().ApplicationDrive.clear();
    }

    // A card on frame 0 with the photo, the clip art and a text.
    void writeSampleCard(const QString& name) {
        const QString graphics = disc + QStringLiteral("\\Graphics");
        PhotoManager photo;
        photo.PhotoInProcess = disc + QStringLiteral("/SamplePictures/kid.png");
        PictureObjects objects;
        addArt(objects, 1, graphics + QStringLiteral("\\Birthday\\Balloons\\cakes.bmp"));
        addText(objects, 2);
        QDir().mkpath(disc + QStringLiteral("/SamplePictureCards"));
        const CardSelection selection{QStringLiteral("Birthday"), QStringLiteral("BDAY"),
                                      QStringLiteral("Balloons"), QStringLiteral("1001"),
                                      QStringLiteral("0")};
        QString error;
        ASSERT_TRUE(WriteCardFile(disc + QStringLiteral("/SamplePictureCards/") + name, selection,
                                  photo, objects, graphics, &error))
            << error.toStdString();
    }

    TestEnvironment env;
    QString disc;
    QString catalogue;
};

TEST_F(DemoDiscTest, DrawsASampleCardWithItsPhotoInTheHole) {
    writeSampleCard(QStringLiteral("party.ocd"));
    const QVector<SampleShot> shots = DemoDisc::loadShots(disc, catalogue);
    ASSERT_EQ(shots.size(), 1);
    const SampleShot& shot = shots.first();
    EXPECT_EQ(shot.occasionName, QStringLiteral("Birthday"));
    EXPECT_TRUE(shot.features.photo);
    EXPECT_TRUE(shot.features.clipArt);
    EXPECT_TRUE(shot.features.text);
    EXPECT_FALSE(shot.features.sentiment);
    EXPECT_FALSE(shot.features.portrait);

    const QImage& picture = shot.picture;
    ASSERT_EQ(picture.size(), QSize(100, 50));
    EXPECT_EQ(picture.pixelColor(20, 25), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(40, 25), QColor(Qt::blue));
    EXPECT_EQ(picture.pixelColor(5, 5), frameColour);
    EXPECT_EQ(picture.pixelColor(artInside.center()), QColor(Qt::blue));
    EXPECT_TRUE(hasRed(picture, QRect(60, 30, 32, 18)));
}

TEST_F(DemoDiscTest, FilesThatAreNoCardsAreLeftOut) {
    writeSampleCard(QStringLiteral("b-party.ocd"));
    env.writeFile(QStringLiteral("disc/SamplePictureCards/a-notes.ocd"), "shopping list\r\n");
    env.writeFile(QStringLiteral("disc/SamplePictureCards/c-readme.txt"), "not a card");
    const QVector<SampleShot> shots = DemoDisc::loadShots(disc, catalogue);
    ASSERT_EQ(shots.size(), 1);
    EXPECT_TRUE(shots.first().features.photo);
}

TEST_F(DemoDiscTest, WithoutACatalogueThereIsNothingToShow) {
    writeSampleCard(QStringLiteral("party.ocd"));
    EXPECT_TRUE(DemoDisc::loadShots(disc, env.path(QStringLiteral("none.db"))).isEmpty());
}

TEST_F(DemoDiscTest, TheCatalogueBesideTheDiscIsFoundUnlessOneIsGiven) {
    const QByteArray saved = qgetenv("TESSALY_CATALOGUE");
    qunsetenv("TESSALY_CATALOGUE");
    EXPECT_EQ(DemoDisc::catalogueFor(disc, QString()), catalogue);
    EXPECT_EQ(DemoDisc::catalogueFor(disc, QStringLiteral("/elsewhere/Tessaly.db")),
              QStringLiteral("/elsewhere/Tessaly.db"));
    qputenv("TESSALY_CATALOGUE", "/set/Tessaly.db");
    EXPECT_EQ(DemoDisc::catalogueFor(disc, QString()), QStringLiteral("/set/Tessaly.db"));
    if (saved.isEmpty()) {
        qunsetenv("TESSALY_CATALOGUE");
    } else {
        qputenv("TESSALY_CATALOGUE", saved);
    }
}

} // namespace
