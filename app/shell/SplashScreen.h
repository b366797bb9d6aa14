#pragma once

#include "app/shell/Screen.h"

#include <QTimer>

class QLabel;

// The first screen: a borderless picture with the version, shown for five seconds or until
// clicked; then the welcome screen, or the editor when a card was named on the command line.
class SplashScreen : public Screen {
    Q_OBJECT
public:
    static constexpr int HandOverMs = 5000;

    SplashScreen();

    QLabel* versionLabel() const { return version; }
    bool handedOver() const { return done; }
    bool waiting() const { return timer.isActive(); }

    // The version text: text 2003, a blank, major "." minor.
    static QString VersionText();

protected:
    void Load() override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void HandOver();

    QLabel* version;
    QTimer timer;
    bool done = false;
};
