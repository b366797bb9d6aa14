#include "screens/selection/DesignScreen.h"

#include "app/AppState.h"
#include "app/Media.h"
#include "app/Texts.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "app/shell/Twips.h"
#include "card/AppModel.h"
#include "platform/ImagingView.h"
#include "screens/selection/OccasionScreen.h"
#include "screens/selection/StyleClickCatcher.h"
#include "tests/selection/SelectionFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {

const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
const QString longName = QStringLiteral("Rainbow Sprinkles and Streamers");

// The thumbnails' places and sizes, twips.
const QRect thumbnailTwips[DesignScreen::FrameCount] = {
    {2370, 2070, 2190, 1080}, {4275, 4605, 2190, 1080}, {6990, 2040, 2190, 1080},
    {4860, 2040, 1080, 2190}, {2700, 3480, 1080, 2190}, {7560, 3480, 1080, 2190},
};

QRect highlightAround(int frame) {
    const QRect& t = thumbnailTwips[frame];
    return Twips::rect(t.left() - 15, t.top() - 15, t.width() + 30, t.height() + 45);
}

QString joined(std::initializer_list<int> numbers) {
    QStringList lines;
    for (int number : numbers) {
        lines.append(Texts::at(number));
    }
    return lines.join(QStringLiteral("\r\n"));
}

class DesignScreenTest : public SelectionTest {
protected:
    // Occasion O<occasion> gets `count` styles named prefix + number; returns their IDs.
    QStringList addStyles(int occasion, int count, const QString& prefix) {
        QStringList ids;
        for (int k = 0; k < count; ++k) {
            ids.append(addStyle(QStringLiteral("O%1").arg(occasion), prefix + QString::number(k),
                                colours[(rows.styles.size()) % 6]));
        }
        return ids;
    }

    QString expectedPath(const QString& styleId, int frame) const {
        return discRoot + QStringLiteral("\\Graphics") + framePath(styleId, frame);
    }
    QStringList expectedPaths(const QString& styleId) const {
        QStringList paths;
        for (int frame = 0; frame < DesignScreen::FrameCount; ++frame) {
            paths.append(expectedPath(styleId, frame));
        }
        return paths;
    }
    static QStringList shownPaths() {
        QStringList paths;
        for (int frame = 0; frame < DesignScreen::FrameCount; ++frame) {
            paths.append(designScreen()->LeadDesignTemplate(frame)->control().BitmapDataPath());
        }
        return paths;
    }

    // The way to the screen for a new card: the occasion screen's slot.
    void enterForNewCard(int occasion) {
        show(OccasionScreenId);
        QTest::mouseClick(occasionScreen()->CommandOccasion(occasion), Qt::LeftButton);
        ASSERT_EQ(currentId(), DesignScreenId);
    }

    // The way back from the editor's "Change Frame...".
    void enterFromEditor() {
        show(CreationScreenId);
        Navigator::instance().screen(DesignScreenId)->setProperty("ComingFromCreation", true);
        show(DesignScreenId);
        ASSERT_EQ(currentId(), DesignScreenId);
    }

    // A click on a style's row, `below` pixels under the row's top, where the page's click
    // catcher turns it into a style.
    static void clickStyle(int row, int below = 2) {
        DesignScreen* screen = designScreen();
        StyleClickCatcher* catcher = screen->lblInvisible(row >= 9 ? 1 : 0);
        const int y = screen->LabelStyle(row)->y() + below - catcher->y();
        QTest::mouseClick(catcher, Qt::LeftButton, {}, QPoint(10, y));
    }

    static void clickFrame(int frame) {
        clickAt(designScreen(), designScreen()->LeadDesignTemplate(frame)->geometry().center());
    }

    static QRect badgeRect() { return designScreen()->picSelect()->geometry(); }

    // The user closes the current screen's window: No keeps it, Yes ends the program.
    void expectCloseAsksWhetherToQuit();

