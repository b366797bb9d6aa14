#pragma once

#include <QWidget>

// The red rectangle around the chosen frame thumbnail. Clicks pass through it to the thumbnail.
class FrameHighlight : public QWidget {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 4;

    explicit FrameHighlight(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
