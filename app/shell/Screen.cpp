#include "app/shell/Screen.h"

#include "app/Texts.h"
#include "app/shell/Navigator.h"
#include "app/shell/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

Screen::Screen(int screenId, int widthTwips, int heightTwips, int caption)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      id(screenId), captionText(caption) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(Twips::size(widthTwips, heightTwips));
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void Screen::LoadScreen() {
    if (loaded) {
        return;
    }
    loaded = true;
    if (captionText > 0) {
        setWindowTitle(Texts::at(captionText));
        PrepareForm(this);
    }
    Load();
}

void Screen::Unload() {
    closingByProgram = true;
    close();
    deleteLater();
}

bool Screen::QueryUnload() {
    if (!ConfirmQuit()) {
        return false;
    }
    Navigator::instance().EndProgram();
    return true;
}

void Screen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!loading && !busy) {
            CancelRequested();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void Screen::closeEvent(QCloseEvent* event) {
    if (closingByProgram || Navigator::instance().isEnding()) {
        event->accept();
        return;
    }
    if (QueryUnload()) {
        event->accept();
    } else {
        event->ignore();
    }
}
