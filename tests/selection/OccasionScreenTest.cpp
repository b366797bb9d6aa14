#include "screens/selection/OccasionScreen.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "app/shell/ButtonSheet.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "card/AppModel.h"
#include "screens/selection/DesignScreen.h"
#include "tests/selection/SelectionFixture.h"

#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTimer>

namespace {

// The style screen, as far as the occasion screen is concerned: it notes how the occasion
// screen looked while the style screen was being loaded.
class WatchingDesignScreen : public RecordingScreen {
public:
    WatchingDesignScreen() : RecordingScreen(DesignScreenId) {}
    bool captionBoldAtLoad = false;
    int watchedSlot = -1;

protected:
    void Load() override {
        const auto* occasions = qobject_cast<OccasionScreen*>(Navigator::instance().PreviousScreen);
        captionBoldAtLoad = occasions && occasions->LabelOccasion(watchedSlot)->font().bold();
    }
};

QImage trimmedCell(int cell) {
    return ButtonSheet::sheet().copy((cell % ButtonSheet::Columns) * ButtonSheet::CellWidth,
                                     (cell / ButtonSheet::Columns) * ButtonSheet::CellHeight + 3,
                                     90, 39);
}

class OccasionScreenTest : public SelectionTest {
protected:
    void SetUp() override {
        SelectionTest::SetUp();
        Navigator::instance().registerScreen(DesignScreenId, [this] {
            auto* screen = new WatchingDesignScreen;
            screen->watchedSlot = watchedSlot;
            screen->setProperty("ComingFromCreation", true);
            design = screen;
            return screen;
        });
    }

    // Where a slot's button lies in the screen, so that a click lands on whatever is there.
    static QPoint slotCentre(int slot) {
        return occasionScreen()->CommandOccasion(slot)->geometry().center();
    }

    int watchedSlot = 0;
    WatchingDesignScreen* design = nullptr;
};

} // namespace

TEST_F(OccasionScreenTest, TwelveOccasionsFillEverySlotInCatalogueOrder) {
    addOccasions(12);
    openCatalogue();
    show(OccasionScreenId);
    OccasionScreen* screen = occasionScreen();
    ASSERT_NE(screen, nullptr);

    EXPECT_EQ(screen->windowTitle(), QStringLiteral("VARNO Tessaly Software - Occasions"));
    EXPECT_EQ(screen->LabelOccasionHead()->text(), Texts::at(401));
    EXPECT_FALSE(screen->isLoading());
    for (int slot = 0; slot < OccasionScreen::SlotCount; ++slot) {
        const QLabel* caption = screen->LabelOccasion(slot);
        EXPECT_EQ(caption->text(), QStringLiteral("Occasion %1").arg(slot));
        EXPECT_EQ(caption->font().pointSizeF(), 11);
        EXPECT_FALSE(caption->font().bold());
        EXPECT_TRUE(caption->isVisible());
        EXPECT_TRUE(screen->CommandOccasion(slot)->isVisible());
    }
    // Column slot div 4, row slot mod 4; captions 960 twips right and 120 lower.
    EXPECT_EQ(screen->CommandOccasion(6)->geometry(), QRect(224, 252, 53, 53));
    EXPECT_EQ(screen->LabelOccasion(6)->pos(), QPoint(288, 260));
    EXPECT_EQ(screen->ImageButtonHelp()->y(), 416);
    EXPECT_EQ(screen->ImageButtonCancel()->y(), 416);
}

TEST_F(OccasionScreenTest, ChoosingAnOccasionMarksItsCaptionRecordsItAndShowsTheStyleScreen) {
    addOccasions(12);
    openCatalogue();
    watchedSlot = 9;
    show(OccasionScreenId);

    clickAt(occasionScreen(), slotCentre(9));

    ASSERT_EQ(currentId(), DesignScreenId);
    ASSERT_NE(design, nullptr);
    EXPECT_TRUE(design->captionBoldAtLoad);
    EXPECT_FALSE(design->property("ComingFromCreation").toBool());
    EXPECT_EQ(design->displays, 1);
    EXPECT_EQ(Model().dataManager->CurrentOccasionIdx(), 9);
    EXPECT_EQ(Model().dataManager->CurrentOccasionID(), QStringLiteral("O9"));
}

