#include "app/welcome/WelcomeScreen.h"
#include "app/AppState.h"
#include "app/Texts.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "app/shell/Twips.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Stands for the screens the welcome screen leads to.
class TargetScreen : public Screen {
public:
    explicit TargetScreen(int id) : Screen(id, 9510, 6825, 0) {}
};

class WelcomeScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = App();
        App().ApplicationDrive = env.path(QStringLiteral("disc"));
        Navigator& navigator = Navigator::instance();
        navigator.reset();
        navigator.registerScreen(WelcomeScreenId, [] { return new WelcomeScreen; });
        for (int id : {OccasionScreenId, CreationScreenId}) {
            navigator.registerScreen(id, [id] { return new TargetScreen(id); });
        }
        navigator.setEndHandler([this] { ++ends; });
    }
    void TearDown() override {
        Navigator::instance().reset();
        App() = saved;
    }

    WelcomeScreen* show() {
        ShowScreen(WelcomeScreenId);
        return qobject_cast<WelcomeScreen*>(Navigator::instance().CurrentScreen.data());
    }
    static int currentId() { return Navigator::instance().CurrentScreen->screenId(); }

    TestEnvironment env;
    AppState saved;
    int ends = 0;
};

} // namespace

TEST_F(WelcomeScreenTest, LaysOutItsControlsAndCaption) {
    WelcomeScreen* welcome = show();
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(welcome->windowTitle(), Texts::at(2001) + QStringLiteral("Main Menu"));
    EXPECT_EQ(welcome->size(), Twips::size(7305, 5025));
    EXPECT_EQ(welcome->ImageExitButton->cell(), 50);
    EXPECT_EQ(welcome->ImageAboutButton->cell(), 5);
    // About mirrors Exit: as far from the left side as Exit's right edge is from the right side.
    EXPECT_EQ(welcome->ImageAboutButton->x(),
              welcome->width() - welcome->ImageExitButton->geometry().right() - 1);
    EXPECT_FALSE(welcome->Picture1->isVisible());
    EXPECT_LT(welcome->PicturePleaseWait->x(), 0);
}

TEST_F(WelcomeScreenTest, CreateNewCardGoesToTheOccasionScreen) {
    WelcomeScreen* welcome = show();
    QTest::mouseClick(welcome->CreateNewCard, Qt::LeftButton);
    EXPECT_EQ(currentId(), OccasionScreenId);
}

TEST_F(WelcomeScreenTest, ProblemOfACommandLineCardIsShownOnceAndForgotten) {
    App().CurrentCardFile = env.path(QStringLiteral("notacard.ocd"));
    Navigator::instance().screen(WelcomeScreenId)->setProperty("miLoadProblems", 4);
    WelcomeScreen* welcome = show();
    EXPECT_EQ(env.dialogs.messages(),
              QStringList{QStringLiteral("This file is not a VARNO Picture Card.")});
    EXPECT_EQ(env.dialogs.asked[0].buttons, 0);
    EXPECT_EQ(App().CurrentCardFile, QString());
    EXPECT_EQ(welcome->loadProblems(), 0);
}

TEST_F(WelcomeScreenTest, CancelledOpenChangesNothingAndButtonsWorkAgain) {
    WelcomeScreen* welcome = show();
    QTest::mouseClick(welcome->OpenCard, Qt::LeftButton);
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].kind, QStringLiteral("open"));
    EXPECT_EQ(currentId(), WelcomeScreenId);
    EXPECT_FALSE(welcome->isBusy());
    QTest::mouseClick(welcome->CreateNewCard, Qt::LeftButton);
    EXPECT_EQ(currentId(), OccasionScreenId);
}

TEST_F(WelcomeScreenTest, OpeningAFileThatIsNotACardShowsTheMessageAndStays) {
    WelcomeScreen* welcome = show();
    env.dialogs.fileAnswers = {env.writeFile(QStringLiteral("letter.ocd"), "Dear Grandma,\r\n")};
    QTest::mouseClick(welcome->OpenCard, Qt::LeftButton);
    EXPECT_EQ(env.dialogs.messages(),
              QStringList{QStringLiteral("This file is not a VARNO Picture Card.")});
    EXPECT_EQ(currentId(), WelcomeScreenId);
    EXPECT_FALSE(welcome->isBusy());
}

TEST_F(WelcomeScreenTest, ExitIsIgnoredWhileAboutIsShownAndNoGoesOn) {
    WelcomeScreen* welcome = show();
    QTest::mouseClick(welcome->ImageAboutButton, Qt::LeftButton);
    ASSERT_TRUE(welcome->Picture1->isVisible());
    EXPECT_TRUE(welcome->VersionNumber->isVisible());
    EXPECT_EQ(welcome->VersionNumber->text(), QStringLiteral("Version 1.0"));
    QTest::mouseClick(welcome->ImageExitButton, Qt::LeftButton);
    EXPECT_TRUE(env.dialogs.asked.empty());

    QTest::mouseClick(welcome->Picture1, Qt::LeftButton);
    EXPECT_FALSE(welcome->Picture1->isVisible());
    env.dialogs.messageAnswers = {7};
    QTest::mouseClick(welcome->ImageExitButton, Qt::LeftButton);
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].text,
              QStringLiteral("Would you like to quit this application?"));
    EXPECT_EQ(env.dialogs.asked[0].buttons, 4);
    EXPECT_EQ(ends, 0);

    env.dialogs.messageAnswers = {6};
    QTest::mouseClick(welcome->ImageExitButton, Qt::LeftButton);
    EXPECT_EQ(ends, 1);
}

TEST_F(WelcomeScreenTest, EnterClosesTheAboutPanel) {
    WelcomeScreen* welcome = show();
    QTest::mouseClick(welcome->ImageAboutButton, Qt::LeftButton);
    QTest::keyClick(welcome, Qt::Key_Return);
    EXPECT_FALSE(welcome->Picture1->isVisible());
}

TEST_F(WelcomeScreenTest, DemonstrationRunsAndBlocksUntilItEnds) {
    const QString marker = env.path(QStringLiteral("demo-ran"));
    const QString script = env.writeFile(QStringLiteral("disc/What you can do/vimble"),
                                         "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    WelcomeScreen* welcome = show();
    QTest::mouseClick(welcome->SeeWhatYouCanDo, Qt::LeftButton);
    // The click returns only after the program has ended; the please-wait picture stays a moment.
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_EQ(welcome->PicturePleaseWait->pos(), Twips::point(2670, 2610));
    EXPECT_TRUE(env.dialogs.asked.empty());
    // A second click while the picture shows does nothing.
    QFile::remove(marker);
    QTest::mouseClick(welcome->SeeWhatYouCanDo, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(marker));
}

TEST_F(WelcomeScreenTest, MissingDemonstrationReportsASystemError) {
    WelcomeScreen* welcome = show();
    QTest::mouseClick(welcome->SeeWhatYouCanDo, Qt::LeftButton);
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(
        env.dialogs.asked[0].text,
        QStringLiteral("There has been a critical system error. Utilities:WaitForProcessToEnd"));
    EXPECT_EQ(env.dialogs.asked[0].caption, QStringLiteral("System Error"));
}
