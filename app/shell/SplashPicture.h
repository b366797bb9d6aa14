#pragma once

#include <QPixmap>

// The picture of the splash screen, painted by the program.
class SplashPicture {
public:
    static QPixmap picture(const QSize& size);
};
