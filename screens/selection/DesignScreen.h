#pragma once

#include "app/shell/Screen.h"
#include "screens/selection/StyleListLayout.h"

#include <QString>
#include <QVector>

class DataManager;
class FrameHighlight;
class ImagingView;
class PicturePanel;
class PictureButton;
class QComboBox;
class QLabel;
class QTimer;
class StyleClickCatcher;

// The style and frame screen: a frame style for the chosen occasion from a list of up to two
// pages, then one of the style's six frames from its thumbnails. Reached for a new card from the
// occasion screen, or from the editor to change the card's frame (ComingFromCreation): then
// Cancel puts the card's selection back, and a change that would cost the card its photo or art
// is confirmed first.
class DesignScreen : public Screen {
    Q_OBJECT
    Q_PROPERTY(bool ComingFromCreation READ ComingFromCreation WRITE setComingFromCreation)
public:
    static constexpr int HelpContext = 131170;
    static constexpr int FrameCount = 6;
    static constexpr int StyleLabelCount = StyleListLayout::MaximumStyles;

    DesignScreen();

    bool ComingFromCreation() const { return comingFromCreation; }
    void setComingFromCreation(bool on) { comingFromCreation = on; }

    // Shows the thumbnails and the occasion list and marks the frame DataManager holds.
    void Display() override;

    // True to go on with the chosen frame: at once unless the change costs the card its photo
    // or art, else the user's answer; on yes the photo or the art is taken off the card.
    bool ConfirmFrameChange();

    int selectedStyleRow() const { return selectedRow; }

    QComboBox* ComboOccasions() const { return comboOccasions; }
    QLabel* lblOccasions(int index) const { return occasionHeadings[index]; }
    QLabel* LabelStyle(int index) const { return styleLabels[index]; }
    QWidget* PictureMoreStyles() const;
    PictureButton* ImageDownArrow(int index) const { return downArrows[index]; }
    PictureButton* ImageUpArrow(int index) const { return upArrows[index]; }
    StyleClickCatcher* lblInvisible(int index) const { return catchers[index]; }
    QWidget* picSelect() const;
    QLabel* lblPicStyle() const { return badgeLabel; }
    ImagingView* LeadDesignTemplate(int frame) const { return thumbnails[frame]; }
    QWidget* ShapeHiLite() const;
    QLabel* lblBlankCard(int index) const { return groupHeadings[index]; }
    QLabel* LabelHeadText() const { return headText; }
    QLabel* Picture1() const { return freezeCover; }
    PictureButton* ImageOKButton() const { return okButton; }
    PictureButton* ImageCancelButton() const { return cancelButton; }
    PictureButton* ImageHelpButton() const { return helpButton; }
    QTimer* Timer1() const { return editorTimer; }
    QTimer* tmrBugOut() const { return bugOutTimer; }

protected:
    void Load() override;
    void CancelRequested() override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DataManager& catalogue() const;

    void occasionChanged(int position);
    void FillStyleList();
    void ClearStyles();
    void styleClicked(int page, int y);
    void chooseStyleRow(int row);
    // Loads and shows the chosen style's frames; false when the screen must leave because the
    // user gave them up while it was loading.
    bool showStyleFrames(int previousRow);
    void HighlightStyle(int row);
    void showSecondPage(bool shown, int topTwips);
    void nextPage();
    void previousPage();
    void setArrowsGreyed();

    bool LoadTemplatePictures();
    void putThumbnailsBack(const QStringList& paths);
    void showThumbnails();
    void FreezeTemplateArea();

    void chooseFrame(int frame);
    void frameDoubleClicked(int frame);
    void markChangedSelection();
    void ok();
    void cancel();
    void showHelp();
    void openEditorAfterDoubleClick();
    void bugOut();
    void showError(const QString& label, const std::exception& error);

    QComboBox* comboOccasions;
    QVector<QLabel*> occasionHeadings;
    QVector<QLabel*> styleLabels;
    PicturePanel* moreStyles;
    QVector<PictureButton*> upArrows;
    QVector<PictureButton*> downArrows;
    QVector<StyleClickCatcher*> catchers;
    PicturePanel* badge;
    QLabel* badgeLabel;
    QVector<ImagingView*> thumbnails;
    FrameHighlight* highlight;
    QVector<QLabel*> groupHeadings;
    QLabel* headText;
    QLabel* freezeCover;
    PictureButton* okButton;
    PictureButton* cancelButton;
    PictureButton* helpButton;
    QTimer* editorTimer;
    QTimer* bugOutTimer;

    bool comingFromCreation = false;
    QString entryOccasionId;
    QString entryStyleId;
    int entryFrame = 0;

    StyleListLayout styleLayout;
    bool hasMoreStyles = false;
    int selectedRow = -1;
    int previousOccasionPosition = -1;
    bool reverting = false;
    bool choosingStyle = false;
};