TEST_F(OccasionScreenTest, SlotsBeyondTheCatalogueAreHiddenAndSelectNothing) {
    addOccasions(5);
    openCatalogue();
    Model().dataManager->setCurrentOccasionIndex(2);
    show(OccasionScreenId);
    OccasionScreen* screen = occasionScreen();

    for (int slot = 0; slot < OccasionScreen::SlotCount; ++slot) {
        EXPECT_EQ(screen->CommandOccasion(slot)->isVisible(), slot < 5) << slot;
        EXPECT_EQ(screen->LabelOccasion(slot)->isVisible(), slot < 5) << slot;
    }
    clickAt(screen, slotCentre(7));
    clickAt(screen, slotCentre(11));

    EXPECT_EQ(currentId(), OccasionScreenId);
    EXPECT_EQ(Model().dataManager->CurrentOccasionIdx(), 2);
}

TEST_F(OccasionScreenTest, OccasionsBeyondTwelveHaveNoSlot) {
    addOccasions(14);
    openCatalogue();
    show(OccasionScreenId);
    OccasionScreen* screen = occasionScreen();

    EXPECT_EQ(screen->LabelOccasion(11)->text(), QStringLiteral("Occasion 11"));
    EXPECT_EQ(screen->findChildren<PictureButton*>().size(), OccasionScreen::SlotCount + 2);
    clickAt(screen, slotCentre(11));
    EXPECT_EQ(Model().dataManager->CurrentOccasionIdx(), 11);
}

TEST_F(OccasionScreenTest, ACatalogueWithFewerThanTwoOccasionsSendsTheUserBack) {
    struct Case {
        const char* what;
        int occasions;
        bool catalogueFileExists;
    };
    const Case cases[] = {
        {"one occasion", 1, true}, {"no occasions", 0, true}, {"no catalogue", 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rows = {};
        addOccasions(c.occasions);
        openCatalogue();
        if (!c.catalogueFileExists) {
            QFile::remove(catalogueFile);
            Model().dataManager = std::make_unique<DataManager>(catalogueFile, discRoot);
        }
        dialogs.asked.clear();
        show(OccasionScreenId);
        OccasionScreen* screen = occasionScreen();
        ASSERT_NE(screen, nullptr);
        EXPECT_TRUE(screen->isLoading());
        EXPECT_TRUE(screen->LabelOccasion(0)->text().isEmpty());

        ASSERT_TRUE(waitForScreen(WelcomeScreenId));
        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("message"));
        EXPECT_EQ(dialogs.asked[0].text, QStringLiteral("Serious problems have occured"));
        EXPECT_EQ(dialogs.asked[0].buttons, 0);
        EXPECT_EQ(dialogs.asked[0].caption, QString());
    }
}

TEST_F(OccasionScreenTest, EscapeDoesNothingWhileLoadingAndCancelsAfterwards) {
    addOccasions(1);
    openCatalogue();
    show(OccasionScreenId);
    // Held in its loading state: the catalogue let it load no further.
    occasionScreen()->tmrBugOut()->stop();
    QTest::keyClick(occasionScreen(), Qt::Key_Escape);
    EXPECT_EQ(currentId(), OccasionScreenId);

    rows = {};
    addOccasions(3);
    openCatalogue();
    show(WelcomeScreenId);
    show(OccasionScreenId);
    ASSERT_FALSE(occasionScreen()->isLoading());
    QTest::keyClick(occasionScreen(), Qt::Key_Escape);
    EXPECT_EQ(currentId(), WelcomeScreenId);
}

TEST_F(OccasionScreenTest, CancelReturnsToTheWelcomeScreen) {
    addOccasions(3);
    openCatalogue();
    show(OccasionScreenId);
    QTest::mouseClick(occasionScreen()->ImageButtonCancel(), Qt::LeftButton);
    EXPECT_EQ(currentId(), WelcomeScreenId);
    EXPECT_EQ(Model().dataManager->CurrentOccasionIdx(), 0);
}