    void putOnCard(bool photo, QVector<QRect> objects) {
        Model().BeginNewCard();
        if (photo) {
            Model().photoManager->UseNewPhoto(QStringLiteral("/photos/picnic.jpg"));
        }
        qint16 index = 1;
        for (const QRect& box : objects) {
            Model().pictureObjects->Add(index++, PictureObject::ArtObject, 0, 0, 10, 10, false, 0,
                                        box.left(), box.top(), 0, box.width(), box.height(),
                                        nullptr, 0, nullptr, QStringLiteral("\\Art\\sun"), 0, 0);
        }
    }

    // The card's selection as the editor leaves it before showing this screen.
    static void selectOnCard(int occasion, int style, int frame) {
        DataManager& data = *Model().dataManager;
        data.setCurrentOccasionIndex(occasion);
        data.setCurrentStyleIndex(style);
        data.setTheTemplate(frame);
    }
};

} // namespace

TEST_F(DesignScreenTest, ANewCardShowsTheOccasionsStylesAndTheFirstStylesFrames) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 3, QStringLiteral("Style "));
    addStyles(1, 2, QStringLiteral("Other "));
    openCatalogue();
    enterForNewCard(0);
    DesignScreen* screen = designScreen();

    EXPECT_EQ(screen->windowTitle(), QStringLiteral("VARNO Tessaly Software - Frames"));
    EXPECT_FALSE(screen->isLoading());
    EXPECT_TRUE(screen->ComboOccasions()->isVisible());
    EXPECT_EQ(screen->ComboOccasions()->count(), 2);
    EXPECT_EQ(screen->ComboOccasions()->currentText(), QStringLiteral("Occasion 0"));
    EXPECT_EQ(screen->lblOccasions(0)->text(), QStringLiteral("Occasions"));
    EXPECT_EQ(screen->lblOccasions(1)->text(), QStringLiteral("Frame Styles"));
    EXPECT_EQ(screen->lblOccasions(1)->y(), 64);
    EXPECT_TRUE(screen->lblOccasions(1)->font().bold());
    EXPECT_EQ(screen->LabelHeadText()->text(), Texts::at(201));
    EXPECT_EQ(screen->lblBlankCard(0)->text(), QStringLiteral("Blank cards"));
    EXPECT_EQ(screen->lblBlankCard(1)->text(), QStringLiteral("Picture cards"));
    for (int row = 0; row < DesignScreen::StyleLabelCount; ++row) {
        EXPECT_EQ(screen->LabelStyle(row)->isVisible(), row < 3) << row;
    }
    EXPECT_EQ(screen->LabelStyle(2)->text(), QStringLiteral("Style 2"));

    EXPECT_EQ(screen->selectedStyleRow(), 0);
    EXPECT_TRUE(screen->picSelect()->isVisible());
    EXPECT_EQ(screen->lblPicStyle()->text(), QStringLiteral("Style 0"));
    EXPECT_TRUE(screen->lblPicStyle()->font().bold());
    EXPECT_EQ(badgeRect().top(), screen->LabelStyle(0)->y() - 8);

    EXPECT_EQ(shownPaths(), expectedPaths(ids[0]));
    for (int frame = 0; frame < DesignScreen::FrameCount; ++frame) {
        EXPECT_TRUE(screen->LeadDesignTemplate(frame)->isVisible());
        EXPECT_EQ(screen->LeadDesignTemplate(frame)->geometry(),
                  Twips::rect(thumbnailTwips[frame].left(), thumbnailTwips[frame].top(),
                              thumbnailTwips[frame].width(), thumbnailTwips[frame].height()));
        EXPECT_GT(screen->LeadDesignTemplate(frame)->control().BitmapHeight(), 0);
    }
    EXPECT_TRUE(screen->ShapeHiLite()->isVisible());
    EXPECT_EQ(screen->ShapeHiLite()->geometry(), highlightAround(0));
    EXPECT_FALSE(screen->Picture1()->isVisible());
    EXPECT_EQ(Model().dataManager->TheTemplate(), 0);
    EXPECT_EQ(Model().dataManager->CurrentStyleID(), ids[0]);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(DesignScreenTest, ChoosingAStyleLoadsItsFramesBehindACoverOfTheOldOnes) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 3, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    DesignScreen* screen = designScreen();
    clickFrame(4);

    bool coverShownWhileLoading = false;
    bool thumbnailsHiddenWhileLoading = false;
    QRect coverPlace;
    QObject::connect(&screen->LeadDesignTemplate(0)->control(), &ImagingControl::imageChanged,
                     screen, [&] {
                         coverShownWhileLoading = screen->Picture1()->isVisible() &&
                                                  !screen->Picture1()->pixmap().isNull();
                         thumbnailsHiddenWhileLoading = !screen->LeadDesignTemplate(0)->isVisible();
                         coverPlace = screen->Picture1()->geometry();
                     });
    clickStyle(2);

    EXPECT_TRUE(coverShownWhileLoading);
    EXPECT_TRUE(thumbnailsHiddenWhileLoading);
    EXPECT_EQ(coverPlace, Twips::rect(2310, 1980, 6930, 3735));
    EXPECT_FALSE(screen->Picture1()->isVisible());
    EXPECT_EQ(screen->selectedStyleRow(), 2);
    EXPECT_EQ(Model().dataManager->CurrentStyleID(), ids[2]);
    EXPECT_EQ(shownPaths(), expectedPaths(ids[2]));
    EXPECT_TRUE(screen->LeadDesignTemplate(0)->isVisible());
    EXPECT_EQ(screen->lblPicStyle()->text(), QStringLiteral("Style 2"));
    EXPECT_EQ(badgeRect().top(), screen->LabelStyle(2)->y() - 8);
    // The frame chosen before stays chosen.
    EXPECT_EQ(screen->ShapeHiLite()->geometry(), highlightAround(4));
    EXPECT_EQ(Model().dataManager->TheTemplate(), 4);
    EXPECT_TRUE(screen->ComboOccasions()->isEnabled());
    EXPECT_FALSE(screen->isBusy());
}

