#include "app/shell/SplashScreen.h"
#include "app/AppState.h"
#include "app/shell/Navigator.h"
#include "app/shell/Twips.h"
#include "card/AppModel.h"
#include "tests/common/TestSupport.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RecordingScreen : public Screen {
public:
    explicit RecordingScreen(int id, int* loads) : Screen(id, 9510, 6825, 0), loads(loads) {}

protected:
    void Load() override { ++*loads; }

private:
    int* loads;
};

class SplashScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = App();
        Navigator& navigator = Navigator::instance();
        navigator.reset();
        navigator.registerScreen(SplashScreenId, [] { return new SplashScreen; });
        navigator.registerScreen(WelcomeScreenId, [this] {
            return new RecordingScreen(WelcomeScreenId, &welcomeLoads);
        });
        navigator.registerScreen(CreationScreenId, [this] {
            return new RecordingScreen(CreationScreenId, &editorLoads);
        });
    }
    void TearDown() override {
        Navigator::instance().reset();
        Model().dataManager.reset();
        App() = saved;
    }

    SplashScreen* show() {
        ShowScreen(SplashScreenId);
        return qobject_cast<SplashScreen*>(Navigator::instance().CurrentScreen.data());
    }

    TestEnvironment env;
    AppState saved;
    int welcomeLoads = 0;
    int editorLoads = 0;
};

} // namespace

TEST_F(SplashScreenTest, BorderlessPictureWithTheVersion) {
    SplashScreen* splash = show();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->size(), Twips::size(7410, 5805));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->versionLabel()->text(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(splash->versionLabel()->geometry(), Twips::rect(4980, 5415, 2295, 255));
    EXPECT_TRUE(splash->waiting());
}

TEST_F(SplashScreenTest, ClickHandsOverAtOnceAndOnlyOnce) {
    SplashScreen* splash = show();
    QTest::mouseClick(splash, Qt::LeftButton);
    EXPECT_EQ(Navigator::instance().CurrentScreen->screenId(), WelcomeScreenId);
    EXPECT_FALSE(splash->waiting());
    QTest::mouseClick(splash, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(welcomeLoads, 1);
}

TEST_F(SplashScreenTest, InvalidCommandLineCardLeadsToTheWelcomeScreenWithItsProblem) {
    App().CurrentCardFile = env.writeFile(QStringLiteral("notes.ocd"), "just some notes\r\n");
    SplashScreen* splash = show();
    QTest::mouseClick(splash, Qt::LeftButton);
    Screen* current = Navigator::instance().CurrentScreen;
    ASSERT_EQ(current->screenId(), WelcomeScreenId);
    EXPECT_EQ(current->property("miLoadProblems").toInt(), 3);
    EXPECT_EQ(editorLoads, 0);
}

TEST_F(SplashScreenTest, ValidCommandLineCardOpensInTheEditor) {
    App().ApplicationDrive = BuiltDiscFolder();
    Model().dataManager = std::make_unique<DataManager>(
        QStringLiteral(TESSALY_BIN_DIR "/Tessaly.db"), BuiltDiscFolder());
    App().CurrentCardFile = BuiltDiscFolder() + QStringLiteral("/SamplePictureCards/Best Dad.ocd");
    SplashScreen* splash = show();
    QTest::mouseClick(splash, Qt::LeftButton);
    Screen* current = Navigator::instance().CurrentScreen;
    ASSERT_EQ(current->screenId(), CreationScreenId);
    EXPECT_TRUE(current->property("GetPhotoStuffFromFile").toBool());
    EXPECT_GT(Model().pictureObjects->Count(), 0);
    EXPECT_EQ(welcomeLoads, 0);
}
