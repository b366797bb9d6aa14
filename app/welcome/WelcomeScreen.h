#pragma once

#include "app/shell/Screen.h"

#include <QTimer>

class QLabel;
class QPushButton;
class PictureButton;

// The main menu: start a new card, open a saved one, watch the demonstration, read About, leave.
class WelcomeScreen : public Screen {
    Q_OBJECT
    Q_PROPERTY(int miLoadProblems READ loadProblems WRITE setLoadProblems)
public:
    WelcomeScreen();

    int loadProblems() const { return miLoadProblems; }
    void setLoadProblems(int code) { miLoadProblems = code; }

    // Starts a program and blocks until it has ended.
    static void WaitForProcessToEnd(const QString& command, const QStringList& arguments = {});

    PictureButton* CreateNewCard;
    PictureButton* OpenCard;
    PictureButton* SeeWhatYouCanDo;
    PictureButton* ImageExitButton;
    PictureButton* ImageAboutButton;
    QLabel* PicturePleaseWait;
    // The About panel; a click anywhere on it closes it.
    PictureButton* Picture1;
    QLabel* VersionNumber;

protected:
    void Load() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createNewCardClicked();
    void openCardClicked();
    void seeWhatYouCanDoClicked();
    void aboutClicked();
    void exitClicked();
    void hideAbout();

    int miLoadProblems = 0;
    QLabel* WelcomeText;
    QLabel* CreateNewCardText;
    QLabel* OpenExistingCardText;
    QLabel* SeeWhatYouCanDoText;
    QPushButton* cmdTakeTab;
    QTimer Timer1;
};