TEST_F(DesignScreenTest, ChoosingTheStyleThatIsAlreadyChosenDoesNothing) {
    addOccasions(2);
    addStyles(0, 3, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    // Moved behind the screen's back, so that a second choice of row 0 would show.
    Model().dataManager->setCurrentStyleIndex(1);

    clickStyle(0);

    EXPECT_EQ(Model().dataManager->CurrentStyleIndex(), 1);
    EXPECT_EQ(designScreen()->selectedStyleRow(), 0);
}

TEST_F(DesignScreenTest, ALongNameWrapsAndClicksFollowTheRowsActualTops) {
    addOccasions(2);
    addStyle(QStringLiteral("O0"), QStringLiteral("Style 0"), Qt::red);
    addStyle(QStringLiteral("O0"), longName, Qt::green);
    addStyle(QStringLiteral("O0"), QStringLiteral("Style 2"), Qt::blue);
    addStyle(QStringLiteral("O0"), QStringLiteral("Style 3"), Qt::cyan);
    openCatalogue();
    enterForNewCard(0);
    DesignScreen* screen = designScreen();
    QLabel* wrapped = screen->LabelStyle(1);
    const int extraLine = wrapped->height() - 21;
    ASSERT_GT(extraLine, 10);
    EXPECT_EQ(screen->LabelStyle(2)->y(), wrapped->y() + 33 + extraLine);
    EXPECT_EQ(screen->LabelStyle(3)->y(), screen->LabelStyle(2)->y() + 33);

    const auto clickScreenAt = [screen](int y) { clickAt(screen, QPoint(40, y)); };
    clickScreenAt(wrapped->y() + 21 + extraLine / 2); // on the name's second line
    EXPECT_EQ(screen->selectedStyleRow(), 1);
    clickScreenAt(screen->LabelStyle(2)->y());
    EXPECT_EQ(screen->selectedStyleRow(), 2);
    const QWidget* catcher = screen->lblInvisible(0);
    clickScreenAt(catcher->geometry().bottom()); // below the last name
    EXPECT_EQ(screen->selectedStyleRow(), 3);
    clickScreenAt(catcher->y() + 1); // above the first name
    EXPECT_EQ(screen->selectedStyleRow(), 0);
    EXPECT_EQ(Model().dataManager->CurrentStyleIndex(), 0);
}

TEST_F(DesignScreenTest, EighteenStylesFillBothPagesAndTheArrowsTurnThePages) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 19, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    DesignScreen* screen = designScreen();
    QWidget* page = screen->PictureMoreStyles();
    EXPECT_EQ(screen->LabelStyle(17)->text(), QStringLiteral("Style 17"));
    for (int row = 0; row < DesignScreen::StyleLabelCount; ++row) {
        EXPECT_NE(screen->LabelStyle(row)->text(), QStringLiteral("Style 18"));
    }
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(screen->LabelStyle(9)->parentWidget(), page);
    EXPECT_EQ(screen->LabelStyle(9)->pos(), QPoint(15, 40));

    QTest::mouseClick(screen->ImageDownArrow(0), Qt::LeftButton);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->pos(), QPoint(0, 63));
    EXPECT_FALSE(screen->picSelect()->isVisible()); // the chosen style is on the first page

    clickStyle(12);
    EXPECT_EQ(screen->selectedStyleRow(), 12);
    EXPECT_EQ(Model().dataManager->CurrentStyleID(), ids[12]);
    EXPECT_EQ(shownPaths(), expectedPaths(ids[12]));
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(screen->picSelect()->isVisible());
    EXPECT_EQ(badgeRect().top(), page->y() + screen->LabelStyle(12)->y() - 8);

    QTest::mouseClick(screen->ImageUpArrow(1), Qt::LeftButton);
    EXPECT_FALSE(page->isVisible());
    EXPECT_FALSE(screen->picSelect()->isVisible());
    QTest::mouseClick(screen->ImageDownArrow(0), Qt::LeftButton);
    EXPECT_TRUE(screen->picSelect()->isVisible());
    EXPECT_EQ(screen->lblPicStyle()->text(), QStringLiteral("Style 12"));

    // The greyed arrows do nothing.
    QTest::mouseClick(screen->ImageDownArrow(1), Qt::LeftButton);
    EXPECT_TRUE(page->isVisible());
    QTest::mouseClick(screen->ImageUpArrow(1), Qt::LeftButton);
    QTest::mouseClick(screen->ImageUpArrow(0), Qt::LeftButton);
    EXPECT_FALSE(page->isVisible());

    clickStyle(4);
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(screen->lblPicStyle()->text(), QStringLiteral("Style 4"));
}

