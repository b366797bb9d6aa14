#include "screens/selection/PicturePanel.h"

#include <QPainter>

PicturePanel::PicturePanel(Artwork art, QWidget* parent)
    : QWidget(parent), artwork(std::move(art)) {}

void PicturePanel::paintEvent(QPaintEvent*) {
    if (picture.size() != size()) {
        picture = artwork(size());
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}
