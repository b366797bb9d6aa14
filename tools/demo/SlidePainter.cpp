#include "tools/demo/SlidePainter.h"

#include "tools/demo/SlidePictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <iterator>

namespace {

const QColor headingColour(75, 46, 131);
const QColor captionColour(58, 51, 80);

QFont roundedFont(int pixels, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void paintBackground(QPainter& painter) {
    const QRect whole(QPoint(0, 0), SlidePainter::Size);
    QLinearGradient wash(whole.topLeft(), whole.bottomLeft());
    wash.setColorAt(0, QColor(248, 244, 253));
    wash.setColorAt(1, QColor(222, 208, 240));
    painter.fillRect(whole, wash);

    // The same sprinkle of confetti on every slide, so that only the content seems to change.
    const QColor confetti[] = {QColor(255, 170, 190), QColor(255, 214, 120), QColor(150, 210, 240),
                               QColor(170, 225, 170), QColor(200, 170, 240)};
    QRandomGenerator sprinkle(20240601);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        QColor colour = confetti[i % std::size(confetti)];
        colour.setAlpha(110);
        painter.setBrush(colour);
        const double x = sprinkle.bounded(whole.width());
        const double y = sprinkle.bounded(whole.height());
        const double size = 4 + sprinkle.bounded(7);
        painter.drawEllipse(QPointF(x, y), size / 2, size / 2);
    }
}

} // namespace

QImage SlidePainter::paint(const Slide& slide) {
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    paintBackground(painter);

    const bool title = slide.topic == Slide::Title;
    painter.setFont(roundedFont(title ? 36 : 27, true));
    painter.setPen(headingColour);
    painter.drawText(QRect(20, title ? 14 : 18, Size.width() - 40, 50), Qt::AlignCenter,
                     slide.heading);

    if (!slide.picture.isNull()) {
        const QSize room = SlidePictures::SceneSize;
        const QSize shown = slide.picture.size().scaled(room, Qt::KeepAspectRatio);
        const QPoint corner((Size.width() - shown.width()) / 2,
                            76 + (room.height() - shown.height()) / 2);
        painter.drawImage(QRect(corner, shown), slide.picture);
    }

    painter.setFont(roundedFont(title ? 20 : 17, title));
    painter.setPen(captionColour);
    painter.drawText(QRect(60, 402, Size.width() - 120, 72),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, slide.caption);
    painter.end();
    return image;
}