TEST_F(DesignScreenTest, TheSecondPageOpensOnlyWhenTheFirstCannotHoldEveryStyle) {
    for (const int styles : {8, 9, 10}) {
        SCOPED_TRACE(styles);
        rows = {};
        addOccasions(2);
        addStyles(0, styles, QStringLiteral("Style "));
        openCatalogue();
        enterForNewCard(0);
        DesignScreen* screen = designScreen();
        QTest::mouseClick(screen->ImageDownArrow(0), Qt::LeftButton);
        EXPECT_EQ(screen->PictureMoreStyles()->isVisible(), styles > 9);
        EXPECT_EQ(screen->LabelStyle(9)->isVisible(), styles > 9);
        show(WelcomeScreenId);
        flushDeletes();
    }
}

TEST_F(DesignScreenTest, OkOpensTheEditorWithTheChosenFrame) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    clickFrame(4);
    EXPECT_EQ(designScreen()->ShapeHiLite()->geometry(), highlightAround(4));
    EXPECT_EQ(Model().dataManager->TheTemplate(), 4);

    QTest::mouseClick(designScreen()->ImageOKButton(), Qt::LeftButton);

    ASSERT_EQ(currentId(), CreationScreenId);
    EXPECT_EQ(recording(CreationScreenId)->displays, 1);
    EXPECT_EQ(Model().dataManager->TheTemplate(), 4);
    EXPECT_TRUE(Model().dataManager->SavedSinceChange());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(DesignScreenTest, ADoubleClickOnAFrameOpensTheEditorAMomentLater) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    DesignScreen* screen = designScreen();

    doubleClickAt(screen, screen->LeadDesignTemplate(3)->geometry().center());

    EXPECT_EQ(Model().dataManager->TheTemplate(), 3);
    EXPECT_EQ(screen->ShapeHiLite()->geometry(), highlightAround(3));
    EXPECT_EQ(currentId(), DesignScreenId);
    ASSERT_TRUE(screen->Timer1()->isActive());
    EXPECT_EQ(screen->Timer1()->interval(), 500);
    screen->Timer1()->setInterval(0);
    EXPECT_TRUE(waitForScreen(CreationScreenId));
}

