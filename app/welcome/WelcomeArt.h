#pragma once

#include <QPixmap>

// The pictures of the welcome screen, painted by the program.
namespace WelcomeArt {

QPixmap background(const QSize& size);
// The three big buttons: a new card, an opened folder, a show.
QPixmap newCardButton(const QSize& size, bool pressed);
QPixmap openCardButton(const QSize& size, bool pressed);
QPixmap showButton(const QSize& size, bool pressed);
QPixmap pleaseWait(const QSize& size);
QPixmap aboutPanel(const QSize& size);

} // namespace WelcomeArt
