#include "app/shell/SplashScreen.h"

#include "app/AppState.h"
#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/Navigator.h"
#include "app/shell/SplashPicture.h"
#include "app/shell/Twips.h"
#include "card/CardReader.h"
#include "platform/Dialogs.h"

#include <QLabel>
#include <QPainter>
#include <exception>

SplashScreen::SplashScreen() : Screen(SplashScreenId, 7410, 5805, 0), version(new QLabel(this)) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, false);
    version->setGeometry(Twips::rect(4980, 5415, 2295, 255));
    version->setAlignment(Qt::AlignCenter);
    version->setAttribute(Qt::WA_TranslucentBackground);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    version->setFont(font);
    timer.setSingleShot(true);
    timer.setInterval(HandOverMs);
    connect(&timer, &QTimer::timeout, this, &SplashScreen::HandOver);
}

QString SplashScreen::VersionText() {
    return Texts::at(2003) + QLatin1Char(' ') + QString::number(TESSALY_VERSION_MAJOR) +
           QLatin1Char('.') + QString::number(TESSALY_VERSION_MINOR);
}

void SplashScreen::Load() {
    BusyCursorOn();
    version->setText(VersionText());
    timer.start();
}

void SplashScreen::mousePressEvent(QMouseEvent*) {
    HandOver();
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), SplashPicture::picture(size()));
}

void SplashScreen::HandOver() {
    timer.stop();
    if (done) {
        return;
    }
    done = true;
    try {
        int target = WelcomeScreenId;
        Navigator& navigator = Navigator::instance();
        if (!App().CurrentCardFile.isEmpty()) {
            const int problem = ReadCardHeader();
            if (problem != 0) {
                if (Screen* welcome = navigator.screen(WelcomeScreenId)) {
                    welcome->setProperty("miLoadProblems", problem);
                }
            } else {
                ReadCardObjects();
                if (Screen* editor = navigator.screen(CreationScreenId)) {
                    editor->setProperty("GetPhotoStuffFromFile", true);
                }
                target = CreationScreenId;
            }
        }
        ShowScreen(target);
    } catch (const std::exception& error) {
        done = false;
        BusyCursorOff();
        Dialogs::current().plainMessage(QString::fromUtf8(error.what()), QString());
    }
}
