#pragma once

#include <QHash>
#include <QPointer>
#include <functional>

class Screen;
class QWidget;

// Screen numbers.
enum ScreenId {
    SplashScreenId = 1,
    WelcomeScreenId = 2,
    OccasionScreenId = 3,
    DesignScreenId = 4,
    CreationScreenId = 5,
    PrintIntroScreenId = 6,
    PrintWizardId = 7,
    FileSaveDialogId = 8,
    TextScreenId = 9,
    UIWindowId = 10,
    EndProgramId = 11,
};

// Moves the user from one screen to the next: exactly one screen is shown at a time. Screens
// are made by factories that the program registers, so the shell knows no screen class.
class Navigator {
public:
    using Factory = std::function<Screen*()>;

    static Navigator& instance();

    void registerScreen(int id, const Factory& factory);
    // The screen of that id, made (not loaded) when it does not exist yet; null without factory.
    Screen* screen(int id);

    void ShowScreen(int id);
    // Hides and unloads every screen and ends the program.
    void EndProgram();
    bool isEnding() const { return ending; }

    // How the program ends; tests replace it so that the test process goes on.
    void setEndHandler(std::function<void()> handler) { endHandler = std::move(handler); }
    // Forgets every screen and state; for tests.
    void reset();

    QPointer<Screen> CurrentScreen;
    QPointer<Screen> PreviousScreen;
    // The screen whose progress display ShowProgress draws on; may be empty.
    QPointer<Screen> ProgressOwner;

private:
    QHash<int, Factory> factories;
    QHash<int, QPointer<Screen>> screens;
    std::function<void()> endHandler;
    bool ending = false;
};

void ShowScreen(int id);
// Asks whether to quit; true only for Yes.
bool ConfirmQuit();
// The caption behind text 2001, and the program's icon.
void PrepareForm(QWidget* screen);
// Draws the percentage on the progress display of ProgressOwner.
void ShowProgress(int percent);