TEST_F(DesignScreenTest, LeavingBeforeTheDoubleClicksEditorOpensStaysLeft) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    DesignScreen* screen = designScreen();
    doubleClickAt(screen, screen->LeadDesignTemplate(1)->geometry().center());
    ASSERT_TRUE(screen->Timer1()->isActive());
    screen->Timer1()->setInterval(0);

    QTest::mouseClick(screen->ImageCancelButton(), Qt::LeftButton);
    ASSERT_EQ(currentId(), OccasionScreenId);
    QTest::qWait(20);
    EXPECT_EQ(currentId(), OccasionScreenId);
}

TEST_F(DesignScreenTest, CancelAndEscapeGoBackToTheOccasionScreenForANewCard) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    QTest::mouseClick(designScreen()->ImageCancelButton(), Qt::LeftButton);
    EXPECT_EQ(currentId(), OccasionScreenId);

    QTest::mouseClick(occasionScreen()->CommandOccasion(0), Qt::LeftButton);
    ASSERT_EQ(currentId(), DesignScreenId);
    // Escape reaches the screen from the focused list of occasions too.
    designScreen()->activateWindow();
    designScreen()->ComboOccasions()->setFocus();
    QTest::keyClick(designScreen()->ComboOccasions(), Qt::Key_Escape);
    EXPECT_EQ(currentId(), OccasionScreenId);
}

TEST_F(DesignScreenTest, HelpOpensTheScreensTopic) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    QTest::mouseClick(designScreen()->ImageHelpButton(), Qt::LeftButton);

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("help"));
    EXPECT_EQ(dialogs.asked[0].text, discRoot + QStringLiteral("/Quillon.hlp"));
    EXPECT_EQ(dialogs.asked[0].context, 131170);
}

TEST_F(DesignScreenTest, FromTheEditorItOpensOnTheCardsSelectionAndCancelPutsItBack) {
    addOccasions(2);
    addStyles(0, 3, QStringLiteral("Style "));
    const QStringList other = addStyles(1, 3, QStringLiteral("Other "));
    openCatalogue();
    selectOnCard(1, 2, 3);
    enterFromEditor();
    DesignScreen* screen = designScreen();

    EXPECT_EQ(screen->ComboOccasions()->currentIndex(), 1);
    EXPECT_EQ(screen->selectedStyleRow(), 2);
    EXPECT_EQ(screen->lblPicStyle()->text(), QStringLiteral("Other 2"));
    EXPECT_EQ(shownPaths(), expectedPaths(other[2]));
    EXPECT_EQ(screen->ShapeHiLite()->geometry(), highlightAround(3));

    QTest::keyClick(screen->ComboOccasions(), Qt::Key_Up);
    EXPECT_EQ(Model().dataManager->CurrentOccasionID(), QStringLiteral("O0"));
    EXPECT_EQ(screen->LabelStyle(0)->text(), QStringLiteral("Style 0"));
    clickStyle(1);
    clickFrame(5);
    EXPECT_EQ(Model().dataManager->TheTemplate(), 5);

    QTest::mouseClick(screen->ImageCancelButton(), Qt::LeftButton);

    ASSERT_EQ(currentId(), CreationScreenId);
    DataManager& data = *Model().dataManager;
    EXPECT_EQ(data.CurrentOccasionID(), QStringLiteral("O1"));
    EXPECT_EQ(data.CurrentStyleID(), other[2]);
    EXPECT_EQ(data.CurrentStyleIndex(), 2);
    EXPECT_EQ(data.TheTemplate(), 3);
    EXPECT_TRUE(data.SavedSinceChange());
}

