#include "app/Media.h"
#include "app/AppState.h"
#include "app/Texts.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct DiscFixture {
    explicit DiscFixture(TestEnvironment& env) : env(env) {
        previousDrive = App().ApplicationDrive;
        previousTitle = App().ApplicationTitle;
        App().ApplicationDrive = env.path(QStringLiteral("disc"));
        App().ApplicationTitle = QStringLiteral("VARNO Tessaly Software");
        QDir().mkpath(App().ApplicationDrive);
    }
    ~DiscFixture() {
        App().ApplicationDrive = previousDrive;
        App().ApplicationTitle = previousTitle;
    }
    void insertDisc() { env.writeFile(QStringLiteral("disc/Quillon.hlp"), "=== 1 Help\n"); }

    TestEnvironment& env;
    QString previousDrive;
    QString previousTitle;
};

} // namespace

TEST(CheckForFile, FoundAtOnceWithoutWaiting) {
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("card.ocd"), "x");
    EXPECT_EQ(CheckForFile(file, false), FileFound);
    EXPECT_EQ(env.clock.elapsedMs(), 0);
}

TEST(CheckForFile, WaitsTenSecondsForSlowMediaWithPausesBetweenPolls) {
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("late.ocd"));
    env.clock.onPause = [&](qint64 now) {
        if (now >= 3000 && !QFile::exists(file)) {
            env.writeFile(QStringLiteral("late.ocd"), "x");
        }
    };
    EXPECT_EQ(CheckForFile(file, false), FileFound);
    EXPECT_GE(env.clock.elapsedMs(), 3000);
    EXPECT_LT(env.clock.elapsedMs(), 3200);
    // It paused between polls instead of spinning: a few dozen polls for three seconds.
    EXPECT_LE(env.clock.pauses, 100);
}

TEST(CheckForFile, MissingFileGivesZeroAfterTheWaitAndNoQuestion) {
    TestEnvironment env;
    EXPECT_EQ(CheckForFile(env.path(QStringLiteral("none.ocd")), false), FileNotFound);
    EXPECT_GE(env.clock.elapsedMs(), 10000);
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST(CheckForFile, DiscPresentButFileMissingGivesOneWithoutMessage) {
    TestEnvironment env;
    DiscFixture disc(env);
    disc.insertDisc();
    EXPECT_EQ(CheckForFile(env.path(QStringLiteral("disc/Graphics/none.bmp")), true),
              FileMissingFromDisc);
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST(CheckForFile, PromptsForDiscUntilCancelled) {
    TestEnvironment env;
    DiscFixture disc(env);
    env.dialogs.messageAnswers = {1, 2}; // OK, then Cancel
    EXPECT_EQ(CheckForFile(env.path(QStringLiteral("disc/Graphics/none.bmp")), true), FileNotFound);
    ASSERT_EQ(env.dialogs.asked.size(), 2u);
    EXPECT_EQ(env.dialogs.asked[0].buttons, 1);
    EXPECT_EQ(env.dialogs.asked[0].caption, QString());
    EXPECT_EQ(env.dialogs.asked[0].text, InsertCDMessage());
}

TEST(CheckForFile, DiscInsertedAfterPromptFindsTheFile) {
    TestEnvironment env;
    DiscFixture disc(env);
    env.dialogs.messageAnswers = {1};
    const QString file = env.path(QStringLiteral("disc/Graphics/art.bmp"));
    int asked = 0;
    env.clock.onPause = [&](qint64) {
        if (!env.dialogs.asked.empty() && asked == 0) {
            asked = 1;
            env.writeFile(QStringLiteral("disc/Graphics/art.bmp"), "x");
        }
    };
    EXPECT_EQ(CheckForFile(file, true), FileFound);
    EXPECT_EQ(env.dialogs.asked.size(), 1u);
}

TEST(CheckForFile, FoldersAndEmptyPathsAreNotFiles) {
    TestEnvironment env;
    EXPECT_EQ(CheckForFile(env.folder.path(), false), FileNotFound);
    EXPECT_EQ(CheckForFile(QString(), false), FileNotFound);
}

TEST(InsertCDMessage, ThreeLinesNamingTheProgramAndTheDrive) {
    TestEnvironment env;
    DiscFixture disc(env);
    App().ApplicationDrive = QStringLiteral("D:");
    EXPECT_EQ(InsertCDMessage(), QStringLiteral("Cannot find the application CD.\r\n"
                                                "Please insert the VARNO Tessaly Software\r\n"
                                                "CD in CD drive D."));
    App().ApplicationDrive = QStringLiteral("/media/cdrom");
    EXPECT_TRUE(InsertCDMessage().endsWith(QStringLiteral("CD in CD drive /media/cdrom.")));
}

TEST(NativePath, BackslashesAndLetterCase) {
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("Graphics/Birthday/CakeS.bmp"), "x");
    QString windowsStyle = env.path(QStringLiteral("graphics\\birthday\\cakes.BMP"));
    EXPECT_EQ(NativePath(windowsStyle), file);
    EXPECT_TRUE(FileExistsNow(windowsStyle));
}