TEST_F(OccasionScreenTest, CaptionsAndMouseMovesSelectNothing) {
    addOccasions(4);
    openCatalogue();
    Model().dataManager->setCurrentOccasionIndex(3);
    show(OccasionScreenId);
    OccasionScreen* screen = occasionScreen();

    QTest::mouseMove(screen, slotCentre(1));
    clickAt(screen, screen->LabelOccasion(1)->geometry().center());
    QTest::mouseMove(screen, screen->LabelOccasion(2)->geometry().center());

    EXPECT_EQ(currentId(), OccasionScreenId);
    EXPECT_EQ(Model().dataManager->CurrentOccasionIdx(), 3);
    EXPECT_FALSE(screen->LabelOccasion(1)->font().bold());
}

TEST_F(OccasionScreenTest, EveryVisitStartsANewEmptyCard) {
    addOccasions(2);
    openCatalogue();
    Model().BeginNewCard();
    Model().pictureObjects->Add(1, PictureObject::ArtObject, 0, 0, 10, 10, false, 0, 100, 100, 0,
                                150, 150, nullptr, 0, nullptr, QStringLiteral("\\Art\\cake"), 0, 0);
    Model().photoManager->UseNewPhoto(QStringLiteral("/photos/party.jpg"));
    const auto oldObjects = Model().pictureObjects;
    const auto oldPhoto = Model().photoManager;
    App().CurrentCardFile = QStringLiteral("/cards/party.ocd");
    Model().dataManager->setSavedSinceChange(false);

    show(OccasionScreenId);

    EXPECT_NE(Model().pictureObjects, oldObjects);
    EXPECT_EQ(Model().pictureObjects->Count(), 0);
    ASSERT_NE(Model().photoManager, nullptr);
    EXPECT_NE(Model().photoManager, oldPhoto);
    EXPECT_TRUE(Model().photoManager->PhotoInProcess.isEmpty());
    EXPECT_TRUE(App().CurrentCardFile.isEmpty());
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());
}

TEST_F(OccasionScreenTest, HelpOpensTheScreensTopic) {
    addOccasions(2);
    openCatalogue();
    show(OccasionScreenId);
    QTest::mouseClick(occasionScreen()->ImageButtonHelp(), Qt::LeftButton);

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("help"));
    EXPECT_EQ(dialogs.asked[0].text, discRoot + QStringLiteral("/Quillon.hlp"));
    EXPECT_EQ(dialogs.asked[0].context, 131169);
    EXPECT_EQ(currentId(), OccasionScreenId);
}

TEST_F(OccasionScreenTest, HelpAndCancelShowTheirTrimmedCellsAndThePressedLookWhileHeld) {
    addOccasions(2);
    openCatalogue();
    show(OccasionScreenId);
    OccasionScreen* screen = occasionScreen();
    PictureButton* help = screen->ImageButtonHelp();
    PictureButton* cancel = screen->ImageButtonCancel();
    ASSERT_EQ(help->size(), QSize(90, 39));
    ASSERT_EQ(cancel->size(), QSize(90, 39));
    const auto shown = [screen](PictureButton* button) {
        return screen->grab(button->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    // The cells are partly transparent: what the screen shows is the cell over the background.
    const auto cellOverBackground = [&](PictureButton* button, int cell) {
        button->hide();
        QImage expected = shown(button);
        button->show();
        QPainter painter(&expected);
        painter.drawImage(0, 0, trimmedCell(cell));
        return expected;
    };

    EXPECT_EQ(shown(help), cellOverBackground(help, 48));
    EXPECT_EQ(shown(cancel), cellOverBackground(cancel, 49));
    QTest::mousePress(cancel, Qt::LeftButton);
    EXPECT_EQ(shown(cancel), cellOverBackground(cancel, 61));
    QTest::mouseRelease(cancel, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(shown(cancel), cellOverBackground(cancel, 49));
    EXPECT_EQ(currentId(), OccasionScreenId);
}