TEST_F(DesignScreenTest, OkFromTheEditorMarksTheCardChangedOnlyWhenTheSelectionChanged) {
    struct Case {
        const char* what;
        int style;
        int frame;
        bool saved;
    };
    const Case cases[] = {{"nothing changed", 1, 3, true},
                          {"another frame", 1, 4, false},
                          {"another style", 2, 3, false}};
    addOccasions(2);
    addStyles(0, 3, QStringLiteral("Style "));
    openCatalogue();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        selectOnCard(0, 1, 3);
        Model().dataManager->setSavedSinceChange(true);
        putOnCard(false, {});
        enterFromEditor();
        if (c.style != 1) {
            clickStyle(c.style);
        }
        if (c.frame != 3) {
            clickFrame(c.frame);
        }
        QTest::mouseClick(designScreen()->ImageOKButton(), Qt::LeftButton);
        ASSERT_EQ(currentId(), CreationScreenId);
        EXPECT_EQ(Model().dataManager->SavedSinceChange(), c.saved);
        flushDeletes();
    }
}

TEST_F(DesignScreenTest, AChangeThatCostsThePhotoAndArtIsConfirmedAndNoKeepsTheEntryFrame) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    selectOnCard(0, 0, 0);
    putOnCard(true, {QRect(2600, 100, 900, 600), QRect(100, 100, 600, 600)});
    enterFromEditor();
    clickFrame(5);
    dialogs.messageAnswers = {7};

    QTest::mouseClick(designScreen()->ImageOKButton(), Qt::LeftButton);

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text,
              joined({221, 222, 223, 224, 225, 226}) + QStringLiteral("\r\n\r\n") + Texts::at(230));
    EXPECT_EQ(dialogs.asked[0].buttons, 4);
    EXPECT_EQ(currentId(), DesignScreenId);
    EXPECT_EQ(designScreen()->ShapeHiLite()->geometry(), highlightAround(0));
    EXPECT_EQ(Model().dataManager->TheTemplate(), 0);
    EXPECT_EQ(Model().photoManager->PhotoInProcess, QStringLiteral("/photos/picnic.jpg"));
    EXPECT_EQ(Model().pictureObjects->Count(), 2);
    EXPECT_FALSE(designScreen()->isBusy());
    EXPECT_TRUE(designScreen()->ComboOccasions()->isEnabled());
}

TEST_F(DesignScreenTest, YesTakesThePhotoAndTheArtBeyondTheNewCardOff) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    selectOnCard(0, 0, 0);
    putOnCard(true, {QRect(2600, 100, 900, 600), QRect(100, 100, 600, 600)});
    enterFromEditor();
    dialogs.messageAnswers = {6};

    doubleClickAt(designScreen(), designScreen()->LeadDesignTemplate(5)->geometry().center());
    designScreen()->Timer1()->setInterval(0);

    ASSERT_TRUE(waitForScreen(CreationScreenId));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(Model().photoManager->PhotoInProcess.isEmpty());
    ASSERT_EQ(Model().pictureObjects->Count(), 1);
    EXPECT_EQ(Model().pictureObjects->Item(1)->Left, 100);
    EXPECT_EQ(Model().dataManager->TheTemplate(), 5);
    EXPECT_FALSE(Model().dataManager->SavedSinceChange());
}

TEST_F(DesignScreenTest, OnlyWhatTheCardHoldsIsWarnedAbout) {
    struct Case {
        const char* what;
        bool photo;
        bool art;
        int frame;
        QString warning; // "" for none
    };
    const QString tail = QStringLiteral("\r\n\r\n") + Texts::at(230);
    const Case cases[] = {
        {"picture cards of one turn", true, true, 1, QString()},
        {"blank card, photo only", true, false, 2, joined({202, 203, 204}) + tail},
        {"blank card, art only", false, true, 2, QString()},
        {"turned card, art only", false, true, 3, joined({211, 212, 213}) + tail},
        {"turned card, photo only", true, false, 4, QString()},
        {"empty card", false, false, 5, QString()},
    };
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        selectOnCard(0, 0, 0);
        putOnCard(c.photo, c.art ? QVector<QRect>{QRect(3000, 3000, 100, 100)} : QVector<QRect>{});
        dialogs.asked.clear();
        dialogs.messageAnswers = {6};
        enterFromEditor();
        clickFrame(c.frame);
        QTest::mouseClick(designScreen()->ImageOKButton(), Qt::LeftButton);
        EXPECT_EQ(currentId(), CreationScreenId);
        if (c.warning.isEmpty()) {
            EXPECT_TRUE(dialogs.asked.empty());
        } else {
            ASSERT_EQ(dialogs.asked.size(), 1u);
            EXPECT_EQ(dialogs.asked[0].text, c.warning);
        }
        flushDeletes();
    }
}

