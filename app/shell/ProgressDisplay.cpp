#include "app/shell/ProgressDisplay.h"

#include "app/shell/Twips.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int innerMargin = 30; // twips
const QColor emptyColour(0xFF, 0xFF, 0xFF);
const QColor filledColour(0x6A, 0x4C, 0x93);
} // namespace

ProgressDisplay::ProgressDisplay(QWidget* parent) : QWidget(parent) {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(9);
    font.setBold(true);
    setFont(font);
}

void ProgressDisplay::setPercent(int percent) {
    shown = std::clamp(percent, 0, 100);
    repaint();
}

QString ProgressDisplay::text() const {
    return QString::number(shown) + QLatin1Char('%');
}

int ProgressDisplay::innerWidthTwips() const {
    return (Twips::fromPixels(width()) - innerMargin) * shown / 100;
}

int ProgressDisplay::textLeftTwips() const {
    const int textWidth = Twips::fromPixels(fontMetrics().horizontalAdvance(text()));
    return static_cast<int>(std::lround((Twips::fromPixels(width()) - textWidth) / 2.0));
}

void ProgressDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), emptyColour);
    painter.setPen(QColor(0x40, 0x30, 0x60));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QPoint textAt(Twips::toPixels(textLeftTwips()),
                        Twips::toPixels(innerMargin) + fontMetrics().ascent());
    painter.setPen(filledColour);
    painter.drawText(textAt, text());

    // The filled part shows the same text in the background colour.
    const QRect inner(0, 0, Twips::toPixels(innerWidthTwips()), height());
    painter.setClipRect(inner);
    painter.fillRect(inner, filledColour);
    painter.setPen(emptyColour);
    painter.drawText(textAt, text());
}
