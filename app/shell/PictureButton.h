#pragma once

#include <QPixmap>
#include <QWidget>

// A button drawn as a picture: the normal picture, and the pressed one while the mouse is held
// down on it. A click is a press and a release over the button.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    // Shows cell `cell` of the button sheet, and cell + 12 while pressed.
    void setCell(int cell);
    void setPictures(const QPixmap& normal, const QPixmap& pressed);

    bool isPressed() const { return pressed; }
    int cell() const { return sheetCell; }

Q_SIGNALS:
    void clicked();
    void pressedChanged(bool pressed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setPressed(bool down);

    QPixmap normalPicture;
    QPixmap pressedPicture;
    int sheetCell = -1;
    bool pressed = false;
};