TEST_F(DesignScreenTest, AMissingFrameWhileLoadingAsksForTheDiscAndCancelReturnsToTheWelcome) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    QFile::remove(frameFile(ids[0], 2));

    show(OccasionScreenId);
    QTest::mouseClick(occasionScreen()->CommandOccasion(0), Qt::LeftButton);

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, InsertCDMessage());
    EXPECT_EQ(dialogs.asked[0].buttons, 1);
    EXPECT_GE(env.clock.elapsedMs(), 10000); // the file was waited for first
    EXPECT_TRUE(waitForScreen(WelcomeScreenId));
}

TEST_F(DesignScreenTest, OkAtTheDiscPromptTriesTheFrameAgain) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    const QString missing = frameFile(ids[0], 2);
    const QString kept = missing + QStringLiteral(".kept");
    ASSERT_TRUE(QFile::rename(missing, kept));
    dialogs.beforeAnswer = [&] { QFile::rename(kept, missing); };
    dialogs.messageAnswers = {1};

    enterForNewCard(0);

    EXPECT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(shownPaths(), expectedPaths(ids[0]));
    EXPECT_GT(designScreen()->LeadDesignTemplate(2)->control().BitmapHeight(), 0);
}

TEST_F(DesignScreenTest, AFrameFileThatCannotBeShownIsLeftOutWithoutAsking) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    env.writeFile(QStringLiteral("disc/Graphics/Frames/%1/F5%1s.bmp").arg(ids[0]), "not a picture");

    enterForNewCard(0);

    EXPECT_TRUE(dialogs.asked.empty());
    QStringList expected = expectedPaths(ids[0]);
    expected[3].clear();
    EXPECT_EQ(shownPaths(), expected);
    EXPECT_EQ(designScreen()->selectedStyleRow(), 0);
}

TEST_F(DesignScreenTest, GivingUpAStylesFramesKeepsThePreviousStyleWithItsFrames) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 3, QStringLiteral("Style "));
    openCatalogue();
    QFile::remove(frameFile(ids[1], 4));
    enterForNewCard(0);
    DesignScreen* screen = designScreen();

    clickStyle(1);

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, InsertCDMessage());
    EXPECT_EQ(currentId(), DesignScreenId);
    EXPECT_EQ(screen->selectedStyleRow(), 0);
    EXPECT_EQ(screen->lblPicStyle()->text(), QStringLiteral("Style 0"));
    EXPECT_EQ(Model().dataManager->CurrentStyleID(), ids[0]);
    EXPECT_EQ(shownPaths(), expectedPaths(ids[0]));
    EXPECT_TRUE(screen->LeadDesignTemplate(0)->isVisible());
    EXPECT_FALSE(screen->Picture1()->isVisible());
    EXPECT_FALSE(screen->isBusy());
    EXPECT_TRUE(screen->ComboOccasions()->isEnabled());

    clickStyle(2);
    EXPECT_EQ(screen->selectedStyleRow(), 2);
    EXPECT_EQ(shownPaths(), expectedPaths(ids[2]));
}

TEST_F(DesignScreenTest, GivingUpAnOccasionsFramesGoesBackToThePreviousOccasionAndStyle) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 3, QStringLiteral("Style "));
    const QStringList other = addStyles(1, 2, QStringLiteral("Other "));
    openCatalogue();
    QFile::remove(frameFile(other[0], 0));
    for (const int row : {1, 0}) {
        SCOPED_TRACE(row);
        dialogs.asked.clear();
        enterForNewCard(0);
        DesignScreen* screen = designScreen();
        clickStyle(row == 0 ? 2 : row);
        clickStyle(row);

        QTest::keyClick(screen->ComboOccasions(), Qt::Key_Down);

        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(screen->ComboOccasions()->currentIndex(), 0);
        EXPECT_EQ(Model().dataManager->CurrentOccasionID(), QStringLiteral("O0"));
        EXPECT_EQ(Model().dataManager->CurrentStyleID(), ids[row]);
        EXPECT_EQ(screen->selectedStyleRow(), row);
        EXPECT_EQ(screen->LabelStyle(0)->text(), QStringLiteral("Style 0"));
        EXPECT_TRUE(screen->picSelect()->isVisible());
        EXPECT_EQ(screen->lblPicStyle()->text(), QStringLiteral("Style %1").arg(row));
        EXPECT_EQ(shownPaths(), expectedPaths(ids[row]));
        EXPECT_TRUE(screen->ComboOccasions()->isEnabled());
        show(WelcomeScreenId);
        flushDeletes();
    }
}

