#include "tools/demo/SlidePictures.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int edge = 5;
constexpr int shadowSteps = 8;

QImage emptyScene() {
    QImage scene(SlidePictures::SceneSize, QImage::Format_ARGB32_Premultiplied);
    scene.fill(Qt::transparent);
    return scene;
}

void prepare(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
}

} // namespace

void SlidePictures::drawCard(QPainter& painter, const QImage& card, QPointF centre, double angle,
                             QSizeF box) {
    if (card.isNull()) {
        return;
    }
    const QSizeF room(box.width() - 2 * edge, box.height() - 2 * edge);
    const QSizeF shown = QSizeF(card.size()).scaled(room, Qt::KeepAspectRatio);
    const QRectF picture(-shown.width() / 2, -shown.height() / 2, shown.width(), shown.height());
    const QRectF paper = picture.adjusted(-edge, -edge, edge, edge);

    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    for (int step = shadowSteps; step > 0; --step) {
        painter.setBrush(QColor(40, 20, 60, 10));
        painter.drawRoundedRect(paper.translated(3, 5).adjusted(-step, -step, step, step), 4 + step,
                                4 + step);
    }
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(paper, 3, 3);
    painter.drawImage(picture, card);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture);
    painter.restore();
}

QImage SlidePictures::single(const QImage& card) {
    QImage scene = emptyScene();
    QPainter painter(&scene);
    prepare(painter);
    const QSizeF whole(SceneSize);
    drawCard(painter, card, QPointF(whole.width() / 2, whole.height() / 2), 0,
             whole - QSizeF(24, 24));
    return scene;
}

QImage SlidePictures::fan(const QVector<QImage>& cards) {
    struct Place {
        double x;
        double angle;
    };
    // The first card lies in the middle, on top; the second to its left, the third to its right.
    const Place places[FanSize] = {{0.5, 0}, {0.25, -9}, {0.75, 8}};
    QImage scene = emptyScene();
    QPainter painter(&scene);
    prepare(painter);
    const QSizeF box(SceneSize.width() * 0.48, SceneSize.height() * 0.78);
    for (qsizetype i = std::min<qsizetype>(cards.size(), FanSize) - 1; i >= 0; --i) {
        const QPointF centre(SceneSize.width() * places[i].x, SceneSize.height() * 0.5);
        drawCard(painter, cards[i], centre, places[i].angle, box);
    }
    return scene;
}

QImage SlidePictures::sideBySide(const QImage& tall, const QImage& wide) {
    QImage scene = emptyScene();
    QPainter painter(&scene);
    prepare(painter);
    const double height = SceneSize.height() - 16;
    drawCard(painter, tall, QPointF(SceneSize.width() * 0.2, SceneSize.height() / 2.0), -3,
             QSizeF(SceneSize.width() * 0.4, height));
    drawCard(painter, wide, QPointF(SceneSize.width() * 0.63, SceneSize.height() / 2.0), 3,
             QSizeF(SceneSize.width() * 0.56, height));
    return scene;
}
