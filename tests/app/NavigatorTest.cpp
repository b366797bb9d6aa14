#include "app/shell/Navigator.h"
#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/ProgressDisplay.h"
#include "app/shell/Screen.h"
#include "app/shell/Twips.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList eventLog;

class RecordingScreen : public Screen {
public:
    explicit RecordingScreen(int id)
        : Screen(id, 9510, 6825, 400), progress(new ProgressDisplay(this)) {
        progress->setGeometry(Twips::rect(300, 300, 3030, 345));
    }
    ~RecordingScreen() override { eventLog << QStringLiteral("destroyed %1").arg(screenId()); }

    void Display() override {
        // Whatever screen was current before must be hidden but not yet unloaded.
        const Screen* previous = Navigator::instance().PreviousScreen;
        eventLog << QStringLiteral("display %1 previous %2")
                        .arg(screenId())
                        .arg(previous == nullptr     ? QStringLiteral("none")
                             : previous->isVisible() ? QStringLiteral("visible")
                                                     : QStringLiteral("hidden"));
    }
    ProgressDisplay* progressDisplay() override { return progress; }

    using Screen::setBusy;
    using Screen::setLoading;
    int cancels = 0;

protected:
    void Load() override {
        eventLog << QStringLiteral("load %1 visible %2").arg(screenId()).arg(isVisible());
    }
    void CancelRequested() override { ++cancels; }

private:
    ProgressDisplay* progress;
};

class NavigatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        eventLog.clear();
        Navigator& navigator = Navigator::instance();
        navigator.reset();
        for (int id = 1; id <= 7; ++id) {
            navigator.registerScreen(id, [id] { return new RecordingScreen(id); });
        }
        navigator.setEndHandler([this] { ++ends; });
    }
    void TearDown() override {
        Navigator::instance().reset();
        BusyCursorOff();
    }

    static RecordingScreen* current() {
        return static_cast<RecordingScreen*>(Navigator::instance().CurrentScreen.data());
    }
    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestEnvironment env;
    int ends = 0;
};

} // namespace

TEST_F(NavigatorTest, ShowScreenShowsTheNewScreenAndUnloadsTheOld) {
    ShowScreen(2);
    QPointer<Screen> welcome = Navigator::instance().CurrentScreen;
    ASSERT_TRUE(welcome);
    EXPECT_TRUE(welcome->isVisible());
    EXPECT_TRUE(welcome->isEnabled());
    ShowScreen(3);
    flushDeletes();
    EXPECT_TRUE(welcome.isNull());
    EXPECT_EQ(current()->screenId(), 3);
    EXPECT_TRUE(current()->isVisible());
    EXPECT_TRUE(Navigator::instance().PreviousScreen.isNull());
    EXPECT_FALSE(BusyCursorShown());
    EXPECT_EQ(eventLog,
              (QStringList{QStringLiteral("load 2 visible 0"), QStringLiteral("load 3 visible 0"),
                           QStringLiteral("destroyed 2")}));
}

TEST_F(NavigatorTest, DisplayRunsForStyleAndEditorAfterOldIsHiddenBeforeItIsUnloaded) {
    ShowScreen(3);
    ShowScreen(4);
    ShowScreen(5);
    ShowScreen(6);
    flushDeletes();
    const QStringList displays = eventLog.filter(QStringLiteral("display"));
    EXPECT_EQ(displays, (QStringList{QStringLiteral("display 4 previous hidden"),
                                     QStringLiteral("display 5 previous hidden")}));
    // Display of 4 comes before screen 3 is destroyed.
    EXPECT_LT(eventLog.indexOf(QStringLiteral("display 4 previous hidden")),
              eventLog.indexOf(QStringLiteral("destroyed 3")));
}

TEST_F(NavigatorTest, EveryEntryStartsFromTheLoadHandler) {
    ShowScreen(2);
    ShowScreen(3);
    ShowScreen(2);
    flushDeletes();
    EXPECT_EQ(eventLog.filter(QStringLiteral("load 2")).size(), 2);
}

TEST_F(NavigatorTest, CaptionIsPreparedBehindTheProgramTitle) {
    ShowScreen(3);
    EXPECT_EQ(current()->windowTitle(), Texts::at(2001) + Texts::at(400));
    EXPECT_FALSE(current()->windowIcon().isNull());
    EXPECT_EQ(current()->size(), Twips::size(9510, 6825));
}

TEST_F(NavigatorTest, ShowScreenElevenEndsWithoutAsking) {
    ShowScreen(4);
    QPointer<Screen> style = Navigator::instance().CurrentScreen;
    ShowScreen(11);
    flushDeletes();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(style.isNull());
    EXPECT_TRUE(env.dialogs.asked.empty());
}

TEST_F(NavigatorTest, ClosingByTheUserAsksAndNoKeepsEverything) {
    ShowScreen(5);
    env.dialogs.messageAnswers = {7};
    current()->close();
    EXPECT_TRUE(current()->isVisible());
    EXPECT_EQ(ends, 0);
    ASSERT_EQ(env.dialogs.asked.size(), 1u);
    EXPECT_EQ(env.dialogs.asked[0].text,
              QStringLiteral("Are you sure you want to quit the application?"));
    EXPECT_EQ(env.dialogs.asked[0].buttons, 52);
    EXPECT_EQ(env.dialogs.asked[0].caption, QStringLiteral("Exit"));

    env.dialogs.messageAnswers = {6};
    current()->close();
    EXPECT_EQ(ends, 1);
}

TEST_F(NavigatorTest, EscapeIsCancelExceptWhileLoadingOrBusy) {
    ShowScreen(3);
    RecordingScreen* screen = current();
    QTest::keyClick(screen, Qt::Key_Escape);
    EXPECT_EQ(screen->cancels, 1);
    screen->setBusy(true);
    QTest::keyClick(screen, Qt::Key_Escape);
    screen->setBusy(false);
    screen->setLoading(true);
    QTest::keyClick(screen, Qt::Key_Escape);
    EXPECT_EQ(screen->cancels, 1);
}

TEST_F(NavigatorTest, ShowProgressDrawsOnTheOwnerOnly) {
    ShowProgress(50); // no owner: nothing happens
    ShowScreen(5);
    RecordingScreen* screen = current();
    ProgressDisplay* progress = screen->progressDisplay();
    Navigator::instance().ProgressOwner = screen;
    ShowProgress(150);
    EXPECT_EQ(progress->text(), QStringLiteral("100%"));
    EXPECT_EQ(progress->innerWidthTwips(), Twips::fromPixels(progress->width()) - 30);
    ShowProgress(50);
    EXPECT_EQ(progress->innerWidthTwips(), (Twips::fromPixels(progress->width()) - 30) / 2);
    const int textWidth =
        Twips::fromPixels(progress->fontMetrics().horizontalAdvance(QStringLiteral("50%")));
    EXPECT_NEAR(progress->textLeftTwips(), (Twips::fromPixels(progress->width()) - textWidth) / 2.0,
                0.5);
}
