#include "app/welcome/WelcomeScreen.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/Navigator.h"
#include "app/shell/PictureButton.h"
#include "app/shell/SplashScreen.h"
#include "app/shell/Twips.h"
#include "app/welcome/WelcomeArt.h"
#include "card/CardReader.h"
#include "card/FileSaveDialog.h"
#include "catalogue/DataManager.h"
#include "platform/Dialogs.h"
#include "platform/ProcessRunner.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <exception>

namespace {

constexpr int windowWidth = 7305;
constexpr int windowHeight = 5025;
constexpr int pleaseWaitTop = 2610;

QFont comic(double points, bool bold = false) {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, int left, int top, int width, int height, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(font);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

PictureButton* makeBigButton(QWidget* parent, int left, int top,
                             QPixmap (*paint)(const QSize&, bool)) {
    auto* button = new PictureButton(parent);
    button->setGeometry(Twips::rect(left, top, 1815, 975));
    button->setPictures(paint(button->size(), false), paint(button->size(), true));
    return button;
}

} // namespace

WelcomeScreen::WelcomeScreen()
    : Screen(WelcomeScreenId, windowWidth, windowHeight, 1005),
      CreateNewCard(makeBigButton(this, 1170, 1200, WelcomeArt::newCardButton)),
      OpenCard(makeBigButton(this, 4380, 1200, WelcomeArt::openCardButton)),
      SeeWhatYouCanDo(makeBigButton(this, 2760, 3000, WelcomeArt::showButton)),
      ImageExitButton(new PictureButton(this)), ImageAboutButton(new PictureButton(this)),
      PicturePleaseWait(new QLabel(this)), Picture1(new PictureButton(this)),
      VersionNumber(new QLabel(Picture1)),
      WelcomeText(makeLabel(this, 840, 330, 5415, 735, comic(12))),
      CreateNewCardText(makeLabel(this, 1260, 2190, 1575, 825, comic(12))),
      OpenExistingCardText(makeLabel(this, 4100, 2220, 2500, 825, comic(12))),
      SeeWhatYouCanDoText(makeLabel(this, 2760, 4050, 1900, 700, comic(12))),
      cmdTakeTab(new QPushButton(this)) {
    WelcomeText->setAlignment(Qt::AlignCenter);
    ImageExitButton->setGeometry(Twips::rect(5640, 4080, 1215, 615));
    ImageAboutButton->setGeometry(Twips::rect(450, 4080, 1215, 615));

    PicturePleaseWait->resize(Twips::size(1920, 1560));
    PicturePleaseWait->setPixmap(WelcomeArt::pleaseWait(PicturePleaseWait->size()));

    Picture1->resize(Twips::size(6840, 4545));
    const QPixmap about = WelcomeArt::aboutPanel(Picture1->size());
    Picture1->setPictures(about, about);
    Picture1->hide();
    VersionNumber->setAttribute(Qt::WA_TransparentForMouseEvents);
    VersionNumber->move(Twips::point(3750, 1350));
    QFont versionFont(QStringLiteral("MS Sans Serif"));
    versionFont.setPointSizeF(8.25);
    versionFont.setBold(true);
    VersionNumber->setFont(versionFont);
    VersionNumber->setStyleSheet(QStringLiteral("color: white"));

    cmdTakeTab->setDefault(true);
    cmdTakeTab->resize(10, 10);
    Timer1.setSingleShot(true);
    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        PicturePleaseWait->move(Twips::point(-3000, -2760));
        Timer1.stop();
    });

    connect(CreateNewCard, &PictureButton::clicked, this, &WelcomeScreen::createNewCardClicked);
    connect(OpenCard, &PictureButton::clicked, this, &WelcomeScreen::openCardClicked);
    connect(SeeWhatYouCanDo, &PictureButton::clicked, this, &WelcomeScreen::seeWhatYouCanDoClicked);
    connect(ImageAboutButton, &PictureButton::clicked, this, &WelcomeScreen::aboutClicked);
    connect(ImageExitButton, &PictureButton::clicked, this, &WelcomeScreen::exitClicked);
    connect(cmdTakeTab, &QPushButton::clicked, this, &WelcomeScreen::hideAbout);
    connect(Picture1, &PictureButton::clicked, this, &WelcomeScreen::hideAbout);
}

