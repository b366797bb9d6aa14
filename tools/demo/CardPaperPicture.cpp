#include "tools/demo/CardPaperPicture.h"

#include "tools/demo/SlidePictures.h"

#include <QPainter>
#include <QTransform>

namespace {

constexpr double sheetWidthInches = 8.5;
constexpr double sheetHeightInches = 11.0;
constexpr double cardLeftInches = 0.75;
constexpr double cardWidthInches = 7.0;
constexpr double cardHeightInches = 3.5;
constexpr double cardTopsInches[] = {0.25, 3.75, 7.25};

void drawSheet(QPainter& painter, const QImage& printed, QRectF sheet) {
    const double inch = sheet.height() / sheetHeightInches;
    painter.setPen(Qt::NoPen);
    for (int step = 8; step > 0; --step) {
        painter.setBrush(QColor(40, 20, 60, 10));
        painter.drawRect(sheet.translated(3, 5).adjusted(-step, -step, step, step));
    }
    painter.setBrush(QColor(253, 253, 250));
    painter.drawRect(sheet);

    QPen perforation(QColor(150, 150, 160), 1, Qt::CustomDashLine);
    perforation.setDashPattern({2, 2});
    for (double top : cardTopsInches) {
        const QRectF cell(sheet.left() + cardLeftInches * inch, sheet.top() + top * inch,
                          cardWidthInches * inch, cardHeightInches * inch);
        painter.drawImage(cell, printed);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(perforation);
        painter.drawRect(cell);
        painter.setPen(Qt::NoPen);
    }
}

} // namespace

QImage CardPaperPicture::render(const QImage& card, bool portrait) {
    QImage scene(SlidePictures::SceneSize, QImage::Format_ARGB32_Premultiplied);
    scene.fill(Qt::transparent);
    if (card.isNull()) {
        return scene;
    }
    const QImage printed = portrait ? card.transformed(QTransform().rotate(-90)) : card;

    QPainter painter(&scene);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const double sheetHeight = scene.height() - 14.0;
    const double sheetWidth = sheetHeight * sheetWidthInches / sheetHeightInches;
    drawSheet(painter, printed,
              QRectF(scene.width() * 0.27 - sheetWidth / 2, 4, sheetWidth, sheetHeight));
    SlidePictures::drawCard(painter, card, QPointF(scene.width() * 0.71, scene.height() / 2.0), 4,
                            QSizeF(scene.width() * 0.5, scene.height() * 0.82));
    return scene;
}
