#include "editor/CreationScreen.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "app/shell/Twips.h"
#include "card/AppModel.h"
#include "card/CardPreview.h"
#include "card/CardReader.h"
#include "card/CardWriter.h"
#include "platform/Dialogs.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int helpContext = 131171;
constexpr int buttonTop = 6180;

// The card area of a layout code: the first two characters of the frame's ID.
QRect cardAreaOf(const QString& templateId) {
    const QString code = templateId.left(2);
    if (code == QLatin1String("F1") || code == QLatin1String("F2") || code == QLatin1String("F3")) {
        return Twips::rect(2400, 1100, 6975, 3495);
    }
    if (code == QLatin1String("F5") || code == QLatin1String("F6") || code == QLatin1String("F7")) {
        return Twips::rect(3200, 870, 2500, 5100);
    }
    return Twips::rect(2400, 1125, 5175, 2535);
}

PictureButton* makeButton(QWidget* parent, int cell, int left) {
    auto* button = new PictureButton(parent);
    button->setCell(cell);
    button->setGeometry(Twips::rect(left, buttonTop, 1050, 630));
    return button;
}

QFont comic(double points, bool bold) {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

CreationScreen::CreationScreen()
    : Screen(CreationScreenId, 9510, 6825, 101), ImageSaveButton(makeButton(this, 4, 2640)),
      ImagePrintButton(makeButton(this, 28, 4095)), ImageMainMenuButton(makeButton(this, 25, 5520)),
      CommandHelp(makeButton(this, 0, 6960)), CommandExit(makeButton(this, 50, 8280)),
      LabelHeader(new QLabel(this)), LEADTemplate(new QLabel(this)),
      CommandChangeFrame(new QPushButton(this)) {
    LabelHeader->setGeometry(Twips::rect(240, 300, 9000, 500));
    LabelHeader->setFont(comic(12.75, true));
    LabelHeader->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    CommandChangeFrame->setGeometry(Twips::rect(240, 1100, 1800, 600));
    CommandChangeFrame->setFont(comic(9.75, true));
    CommandChangeFrame->setText(Texts::at(107));
    tmrCtrlV.setSingleShot(true);
    tmrCtrlV.setInterval(300);
    connect(&tmrCtrlV, &QTimer::timeout, this, [this] {
        if (mbLeaveEditor) {
            ShowScreen(WelcomeScreenId);
        }
    });
    connect(CommandChangeFrame, &QPushButton::clicked, this, &CreationScreen::changeFrame);
    connect(ImageSaveButton, &PictureButton::clicked, this, &CreationScreen::save);
    connect(ImagePrintButton, &PictureButton::clicked, this,
            [] { ShowScreen(PrintIntroScreenId); });
    connect(ImageMainMenuButton, &PictureButton::clicked, this, &CreationScreen::mainMenu);
    connect(CommandExit, &PictureButton::clicked, this, &CreationScreen::exitProgram);
    connect(CommandHelp, &PictureButton::clicked, this, [] {
        Dialogs::current().showHelp(App().ApplicationDrive + QStringLiteral("/Quillon.hlp"),
                                    helpContext);
    });
}

void CreationScreen::Display() {
    AppModel& model = Model();
    if (!model.photoManager) {
        model.photoManager = std::make_shared<PhotoManager>();
    }
    if (GetPhotoStuffFromFile && !App().CurrentCardFile.isEmpty()) {
        if (!ReadCardPhoto()) {
            mbLeaveEditor = true;
            tmrCtrlV.start();
            return;
        }
        GetPhotoStuffFromFile = false;
    }
    DataManager& catalogue = *model.dataManager;
    selection = CardSelection::FromCatalogue(catalogue);
    LabelHeader->setText(catalogue.CurrentOccasionName() + QStringLiteral(" - ") +
                         catalogue.CurrentStyleName());

    const QImage card = CardPreview::render(catalogue.TheTemplatePath(), *model.photoManager,
                                            *model.pictureObjects);
    const QRect area = cardAreaOf(catalogue.TheTemplateID());
    if (card.isNull()) {
        LEADTemplate->clear();
        LEADTemplate->setGeometry(area);
        Dialogs::current().messageBox(QStringLiteral("Can't load template"), 0, QString());
        return;
    }
    LEADTemplate->setGeometry(QRect(area.topLeft(), card.size()));
    LEADTemplate->setPixmap(QPixmap::fromImage(card));
}

void CreationScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient back(0, 0, 0, height());
    back.setColorAt(0, QColor(0xE6, 0xDD, 0xF2));
    back.setColorAt(1, QColor(0xC8, 0xBC, 0xD8));
    painter.fillRect(rect(), back);
    if (!LEADTemplate->pixmap().isNull()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x3B, 0x26, 0x5E, 60));
        painter.drawRect(LEADTemplate->geometry().translated(4, 5));
    }
}

void CreationScreen::changeFrame() {
    DataManager& catalogue = *Model().dataManager;
    catalogue.setCurrentOccasionID(selection.occasionID);
    catalogue.setCurrentStyleID(selection.styleID);
    catalogue.setTheTemplate(selection.templateNumber.toInt());
    if (Screen* design = Navigator::instance().screen(DesignScreenId)) {
        design->setProperty("ComingFromCreation", true);
    }
    ShowScreen(DesignScreenId);
}

void CreationScreen::save() {
    BusyCursorOn();
    SaveCard(false, selection);
    BusyCursorOff();
}

bool CreationScreen::settleUnsavedWork(int captionText) {
    if (Model().dataManager->SavedSinceChange()) {
        return true;
    }
    const int answer = Dialogs::current().messageBox(
        Texts::at(120) + QStringLiteral("\r\n") + Texts::at(121), 3, Texts::at(captionText));
    if (answer == 2) {
        return false;
    }
    return answer != 6 || SaveCard(false, selection);
}

void CreationScreen::mainMenu() {
    if (settleUnsavedWork(122)) {
        ShowScreen(WelcomeScreenId);
    }
}

void CreationScreen::exitProgram() {
    BusyCursorOn();
    bool leave = false;
    if (Model().dataManager->SavedSinceChange()) {
        leave = Dialogs::current().messageBox(Texts::at(136), 52, Texts::at(137)) == 6;
    } else {
        leave = settleUnsavedWork(137);
    }
    if (leave) {
        ShowScreen(EndProgramId);
        return;
    }
    BusyCursorOff();
}
