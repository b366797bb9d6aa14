#include "editor/CreationScreen.h"
#include "app/AppState.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "card/AppModel.h"
#include "card/CardReader.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TargetScreen : public Screen {
public:
    explicit TargetScreen(int id) : Screen(id, 9510, 6825, 0) {}
};

// The editor on the built disc, with one of its sample cards opened.
class CreationScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = App();
        App().ApplicationDrive = BuiltDiscFolder();
        Model().dataManager = std::make_unique<DataManager>(
            QStringLiteral(TESSALY_BIN_DIR "/Tessaly.db"), BuiltDiscFolder());
        Navigator& navigator = Navigator::instance();
        navigator.reset();
        navigator.registerScreen(CreationScreenId, [] { return new CreationScreen; });
        for (int id : {WelcomeScreenId, DesignScreenId, PrintIntroScreenId}) {
            navigator.registerScreen(id, [id] { return new TargetScreen(id); });
        }
        navigator.setEndHandler([this] { ++ends; });
    }
    void TearDown() override {
        Navigator::instance().reset();
        Model().dataManager.reset();
        App() = saved;
    }

    // Opens the first sample card whose frame has the given orientation.
    CreationScreen* openSample(bool portrait) {
        // The editor refreshes itself when it takes over from another screen.
        ShowScreen(WelcomeScreenId);
        const QDir samples(BuiltDiscFolder() + QStringLiteral("/SamplePictureCards"));
        for (const QString& name :
             samples.entryList({QStringLiteral("*.ocd")}, QDir::Files, QDir::Name)) {
            App().CurrentCardFile = samples.filePath(name);
            if (ReadCardHeader() != 0 || !ReadCardObjects()) {
                continue;
            }
            const QString code = Model().dataManager->TheTemplateID().left(2);
            if ((code >= QLatin1String("F5")) == portrait) {
                Navigator::instance()
                    .screen(CreationScreenId)
                    ->setProperty("GetPhotoStuffFromFile", true);
                ShowScreen(CreationScreenId);
                return qobject_cast<CreationScreen*>(Navigator::instance().CurrentScreen.data());
            }
        }
        return nullptr;
    }

    TestEnvironment env;
    AppState saved;
    int ends = 0;
};

} // namespace

TEST_F(CreationScreenTest, ShowsTheOpenedCardOnItsFrame) {
    for (const bool portrait : {false, true}) {
        CreationScreen* editor = openSample(portrait);
        ASSERT_NE(editor, nullptr) << portrait;
        const QPixmap card = editor->cardArea()->pixmap();
        ASSERT_FALSE(card.isNull());
        EXPECT_EQ(card.size(), portrait ? QSize(167, 340) : QSize(465, 233));
        EXPECT_TRUE(Model().dataManager->SavedSinceChange());
        EXPECT_FALSE(editor->photoFromFile());
    }
}

TEST_F(CreationScreenTest, ChangeFrameOpensTheStyleScreenFromTheEditor) {
    CreationScreen* editor = openSample(false);
    ASSERT_NE(editor, nullptr);
    const int frame = Model().dataManager->TheTemplate();
    QTest::mouseClick(editor->changeFrameButton(), Qt::LeftButton);
    Screen* current = Navigator::instance().CurrentScreen;
    ASSERT_EQ(current->screenId(), DesignScreenId);
    EXPECT_TRUE(current->property("ComingFromCreation").toBool());
    EXPECT_EQ(Model().dataManager->TheTemplate(), frame);
}

TEST_F(CreationScreenTest, MainMenuAsksAboutUnsavedWorkAndCancelStays) {
    CreationScreen* editor = openSample(false);
    ASSERT_NE(editor, nullptr);
    Model().dataManager->setSavedSinceChange(false);
    env.dialogs.messageAnswers = {2};
    QTest::mouseClick(editor->ImageMainMenuButton, Qt::LeftButton);
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].text,
              QStringLiteral("You have not saved your work.\r\nDo you want to save it now?"));
    EXPECT_EQ(env.dialogs.asked[0].caption, QStringLiteral("Return to Main Menu"));
    EXPECT_EQ(Navigator::instance().CurrentScreen->screenId(), CreationScreenId);

    env.dialogs.messageAnswers = {7};
    QTest::mouseClick(editor->ImageMainMenuButton, Qt::LeftButton);
    EXPECT_EQ(Navigator::instance().CurrentScreen->screenId(), WelcomeScreenId);
}

TEST_F(CreationScreenTest, SaveWritesTheCardThatReadsBackTheSame) {
    CreationScreen* editor = openSample(true);
    ASSERT_NE(editor, nullptr);
    const int objects = Model().pictureObjects->Count();
    const QString copy = env.path(QStringLiteral("copy.ocd"));
    env.dialogs.fileAnswers = {copy};
    QTest::mouseClick(editor->ImageSaveButton, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(copy));
    EXPECT_EQ(App().CurrentCardFile, copy);
    EXPECT_EQ(ReadCardHeader(), 0);
    EXPECT_TRUE(ReadCardObjects());
    EXPECT_EQ(Model().pictureObjects->Count(), objects);
}

TEST_F(CreationScreenTest, ExitAsksAndEndsOnYes) {
    CreationScreen* editor = openSample(false);
    ASSERT_NE(editor, nullptr);
    env.dialogs.messageAnswers = {7};
    QTest::mouseClick(editor->CommandExit, Qt::LeftButton);
    EXPECT_EQ(ends, 0);
    env.dialogs.messageAnswers = {6};
    QTest::mouseClick(editor->CommandExit, Qt::LeftButton);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(env.dialogs.asked.back().text,
              QStringLiteral("Are you sure you want to quit the application?"));
}
