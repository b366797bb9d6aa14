#pragma once

#include "app/shell/Screen.h"
#include "card/CardSelection.h"

#include <QTimer>

class QLabel;
class QPushButton;
class PictureButton;

// The card editor, as far as it is built: it shows the card on its frame (photo, clip art and
// text as the card holds them) and offers Change Frame, Save, Print, Main Menu, Help and Exit.
class CreationScreen : public Screen {
    Q_OBJECT
    Q_PROPERTY(bool GetPhotoStuffFromFile READ photoFromFile WRITE setPhotoFromFile)
public:
    CreationScreen();

    bool photoFromFile() const { return GetPhotoStuffFromFile; }
    void setPhotoFromFile(bool on) { GetPhotoStuffFromFile = on; }

    // Rebuilds the screen from the card model.
    void Display() override;

    QLabel* cardArea() const { return LEADTemplate; }
    QPushButton* changeFrameButton() const { return CommandChangeFrame; }
    PictureButton* ImageSaveButton;
    PictureButton* ImagePrintButton;
    PictureButton* ImageMainMenuButton;
    PictureButton* CommandHelp;
    PictureButton* CommandExit;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changeFrame();
    void save();
    void mainMenu();
    void exitProgram();
    // Asks to save an unsaved card; false when the user stays.
    bool settleUnsavedWork(int captionText);

    bool GetPhotoStuffFromFile = false;
    bool mbLeaveEditor = false;
    // The card's catalogue selection when the editor loaded.
    CardSelection selection;
    QLabel* LabelHeader;
    QLabel* LEADTemplate;
    QPushButton* CommandChangeFrame;
    QTimer tmrCtrlV;
};