void WelcomeScreen::Load() {
    PicturePleaseWait->move(Twips::point(-2000, -2000));
    cmdTakeTab->move(-cmdTakeTab->width() - 10, 0);
    setBusy(false);

    WelcomeText->setText(Texts::at(1001));
    CreateNewCardText->setText(Texts::at(1002));
    OpenExistingCardText->setText(Texts::at(1003));
    SeeWhatYouCanDoText->setText(Texts::at(1004));
    ImageExitButton->setCell(50);
    ImageAboutButton->setCell(5);
    // The About button mirrors the Exit button.
    const int exitRight = windowWidth - (5640 + 1215);
    ImageAboutButton->move(Twips::point(exitRight, 4080));

    show();
    if (!App().CurrentCardFile.isEmpty()) {
        if (miLoadProblems != 0) {
            Dialogs::current().messageBox(CardProblemMessage(miLoadProblems), 0, QString());
        }
    }
    App().CurrentCardFile.clear();
    miLoadProblems = 0;
    VersionNumber->setText(SplashScreen::VersionText());
    VersionNumber->adjustSize();
}

void WelcomeScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    static QPixmap background;
    if (background.size() != size()) {
        background = WelcomeArt::background(size());
    }
    painter.drawPixmap(0, 0, background);
}

void WelcomeScreen::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        Picture1->isVisible()) {
        hideAbout();
        return;
    }
    Screen::keyPressEvent(event);
}

void WelcomeScreen::createNewCardClicked() {
    if (isBusy()) {
        return;
    }
    ShowScreen(OccasionScreenId);
}

void WelcomeScreen::openCardClicked() {
    if (isBusy()) {
        return;
    }
    setBusy(true);
    try {
        miLoadProblems = 0;
        if (FileSaveDialog::DisplayLoad()) {
            const int code = ReadCardHeader();
            if (code != 0) {
                Dialogs::current().messageBox(CardProblemMessage(code), 0, QString());
            } else if (ReadCardObjects()) {
                if (Screen* editor = Navigator::instance().screen(CreationScreenId)) {
                    editor->setProperty("GetPhotoStuffFromFile", true);
                }
                ShowScreen(CreationScreenId);
                return;
            }
        }
    } catch (const std::exception& error) {
        Dialogs::current().plainMessage(QString::fromUtf8(error.what()), QString());
    }
    BusyCursorOff();
    setBusy(false);
}

void WelcomeScreen::seeWhatYouCanDoClicked() {
    if (PicturePleaseWait->y() == Twips::toPixels(pleaseWaitTop)) {
        return;
    }
    PicturePleaseWait->move(Twips::point(2670, pleaseWaitTop));
    PicturePleaseWait->raise();
    repaint();
    // The demonstration reads the same disc and catalogue as the program.
    WaitForProcessToEnd(App().ApplicationDrive + QStringLiteral("/What you can do/vimble"),
                        {QStringLiteral("--disc"), App().ApplicationDrive,
                         QStringLiteral("--catalogue"), DataManager::DefaultCatalogueFile()});
    Timer1.start();
    activateWindow();
    setFocus();
    setBusy(false);
}

void WelcomeScreen::WaitForProcessToEnd(const QString& command, const QStringList& arguments) {
    if (!ProcessRunner::runAndWait(command, arguments)) {
        Dialogs::current().messageBox(Texts::at(1409) +
                                          QStringLiteral(" Utilities:WaitForProcessToEnd"),
                                      0, QStringLiteral("System Error"));
    }
}

void WelcomeScreen::aboutClicked() {
    if (Picture1->isVisible()) {
        return;
    }
    Picture1->move(Twips::point(240, 240));
    Picture1->raise();
    VersionNumber->show();
    Picture1->show();
}

void WelcomeScreen::hideAbout() {
    Picture1->hide();
}

void WelcomeScreen::exitClicked() {
    if (Picture1->isVisible()) {
        return;
    }
    BusyCursorOn();
    if (Dialogs::current().messageBox(Texts::at(1006), 4, Texts::at(2001)) == 6) {
        ShowScreen(EndProgramId);
        return;
    }
    BusyCursorOff();
}
