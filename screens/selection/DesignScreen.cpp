#include "screens/selection/DesignScreen.h"

#include "app/AppState.h"
#include "app/Media.h"
#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "app/shell/Twips.h"
#include "card/AppModel.h"
#include "platform/Dialogs.h"
#include "platform/ImagingView.h"
#include "screens/selection/FrameChange.h"
#include "screens/selection/FrameHighlight.h"
#include "screens/selection/PicturePanel.h"
#include "screens/selection/SelectionArt.h"
#include "screens/selection/SelectionBackdrops.h"
#include "screens/selection/SelectionFonts.h"
#include "screens/selection/StyleClickCatcher.h"
#include "screens/selection/WaitForImage.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

namespace {

struct Place {
    int left, top, width, height; // twips
};

// The thumbnails by frame index: landscape picture cards, the landscape blank card, portrait
// picture cards, the portrait blank card.
constexpr Place thumbnailPlaces[DesignScreen::FrameCount] = {
    {2370, 2070, 2190, 1080}, {4275, 4605, 2190, 1080}, {6990, 2040, 2190, 1080},
    {4860, 2040, 1080, 2190}, {2700, 3480, 1080, 2190}, {7560, 3480, 1080, 2190},
};

// The style list column.
constexpr Place occasionsHeading{StyleListLayout::RowLeft, 150, 2000, 330};
constexpr Place occasionList{StyleListLayout::RowLeft, 480, 1950, 360};
constexpr int stylesHeadingTop = 960;
constexpr int headingHeight = 330;
constexpr int secondPageTop = 960;
constexpr int pagedSecondPageTop = 945;
constexpr int pageWidth = 2295;
constexpr int pageHeight = 5670;
constexpr int arrowTop = 6150;
constexpr int upArrowLeft = 600;
constexpr int downArrowLeft = 1260;
constexpr int arrowWidth = 450;
constexpr int arrowHeight = 390;
constexpr int badgeWidth = StyleListLayout::RowWidth + 300;
constexpr int badgeMargin = 120;

constexpr Place headTextPlace{2790, 210, 6180, 690};
constexpr Place pictureCardsHeading{2370, 1620, 3570, 330};
constexpr Place blankCardsHeading{6990, 1620, 2190, 330};

constexpr int buttonTop = 6180;
constexpr int buttonWidth = 1050;
constexpr int buttonHeight = 630;
constexpr int helpLeft = 2600;
constexpr int okLeft = 6200;
constexpr int cancelLeft = 7700;
constexpr int helpCell = 0;
constexpr int okCell = 1;
constexpr int cancelCell = 24;

constexpr int droppedListWidth = 172; // pixels
constexpr int editorDelayMs = 500;
constexpr int bugOutMs = 50;

// Captions the text table has no number for.
const char* const occasionsCaption = "Occasions";
const char* const pictureCardsCaption = "Picture cards";
const char* const blankCardsCaption = "Blank cards";

QRect twips(const Place& place) {
    return Twips::rect(place.left, place.top, place.width, place.height);
}

QLabel* heading(const QString& text, const Place& place, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(twips(place));
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

void showArrow(PictureButton* arrow, bool active, bool up) {
    const auto look = [up](SelectionArt::ArrowLook shown) {
        return SelectionArt::arrow(up, shown);
    };
    if (active) {
        arrow->setPictures(look(SelectionArt::ArrowLook::Normal),
                           look(SelectionArt::ArrowLook::Pressed));
    } else {
        arrow->setPictures(look(SelectionArt::ArrowLook::Greyed),
                           look(SelectionArt::ArrowLook::Greyed));
    }
}

} // namespace

DesignScreen::DesignScreen() : Screen(DesignScreenId, 9510, 6825, 200) {
    occasionHeadings.append(heading(QString::fromLatin1(occasionsCaption), occasionsHeading, this));
    comboOccasions = new QComboBox(this);
    comboOccasions->setObjectName(QStringLiteral("ComboOccasions"));
    comboOccasions->setGeometry(twips(occasionList));
    comboOccasions->setFont(SelectionFonts::occasionList());
    comboOccasions->hide();
    connect(comboOccasions, &QComboBox::currentIndexChanged, this, &DesignScreen::occasionChanged);
    occasionHeadings.append(
        heading(QString(), {StyleListLayout::RowLeft, 0, 2000, headingHeight}, this));

    for (int index = 0; index < StyleListLayout::FirstPageRows; ++index) {
        styleLabels.append(new QLabel(this));
    }
    upArrows.append(new PictureButton(this));
    downArrows.append(new PictureButton(this));
    catchers.append(new StyleClickCatcher(this));

    moreStyles = new PicturePanel(
        [this](const QSize& page) {
            return SelectionBackdrops::secondStylePage(size(), Twips::point(0, secondPageTop),
                                                       page);
        },
        this);
    moreStyles->setObjectName(QStringLiteral("PictureMoreStyles"));
    moreStyles->setGeometry(Twips::rect(0, secondPageTop, pageWidth, pageHeight));
    moreStyles->hide();
    occasionHeadings.append(
        heading(QString(), {StyleListLayout::RowLeft, 0, 2000, headingHeight}, moreStyles));
    for (int index = StyleListLayout::FirstPageRows; index < StyleLabelCount; ++index) {
        styleLabels.append(new QLabel(moreStyles));
    }
    upArrows.append(new PictureButton(moreStyles));
    downArrows.append(new PictureButton(moreStyles));
    catchers.append(new StyleClickCatcher(moreStyles));

    for (int index = 0; index < StyleLabelCount; ++index) {
        const int row = index % StyleListLayout::FirstPageRows;
        const int firstTop = index < StyleListLayout::FirstPageRows
                                 ? StyleListLayout::FirstRowTop
                                 : StyleListLayout::SecondPageFirstTop;
        styleLabels[index]->setGeometry(
            Twips::rect(StyleListLayout::RowLeft, firstTop + row * StyleListLayout::RowPitch,
                        StyleListLayout::RowWidth, StyleListLayout::RowHeight));
        styleLabels[index]->setObjectName(QStringLiteral("LabelStyle%1").arg(index));
        styleLabels[index]->setWordWrap(true);
        styleLabels[index]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (int page = 0; page < 2; ++page) {
        const int top = arrowTop - (page == 0 ? 0 : secondPageTop);
        upArrows[page]->setGeometry(Twips::rect(upArrowLeft, top, arrowWidth, arrowHeight));
        downArrows[page]->setGeometry(Twips::rect(downArrowLeft, top, arrowWidth, arrowHeight));
        upArrows[page]->setObjectName(QStringLiteral("ImageUpArrow%1").arg(page));
        downArrows[page]->setObjectName(QStringLiteral("ImageDownArrow%1").arg(page));
        catchers[page]->setObjectName(QStringLiteral("lblInvisible%1").arg(page));
        // The arrows stay clickable where a catcher reaches over them.
        upArrows[page]->raise();
        downArrows[page]->raise();
    }
    connect(downArrows[0], &PictureButton::clicked, this, &DesignScreen::nextPage);
    connect(upArrows[1], &PictureButton::clicked, this, &DesignScreen::previousPage);
    connect(catchers[0], &StyleClickCatcher::clickedAt, this,
            [this](int y) { styleClicked(0, y); });
    connect(catchers[1], &StyleClickCatcher::clickedAt, this,
            [this](int y) { styleClicked(1, y); });

    badge = new PicturePanel(&SelectionArt::badge, this);
    badge->setObjectName(QStringLiteral("picSelect"));
    badge->hide();
    badgeLabel = new QLabel(badge);
    badgeLabel->setObjectName(QStringLiteral("lblPicStyle"));
    badgeLabel->setWordWrap(true);
    badgeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int frame = 0; frame < FrameCount; ++frame) {
        auto* view = new ImagingView(this);
        view->setObjectName(QStringLiteral("LeadDesignTemplate%1").arg(frame));
        view->setGeometry(twips(thumbnailPlaces[frame]));
        view->control().setDisplayFit(ImagingControl::DisplayFit::Stretch);
        view->setCursor(Qt::PointingHandCursor);
        view->installEventFilter(this);
        view->hide();
        thumbnails.append(view);
    }
    highlight = new FrameHighlight(this);
    highlight->setObjectName(QStringLiteral("ShapeHiLite"));
    highlight->hide();

    groupHeadings.append(heading(QString::fromLatin1(blankCardsCaption), blankCardsHeading, this));
    groupHeadings.append(
        heading(QString::fromLatin1(pictureCardsCaption), pictureCardsHeading, this));
    for (QLabel* group : std::as_const(groupHeadings)) {
        group->setAlignment(Qt::AlignCenter);
        group->setFont(SelectionFonts::styleLabels(true));
    }
    headText = heading(QString(), headTextPlace, this);
    headText->setObjectName(QStringLiteral("LabelHeadText"));
    headText->setWordWrap(true);
    headText->setAlignment(Qt::AlignCenter);

    helpButton = new PictureButton(this);
    helpButton->setObjectName(QStringLiteral("ImageHelpButton"));
    okButton = new PictureButton(this);
    okButton->setObjectName(QStringLiteral("ImageOKButton"));
    cancelButton = new PictureButton(this);
    cancelButton->setObjectName(QStringLiteral("ImageCancelButton"));
    connect(helpButton, &PictureButton::clicked, this, &DesignScreen::showHelp);
    connect(okButton, &PictureButton::clicked, this, &DesignScreen::ok);
    connect(cancelButton, &PictureButton::clicked, this, &DesignScreen::cancel);

    freezeCover = new QLabel(this);
    freezeCover->setObjectName(QStringLiteral("Picture1"));
    freezeCover->hide();

    editorTimer = new QTimer(this);
    editorTimer->setObjectName(QStringLiteral("Timer1"));
    editorTimer->setSingleShot(true);
    editorTimer->setInterval(editorDelayMs);
    connect(editorTimer, &QTimer::timeout, this, &DesignScreen::openEditorAfterDoubleClick);
    bugOutTimer = new QTimer(this);
    bugOutTimer->setObjectName(QStringLiteral("tmrBugOut"));
    bugOutTimer->setSingleShot(true);
    bugOutTimer->setInterval(bugOutMs);
    connect(bugOutTimer, &QTimer::timeout, this, &DesignScreen::bugOut);
}

QWidget* DesignScreen::picSelect() const {
    return badge;
}

QWidget* DesignScreen::PictureMoreStyles() const {
    return moreStyles;
}

QWidget* DesignScreen::ShapeHiLite() const {
    return highlight;
}

DataManager& DesignScreen::catalogue() const {
    if (!Model().dataManager) {
        throw std::runtime_error("The catalogue is not open.");
    }
    return *Model().dataManager;
}

void DesignScreen::showError(const QString& label, const std::exception& error) {
    Dialogs::current().messageBox(label + QString::fromUtf8(error.what()), 0, QString());
}

void DesignScreen::Load() {
    setLoading(true);
    try {
        freezeCover->hide();
        for (QLabel* label : std::as_const(occasionHeadings)) {
            label->setFont(SelectionFonts::styleLabels(true));
        }
        occasionHeadings[1]->move(occasionHeadings[1]->x(), Twips::toPixels(stylesHeadingTop));
        occasionHeadings[2]->move(occasionHeadings[2]->x(), 0);
        occasionHeadings[1]->setText(Texts::at(231));
        occasionHeadings[2]->setText(Texts::at(231));
        for (QLabel* group : std::as_const(groupHeadings)) {
            QFont plain = group->font();
            plain.setUnderline(false);
            group->setFont(plain);
        }

        helpButton->setGeometry(Twips::rect(helpLeft, buttonTop, buttonWidth, buttonHeight));
        okButton->setGeometry(Twips::rect(okLeft, buttonTop, buttonWidth, buttonHeight));
        cancelButton->setGeometry(Twips::rect(cancelLeft, buttonTop, buttonWidth, buttonHeight));

        headText->setFont(SelectionFonts::ui());
        headText->setText(Texts::at(201));

        const QRect firstRow = styleLabels[0]->geometry();
        for (QLabel* label : std::as_const(styleLabels)) {
            QPalette colours = label->palette();
            colours.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(colours);
            label->setAttribute(Qt::WA_TranslucentBackground);
            label->setGeometry(firstRow.left(), label->y(), firstRow.width(), label->height());
        }
        badge->hide();
        badgeLabel->setFont(SelectionFonts::styleLabels(false));

        cancelButton->setCell(cancelCell);
        okButton->setCell(okCell);
        helpButton->setCell(helpCell);
        setArrowsGreyed();

        if (comingFromCreation) {
            entryOccasionId = catalogue().CurrentOccasionID();
            entryStyleId = catalogue().CurrentStyleID();
            entryFrame = catalogue().TheTemplate();
        } else {
            chooseFrame(0);
        }

        highlight->hide();
        catalogue().SetUpOccasionCombo(comboOccasions);
        if (bugOutTimer->isActive()) {
            setLoading(false);
            return;
        }

        if (comingFromCreation) {
            if (catalogue().CurrentStyleID() != entryStyleId) {
                catalogue().setCurrentStyleID(entryStyleId);
            }
            chooseStyleRow(catalogue().CurrentStyleIndex());
            if (bugOutTimer->isActive()) {
                setLoading(false);
                return;
            }
        }

        comboOccasions->view()->setMinimumWidth(droppedListWidth);
        QCoreApplication::processEvents();
        setLoading(false);
        freezeCover->hide();
    } catch (const std::exception& error) {
        setLoading(false);
        showError(QStringLiteral("Design Screen Form_load"), error);
    }
}

void DesignScreen::Display() {
    for (ImagingView* view : std::as_const(thumbnails)) {
        view->show();
    }
    comboOccasions->show();
    try {
        chooseFrame(catalogue().TheTemplate());
    } catch (const std::exception& error) {
        showError(QString(), error);
    }
}

// --- The occasion and the style list -----------------------------------------------------

void DesignScreen::occasionChanged(int position) {
    if (position < 0) {
        return;
    }
    try {
        badge->hide();
        moreStyles->hide();
        repaint();

        const int rememberedStyle = catalogue().CurrentStyleIndex();
        catalogue().setCurrentOccasionIndex(position);
        FillStyleList();
        if (reverting) {
            selectedRow = 0;
        } else {
            selectedRow = -1;
            chooseStyleRow(catalogue().CurrentStyleIndex());
        }

        // The user gave up loading the new occasion's frames: back to the occasion before.
        if (selectedRow < 0 && previousOccasionPosition >= 0) {
            reverting = true;
            catalogue().setCurrentOccasionIndex(previousOccasionPosition);
            comboOccasions->setCurrentIndex(previousOccasionPosition);
            catalogue().setCurrentStyleIndex(rememberedStyle);
            // No row is marked yet, so that the remembered one gets its badge.
            selectedRow = -1;
            chooseStyleRow(rememberedStyle);
            reverting = false;
        }
        previousOccasionPosition = comboOccasions->currentIndex();
    } catch (const std::exception& error) {
        reverting = false;
        showError(QString(), error);
    }
}

void DesignScreen::ClearStyles() {
    const QFont font = SelectionFonts::styleLabels(false);
    for (QLabel* label : std::as_const(styleLabels)) {
        label->setFont(font);
        label->clear();
        label->hide();
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(colours);
        label->resize(label->width(), Twips::toPixels(StyleListLayout::RowHeight));
    }
}

void DesignScreen::setArrowsGreyed() {
    for (int page = 0; page < 2; ++page) {
        showArrow(upArrows[page], false, true);
        showArrow(downArrows[page], false, false);
    }
}

void DesignScreen::FillStyleList() {
    ClearStyles();
    hasMoreStyles = false;
    setArrowsGreyed();

    styleLayout = StyleListLayout(catalogue().TheSelectedStyles(),
                                  SelectionFonts::styleLabels(true), arrowTop);
    for (int index = 0; index < styleLayout.count(); ++index) {
        const StyleListLayout::Row& row = styleLayout.row(index);
        QLabel* label = styleLabels[index];
        label->setGeometry(
            Twips::rect(StyleListLayout::RowLeft, row.top, StyleListLayout::RowWidth, row.height));
        label->setText(row.name);
        label->show();
        label->repaint();
    }

    if (styleLayout.hasSecondPage()) {
        hasMoreStyles = true;
        showArrow(downArrows[0], true, false);
        showArrow(upArrows[1], true, true);
        const QRect catcher = styleLayout.secondPageCatcher(pageWidth);
        catchers[1]->setGeometry(
            Twips::rect(catcher.left(), catcher.top(), catcher.width(), catcher.height()));
    }
    const QRect catcher = styleLayout.firstPageCatcher();
    catchers[0]->setGeometry(
        Twips::rect(catcher.left(), catcher.top(), catcher.width(), catcher.height()));
}

void DesignScreen::styleClicked(int page, int y) {
    try {
        const int top = Twips::fromPixels(catchers[page]->y());
        const int row = styleLayout.rowAt(page == 1, top + Twips::fromPixels(y));
        if (row >= 0) {
            chooseStyleRow(row);
        }
    } catch (const std::exception& error) {
        showError(QString(), error);
    }
}

void DesignScreen::showSecondPage(bool shown, int topTwips) {
    if (shown) {
        moreStyles->move(0, Twips::toPixels(topTwips));
        moreStyles->show();
        moreStyles->raise();
    } else {
        moreStyles->hide();
    }
}

void DesignScreen::chooseStyleRow(int row) {
    if (choosingStyle || row == selectedRow) {
        return;
    }
    comboOccasions->setEnabled(false);
    setBusy(true);
    choosingStyle = true;
    const int previousRow = selectedRow;
    selectedRow = row;
    badge->hide();

    bool leaving = false;
    try {
        catalogue().setCurrentStyleIndex(row);
        showSecondPage(StyleListLayout::onSecondPage(row), secondPageTop);
        HighlightStyle(row);
        if (!reverting) {
            leaving = !showStyleFrames(previousRow);
        }
    } catch (...) {
        // A catalogue fault must not leave the screen refusing every button.
        freezeCover->hide();
        BusyCursorOff();
        choosingStyle = false;
        setBusy(false);
        comboOccasions->setEnabled(true);
        throw;
    }
    choosingStyle = false;
    setBusy(false);
    if (!leaving) {
        comboOccasions->setEnabled(true);
    }
}

bool DesignScreen::showStyleFrames(int previousRow) {
    if (!isLoading()) {
        FreezeTemplateArea();
    }
    QStringList shownPaths;
    for (ImagingView* view : std::as_const(thumbnails)) {
        shownPaths.append(view->control().BitmapDataPath());
    }
    if (!LoadTemplatePictures()) {
        if (isLoading()) {
            // Nothing to show yet: the screen goes back to the welcome screen.
            bugOutTimer->start();
            BusyCursorOn();
            return false;
        }
        // Given up: the previous style stays chosen, with its own frames.
        catalogue().setCurrentStyleIndex(previousRow);
        putThumbnailsBack(shownPaths);
        if (previousRow >= 0) {
            showSecondPage(StyleListLayout::onSecondPage(previousRow), secondPageTop);
            HighlightStyle(previousRow);
        } else {
            badge->hide();
        }
        selectedRow = previousRow;
    }
    if (isVisible()) {
        showThumbnails();
        highlight->show();
        BusyCursorOff();
    }
    freezeCover->hide();
    return true;
}

void DesignScreen::HighlightStyle(int row) {
    if (row < 0 || row >= styleLayout.count()) {
        return;
    }
    const StyleListLayout::Row& style = styleLayout.row(row);
    const int pageTop = StyleListLayout::onSecondPage(row) ? Twips::fromPixels(moreStyles->y()) : 0;
    const int top = style.top + pageTop - badgeMargin;
    const int height = std::min(style.height + 2 * badgeMargin, arrowTop - top);
    badge->setGeometry(
        Twips::rect(StyleListLayout::RowLeft - badgeMargin, top, badgeWidth, height));
    badgeLabel->setGeometry(
        Twips::rect(badgeMargin, badgeMargin, StyleListLayout::RowWidth + 60, style.height));
    QFont bold = badgeLabel->font();
    bold.setBold(true);
    badgeLabel->setFont(bold);
    badgeLabel->setText(style.name);
    badge->raise();
    badge->show();
}

void DesignScreen::nextPage() {
    if (!hasMoreStyles || isBusy()) {
        return;
    }
    badge->hide();
    showSecondPage(true, pagedSecondPageTop);
    if (selectedRow >= 0 && StyleListLayout::onSecondPage(selectedRow)) {
        HighlightStyle(selectedRow);
    }
}

void DesignScreen::previousPage() {
    if (isBusy()) {
        return;
    }
    badge->hide();
    showSecondPage(false, 0);
    if (selectedRow >= 0 && !StyleListLayout::onSecondPage(selectedRow)) {
        HighlightStyle(selectedRow);
    }
}

// --- The thumbnails ----------------------------------------------------------------------

bool DesignScreen::LoadTemplatePictures() {
    BusyCursorOn();
    for (ImagingView* view : std::as_const(thumbnails)) {
        view->hide();
    }
    const QStringList paths = catalogue().TheSelectedTemplates();
    for (int frame = 0; frame < FrameCount; ++frame) {
        const QString path = frame < paths.size() ? paths[frame] : QString();
        ImagingControl& control = thumbnails[frame]->control();
        while (control.BitmapDataPath() != path) {
            try {
                control.setBitmapDataPath(path);
                if (!path.isEmpty()) {
                    WaitForImage(control);
                }
                break;
            } catch (const ImagingError&) {
            }
            const int found = CheckForFile(path, false);
            if (isVisible()) {
                raise();
            }
            // A file that is there but cannot be shown is left out.
            if (found == FileFound) {
                break;
            }
            if (Dialogs::current().messageBox(InsertCDMessage(), 1, QString()) == 2) {
                return false;
            }
        }
        QCoreApplication::processEvents();
    }
    return true;
}

void DesignScreen::putThumbnailsBack(const QStringList& paths) {
    for (int frame = 0; frame < FrameCount; ++frame) {
        ImagingControl& control = thumbnails[frame]->control();
        if (control.BitmapDataPath() == paths[frame]) {
            continue;
        }
        try {
            control.setBitmapDataPath(paths[frame]);
        } catch (const ImagingError&) {
            // Shown before, so this is rare; the thumbnail then stays empty.
        }
    }
}

void DesignScreen::showThumbnails() {
    for (ImagingView* view : std::as_const(thumbnails)) {
        view->show();
        QCoreApplication::processEvents();
    }
}

void DesignScreen::FreezeTemplateArea() {
    const Place& first = thumbnailPlaces[0];
    const Place& lowest = thumbnailPlaces[1];
    const Place& right = thumbnailPlaces[2];
    const QRect area =
        Twips::rect(first.left - 60, right.top - 60, right.left + right.width + 120 - first.left,
                    lowest.top + lowest.height + 120 - first.top);
    freezeCover->setGeometry(area);
    freezeCover->setPixmap(grab(area));
    freezeCover->raise();
    freezeCover->show();
}

// --- Frames and the buttons --------------------------------------------------------------

void DesignScreen::chooseFrame(int frame) {
    if (frame < 0 || frame >= FrameCount) {
        return;
    }
    const Place& place = thumbnailPlaces[frame];
    highlight->setGeometry(
        Twips::rect(place.left - 15, place.top - 15, place.width + 30, place.height + 45));
    highlight->show();
    catalogue().setTheTemplate(frame);
}

bool DesignScreen::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(thumbnails.cbegin(), thumbnails.cend(), watched);
    if (found == thumbnails.cend()) {
        return Screen::eventFilter(watched, event);
    }
    const int frame = static_cast<int>(found - thumbnails.cbegin());
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
        thumbnails[frame]->rect().contains(mouse->position().toPoint())) {
        try {
            chooseFrame(frame);
        } catch (const std::exception& error) {
            showError(QString(), error);
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
        frameDoubleClicked(frame);
        return true;
    }
    return Screen::eventFilter(watched, event);
}