TEST_F(DesignScreenTest, EscapeCancelAndTheArrowsWaitWhileAStyleIsBeingLoaded) {
    addOccasions(2);
    const QStringList ids = addStyles(0, 11, QStringLiteral("Style "));
    openCatalogue();
    const QString missing = frameFile(ids[2], 0);
    const QString kept = missing + QStringLiteral(".kept");
    ASSERT_TRUE(QFile::rename(missing, kept));
    enterForNewCard(0);
    DesignScreen* screen = designScreen();
    bool busyAtPrompt = false;
    dialogs.beforeAnswer = [&] {
        busyAtPrompt = screen->isBusy();
        QTest::keyClick(screen, Qt::Key_Escape);
        QTest::mouseClick(screen->ImageCancelButton(), Qt::LeftButton);
        QTest::mouseClick(screen->ImageDownArrow(0), Qt::LeftButton);
        QFile::rename(kept, missing);
    };
    dialogs.messageAnswers = {1};

    clickStyle(2);

    EXPECT_TRUE(busyAtPrompt);
    EXPECT_EQ(currentId(), DesignScreenId);
    EXPECT_FALSE(screen->PictureMoreStyles()->isVisible());
    EXPECT_EQ(screen->selectedStyleRow(), 2);
    EXPECT_EQ(shownPaths(), expectedPaths(ids[2]));
}

void DesignScreenTest::expectCloseAsksWhetherToQuit() {
    Screen* screen = Navigator::instance().CurrentScreen;
    ASSERT_NE(screen, nullptr);
    dialogs.asked.clear();
    dialogs.messageAnswers = {7};
    EXPECT_FALSE(screen->close());
    EXPECT_TRUE(screen->isVisible());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, Texts::at(2004));
    EXPECT_EQ(dialogs.asked[0].buttons, 52);
    EXPECT_EQ(ends, 0);

    dialogs.messageAnswers = {6};
    EXPECT_TRUE(screen->close());
    EXPECT_EQ(ends, 1);
}

TEST_F(DesignScreenTest, ClosingTheOccasionScreenAsksWhetherToQuit) {
    addOccasions(2);
    openCatalogue();
    show(OccasionScreenId);
    expectCloseAsksWhetherToQuit();
}

TEST_F(DesignScreenTest, ClosingTheStyleScreenAsksWhetherToQuit) {
    addOccasions(2);
    addStyles(0, 2, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    expectCloseAsksWhetherToQuit();
}

TEST_F(DesignScreenTest, ACatalogueFaultWhileChoosingAStyleIsShownAndTheScreenStillAnswers) {
    addOccasions(2);
    addStyles(0, 3, QStringLiteral("Style "));
    openCatalogue();
    enterForNewCard(0);
    {
        // Another program spoils the catalogue while the screen is open.
        QSqlDatabase writer = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                        QStringLiteral("selection-spoiler"));
        writer.setDatabaseName(catalogueFile);
        ASSERT_TRUE(writer.open());
        ASSERT_TRUE(QSqlQuery(writer).exec(QStringLiteral("drop table \"ScreenTemplates\"")));
        writer.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("selection-spoiler"));
    DesignScreen* screen = designScreen();

    clickStyle(2);

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_TRUE(dialogs.asked[0].text.contains(QStringLiteral("ScreenTemplates")))
        << dialogs.asked[0].text.toStdString();
    EXPECT_FALSE(screen->isBusy());
    EXPECT_TRUE(screen->ComboOccasions()->isEnabled());
    EXPECT_FALSE(screen->Picture1()->isVisible());
    QTest::mouseClick(screen->ImageCancelButton(), Qt::LeftButton);
    EXPECT_EQ(currentId(), OccasionScreenId);
}
