#pragma once

#include <QWidget>

// An invisible area over the style names that turns a click into the height it was made at;
// the screen maps that height to a style row.
class StyleClickCatcher : public QWidget {
    Q_OBJECT
public:
    explicit StyleClickCatcher(QWidget* parent);

Q_SIGNALS:
    // y: pixels from the catcher's top.
    void clickedAt(int y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed = false;
};
