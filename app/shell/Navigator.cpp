#include "app/shell/Navigator.h"

#include "app/Texts.h"
#include "app/shell/BusyCursor.h"
#include "app/shell/ProgressDisplay.h"
#include "app/shell/Screen.h"
#include "app/shell/UIWindow.h"
#include "platform/Dialogs.h"

#include <QApplication>

Navigator& Navigator::instance() {
    static Navigator navigator;
    return navigator;
}

void Navigator::registerScreen(int id, const Factory& factory) {
    factories.insert(id, factory);
}

Screen* Navigator::screen(int id) {
    QPointer<Screen>& existing = screens[id];
    if (existing.isNull() || existing->property("unloaded").toBool()) {
        const auto factory = factories.constFind(id);
        existing = factory == factories.constEnd() ? nullptr : (*factory)();
    }
    return existing.data();
}

void Navigator::ShowScreen(int id) {
    PreviousScreen = CurrentScreen;
    BusyCursorOn();
    if (id >= SplashScreenId && id <= UIWindowId) {
        if (Screen* target = screen(id)) {
            CurrentScreen = target;
        }
    }
    const bool sameScreen = PreviousScreen == CurrentScreen;
    if (PreviousScreen && !sameScreen) {
        PreviousScreen->setEnabled(false);
    }
    if (id != EndProgramId && CurrentScreen) {
        CurrentScreen->LoadScreen();
        CurrentScreen->show();
        CurrentScreen->setEnabled(true);
    }
    if (PreviousScreen) {
        if (!sameScreen) {
            PreviousScreen->hide();
        }
        if ((id == DesignScreenId || id == CreationScreenId) && CurrentScreen) {
            CurrentScreen->Display();
        }
        if (!sameScreen) {
            PreviousScreen->setProperty("unloaded", true);
            PreviousScreen->Unload();
        }
        PreviousScreen = nullptr;
    }
    QCoreApplication::processEvents();
    BusyCursorOff();
    if (id == EndProgramId) {
        EndProgram();
    }
}

void Navigator::EndProgram() {
    ending = true;
    for (const QPointer<Screen>& existing : std::as_const(screens)) {
        if (existing) {
            existing->setProperty("unloaded", true);
            existing->Unload();
        }
    }
    CurrentScreen = nullptr;
    if (endHandler) {
        endHandler();
    } else {
        QCoreApplication::exit(0);
    }
}

void Navigator::reset() {
    for (const QPointer<Screen>& existing : std::as_const(screens)) {
        delete existing.data();
    }
    screens.clear();
    factories.clear();
    CurrentScreen = nullptr;
    PreviousScreen = nullptr;
    ProgressOwner = nullptr;
    endHandler = nullptr;
    ending = false;
}

void ShowScreen(int id) {
    Navigator::instance().ShowScreen(id);
}

bool ConfirmQuit() {
    return Dialogs::current().messageBox(Texts::at(2004), 52, Texts::at(2005)) == 6;
}

void PrepareForm(QWidget* screen) {
    screen->setWindowTitle(Texts::at(2001) + screen->windowTitle());
    screen->setWindowIcon(UIWindow::icon());
}

void ShowProgress(int percent) {
    Screen* owner = Navigator::instance().ProgressOwner;
    if (owner == nullptr) {
        return;
    }
    if (ProgressDisplay* display = owner->progressDisplay()) {
        display->setPercent(percent);
    }
}
