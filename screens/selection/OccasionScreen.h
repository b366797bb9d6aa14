#pragma once

#include "app/shell/Screen.h"

#include <QVector>

class PictureButton;
class QLabel;
class QTimer;

// The first step of a new card: the catalogue's occasions as twelve picture buttons with
// captions. Choosing one records it and moves on to the style and frame screen.
class OccasionScreen : public Screen {
    Q_OBJECT
public:
    static constexpr int SlotCount = 12;
    static constexpr int HelpContext = 131169;

    OccasionScreen();

    PictureButton* CommandOccasion(int slot) const { return commandOccasion[slot]; }
    QLabel* LabelOccasion(int slot) const { return labelOccasion[slot]; }
    QLabel* LabelOccasionHead() const { return labelOccasionHead; }
    PictureButton* ImageButtonHelp() const { return imageButtonHelp; }
    PictureButton* ImageButtonCancel() const { return imageButtonCancel; }
    QTimer* tmrBugOut() const { return bugOutTimer; }

protected:
    void Load() override;
    void CancelRequested() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseOccasion(int slot);
    void cancel();
    void showHelp();
    void bugOut();

    QVector<PictureButton*> commandOccasion;
    QVector<QLabel*> labelOccasion;
    QLabel* labelOccasionHead;
    PictureButton* imageButtonHelp;
    PictureButton* imageButtonCancel;
    QTimer* bugOutTimer;
};
