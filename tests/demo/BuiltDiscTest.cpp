#include "app/AppState.h"
#include "card/AppModel.h"
#include "tests/common/TestSupport.h"
#include "tools/demo/DemoDisc.h"
#include "tools/demo/SampleCardReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString demonstration() {
    return BuiltDiscFolder() + QStringLiteral("/What you can do/vimble");
}

// Runs the demonstration as the welcome screen does, without a screen.
int runDemonstration(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(demonstration(), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitCode();
}

TEST(BuiltDisc, HoldsTheHelpFileAtItsRoot) {
    const QByteArray source = contentOf(QDir::cleanPath(
        QStringLiteral(TESSALY_TEST_DATA_DIR "/../../tools/disc-builder/content/Quillon.hlp")));
    ASSERT_FALSE(source.isEmpty());
    EXPECT_EQ(contentOf(BuiltDiscFolder() + QStringLiteral("/Quillon.hlp")), source);
}

TEST(BuiltDisc, HoldsTheDemonstrationWhereTheWelcomeScreenStartsIt) {
    const QFileInfo program(demonstration());
    ASSERT_TRUE(program.isFile());
    EXPECT_TRUE(program.isExecutable());
}

TEST(BuiltDisc, EverySampleCardIsShown) {
    TestEnvironment env;
    const QString disc = BuiltDiscFolder();
    const QStringList cards = SampleCardReader::files(disc);
    const QVector<SampleShot> shots =
        DemoDisc::loadShots(disc, DemoDisc::catalogueFor(disc, QString()));
    Model().dataManager.reset();
    App().ApplicationDrive.clear();
    App().CurrentCardFile.clear();
    ASSERT_FALSE(cards.isEmpty());
    ASSERT_EQ(shots.size(), cards.size());
    bool photo = false;
    for (const SampleShot& shot : shots) {
        SCOPED_TRACE(shot.occasionName.toStdString());
        ASSERT_FALSE(shot.picture.isNull());
        // A drawn card has more than a handful of colours.
        QSet<QRgb> colours;
        for (int y = 0; y < shot.picture.height(); y += 4) {
            for (int x = 0; x < shot.picture.width(); x += 4) {
                colours.insert(shot.picture.pixel(x, y));
            }
        }
        EXPECT_GT(colours.size(), 50);
        photo = photo || shot.features.photo;
    }
    EXPECT_TRUE(photo);
    EXPECT_EQ(SlideDeck::build(shots).size(), shots.size() + 2);
}

TEST(BuiltDisc, TheDemonstrationEndsByItselfAfterItsLastSlide) {
    TestEnvironment env;
    QDir().mkpath(env.path(QStringLiteral("empty-disc")));
    EXPECT_EQ(runDemonstration({QStringLiteral("--disc"), env.path(QStringLiteral("empty-disc")),
                                QStringLiteral("--slides-ms"), QStringLiteral("100")}),
              0);
}

TEST(BuiltDisc, TheDemonstrationRefusesAnUnknownOption) {
    EXPECT_EQ(runDemonstration({QStringLiteral("--fast")}), 2);
}

} // namespace