bool DesignScreen::ConfirmFrameChange() {
    if (!comingFromCreation) {
        return true;
    }
    const int newFrame = catalogue().TheTemplate();
    const std::shared_ptr<PhotoManager> photo = Model().photoManager;
    const std::shared_ptr<PictureObjects> objects = Model().pictureObjects;
    const bool hasPhoto = photo && !photo->PhotoInProcess.trimmed().isEmpty();
    const bool hasArt = objects && objects->Count() > 0;
    if (newFrame == entryFrame || !(hasPhoto || hasArt)) {
        return true;
    }
    const FrameChange::Consequences consequences =
        FrameChange::between(entryFrame, newFrame, hasPhoto, hasArt);
    if (!consequences.any()) {
        return true;
    }
    BusyCursorOff();
    if (Dialogs::current().messageBox(FrameChange::warning(consequences), 4, QString()) != 6) {
        chooseFrame(entryFrame);
        return false;
    }
    FrameChange::apply(consequences, newFrame, photo.get(), *objects);
    return true;
}

void DesignScreen::markChangedSelection() {
    if (!comingFromCreation) {
        return;
    }
    DataManager& data = catalogue();
    if (data.CurrentOccasionID() != entryOccasionId || data.CurrentStyleID() != entryStyleId ||
        data.TheTemplate() != entryFrame) {
        data.setSavedSinceChange(false);
    }
}

