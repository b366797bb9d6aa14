#include "screens/selection/OccasionScreen.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "app/shell/ButtonSheet.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "app/shell/Twips.h"
#include "card/AppModel.h"
#include "platform/Dialogs.h"
#include "screens/selection/OccasionPictures.h"
#include "screens/selection/SelectionBackdrops.h"
#include "screens/selection/SelectionFonts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

// The slot grid: three columns of four rows, twips.
constexpr int slotLefts[] = {540, 3360, 6180};
constexpr int slotTops[] = {1740, 2760, 3780, 4800};
constexpr int slotSize = 795;
constexpr int captionOffsetX = 960;
constexpr int captionOffsetY = 120;
constexpr int captionWidth = 1860;
constexpr int captionHeight = 555;

constexpr int helpCell = 48;
constexpr int cancelCell = 49;
constexpr int buttonTop = 6240;
constexpr int helpLeft = 6450;
constexpr int cancelLeft = 7920;
// This screen shows its button cells trimmed: 90 x 39 pixels from 3 pixels below the top.
constexpr int trimmedWidth = 90;
constexpr int trimmedHeight = 39;
constexpr int trimmedTop = 3;

constexpr int bugOutMs = 2;

QPixmap trimmedCell(int cell) {
    const QRect area((cell % ButtonSheet::Columns) * ButtonSheet::CellWidth,
                     (cell / ButtonSheet::Columns) * ButtonSheet::CellHeight + trimmedTop,
                     trimmedWidth, trimmedHeight);
    return QPixmap::fromImage(ButtonSheet::sheet().copy(area));
}

void showTrimmedCell(PictureButton* button, int cell) {
    button->setPictures(trimmedCell(cell), trimmedCell(cell + ButtonSheet::Columns));
}

QString errorText(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

} // namespace

OccasionScreen::OccasionScreen() : Screen(OccasionScreenId, 9510, 6825, 400) {
    for (int slot = 0; slot < SlotCount; ++slot) {
        const int left = slotLefts[slot / 4];
        const int top = slotTops[slot % 4];
        auto* button = new PictureButton(this);
        button->setObjectName(QStringLiteral("CommandOccasion%1").arg(slot));
        button->setGeometry(Twips::rect(left, top, slotSize, slotSize));
        button->setPictures(OccasionPictures::slot(slot, false),
                            OccasionPictures::slot(slot, true));
        connect(button, &PictureButton::clicked, this, [this, slot] { chooseOccasion(slot); });
        commandOccasion.append(button);

        auto* caption = new QLabel(this);
        caption->setObjectName(QStringLiteral("LabelOccasion%1").arg(slot));
        caption->setGeometry(
            Twips::rect(left + captionOffsetX, top + captionOffsetY, captionWidth, captionHeight));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->setWordWrap(true);
        caption->setAttribute(Qt::WA_TranslucentBackground);
        labelOccasion.append(caption);
    }

    labelOccasionHead = new QLabel(this);
    labelOccasionHead->setObjectName(QStringLiteral("LabelOccasionHead"));
    labelOccasionHead->setGeometry(Twips::rect(0, 1020, 9510, 420));
    labelOccasionHead->setAlignment(Qt::AlignCenter);

    imageButtonHelp = new PictureButton(this);
    imageButtonHelp->setObjectName(QStringLiteral("ImageButtonHelp"));
    imageButtonHelp->setGeometry(Twips::rect(helpLeft, buttonTop, Twips::fromPixels(trimmedWidth),
                                             Twips::fromPixels(trimmedHeight)));
    connect(imageButtonHelp, &PictureButton::clicked, this, &OccasionScreen::showHelp);

    imageButtonCancel = new PictureButton(this);
    imageButtonCancel->setObjectName(QStringLiteral("ImageButtonCancel"));
    imageButtonCancel->setGeometry(Twips::rect(
        cancelLeft, buttonTop, Twips::fromPixels(trimmedWidth), Twips::fromPixels(trimmedHeight)));
    connect(imageButtonCancel, &PictureButton::clicked, this, &OccasionScreen::cancel);

    bugOutTimer = new QTimer(this);
    bugOutTimer->setObjectName(QStringLiteral("tmrBugOut"));
    bugOutTimer->setSingleShot(true);
    bugOutTimer->setInterval(bugOutMs);
    connect(bugOutTimer, &QTimer::timeout, this, &OccasionScreen::bugOut);
}

void OccasionScreen::Load() {
    setLoading(true);
    labelOccasionHead->setFont(SelectionFonts::ui());

    Model().BeginNewCard();
    App().CurrentCardFile.clear();
    if (Model().dataManager) {
        Model().dataManager->setSavedSinceChange(true);
    }

    showTrimmedCell(imageButtonCancel, cancelCell);
    showTrimmedCell(imageButtonHelp, helpCell);
    labelOccasionHead->setText(Texts::at(401));

    QStringList occasions;
    try {
        if (Model().dataManager) {
            occasions = Model().dataManager->Occasions();
        }
    } catch (const std::exception&) {
        occasions.clear();
    }
    // Slots beyond the catalogue's occasions are hidden: they have nothing to select. A
    // catalogue of more than twelve occasions offers its first twelve.
    for (int slot = 0; slot < SlotCount; ++slot) {
        const bool used = slot < occasions.size();
        commandOccasion[slot]->setVisible(used);
        labelOccasion[slot]->setVisible(used);
    }
    if (occasions.size() < 2) {
        bugOutTimer->start();
        return;
    }

    const QFont captionFont = SelectionFonts::occasionCaption();
    for (int slot = 0; slot < SlotCount && slot < occasions.size(); ++slot) {
        labelOccasion[slot]->setFont(captionFont);
        labelOccasion[slot]->setText(occasions[slot]);
    }

    QCoreApplication::processEvents();
    setLoading(false);
}

void OccasionScreen::chooseOccasion(int slot) {
    try {
        QCoreApplication::processEvents();
        QLabel* caption = labelOccasion[slot];
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        caption->repaint();

        Model().dataManager->setCurrentOccasionIndex(slot);
        if (Screen* design = Navigator::instance().screen(DesignScreenId)) {
            design->setProperty("ComingFromCreation", false);
        }
        ShowScreen(DesignScreenId);
    } catch (const std::exception& error) {
        Dialogs::current().plainMessage(QStringLiteral("Occasion Screen Command Occasion_Click") +
                                            errorText(error),
                                        App().ApplicationTitle);
    }
}

void OccasionScreen::CancelRequested() {
    cancel();
}

void OccasionScreen::cancel() {
    try {
        ShowScreen(WelcomeScreenId);
    } catch (const std::exception& error) {
        Dialogs::current().plainMessage(errorText(error), App().ApplicationTitle);
    }
}

void OccasionScreen::showHelp() {
    Dialogs::current().showHelp(App().ApplicationDrive + QStringLiteral("/Quillon.hlp"),
                                HelpContext);
}

void OccasionScreen::bugOut() {
    bugOutTimer->stop();
    Dialogs::current().messageBox(QStringLiteral("Serious problems have occured"), 0, QString());
    ShowScreen(WelcomeScreenId);
}

void OccasionScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, SelectionBackdrops::occasionScreen(size()));
}
