#pragma once

#include <QWidget>

// The shared progress display: an outer bar with an inner filled bar, and the percentage printed
// at the same place in both, so that it reads the same over the filled and the empty part.
class ProgressDisplay : public QWidget {
    Q_OBJECT
public:
    explicit ProgressDisplay(QWidget* parent = nullptr);

    // Values above 100 show as 100.
    void setPercent(int percent);
    int percent() const { return shown; }
    QString text() const;
    // The inner bar's width and the text's left edge, in twips.
    int innerWidthTwips() const;
    int textLeftTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int shown = 0;
};