void DesignScreen::ok() {
    if (isBusy()) {
        return;
    }
    try {
        comboOccasions->setEnabled(false);
        setBusy(true);
        okButton->setCell(okCell);
        QCoreApplication::processEvents();
        if (!ConfirmFrameChange()) {
            comboOccasions->setEnabled(true);
            setBusy(false);
            return;
        }
        markChangedSelection();
        ShowScreen(CreationScreenId);
    } catch (const std::exception& error) {
        comboOccasions->setEnabled(true);
        setBusy(false);
        showError(QString(), error);
    }
}

void DesignScreen::frameDoubleClicked(int frame) {
    try {
        BusyCursorOn();
        chooseFrame(frame);
        if (!ConfirmFrameChange()) {
            return;
        }
        markChangedSelection();
        BusyCursorOn();
        editorTimer->start();
    } catch (const std::exception& error) {
        BusyCursorOff();
        showError(QString(), error);
    }
}

void DesignScreen::openEditorAfterDoubleClick() {
    editorTimer->stop();
    QCoreApplication::processEvents();
    // The user may have left the screen in the meantime.
    if (Navigator::instance().CurrentScreen == this) {
        ShowScreen(CreationScreenId);
    }
}

void DesignScreen::CancelRequested() {
    cancel();
}

void DesignScreen::cancel() {
    if (isBusy()) {
        return;
    }
    try {
        comboOccasions->setEnabled(false);
        setBusy(true);
        cancelButton->setCell(cancelCell);
        QCoreApplication::processEvents();
        if (comingFromCreation) {
            DataManager& data = catalogue();
            data.setCurrentOccasionID(entryOccasionId);
            data.setCurrentStyleID(entryStyleId);
            data.setTheTemplate(entryFrame);
            ShowScreen(CreationScreenId);
        } else {
            ShowScreen(OccasionScreenId);
        }
    } catch (const std::exception& error) {
        comboOccasions->setEnabled(true);
        setBusy(false);
        showError(QString(), error);
    }
}

void DesignScreen::showHelp() {
    if (isBusy()) {
        return;
    }
    Dialogs::current().showHelp(App().ApplicationDrive + QStringLiteral("/Quillon.hlp"),
                                HelpContext);
}

void DesignScreen::bugOut() {
    bugOutTimer->stop();
    QCoreApplication::processEvents();
    hide();
    ShowScreen(WelcomeScreenId);
}

void DesignScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, SelectionBackdrops::designScreen(size()));
}
