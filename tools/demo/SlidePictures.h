#pragma once

#include <QImage>
#include <QSize>
#include <QVector>

// The pictures of the slides: card pictures laid out on a transparent scene of one size, each
// card with a white edge and a soft shadow, as if printed and put on a table.
class SlidePictures {
public:
    static constexpr QSize SceneSize{640, 320};
    static constexpr int FanSize = 3;

    // One card, as large as the scene allows.
    static QImage single(const QImage& card);
    // Up to FanSize cards fanned out, the first on top.
    static QImage fan(const QVector<QImage>& cards);
    // A tall card beside a wide one.
    static QImage sideBySide(const QImage& tall, const QImage& wide);

    // Draws a card centred on a point, turned by angle degrees, fitted into box.
    static void drawCard(QPainter& painter, const QImage& card, QPointF centre, double angle,
                         QSizeF box);
};
