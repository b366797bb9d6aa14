#include "tools/disc-builder/art/TestPattern.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 2100;
constexpr int kHeight = 1050;
constexpr double kDotsPerInch = 300;
constexpr double kStep = kDotsPerInch / 32; // one nudge
constexpr int kSteps = 16;
const QColor kInk(30, 30, 40);
const QColor kEdge(220, 40, 60);
const QColor kCentre(30, 110, 220);

QFont labelFont(int pixels, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// An arrow of the given length from the point, pointing along the direction (unit vector).
void arrow(QPainter& p, const QPointF& from, const QPointF& direction, double length) {
    const QPointF tip = from + direction * length;
    const QPointF normal(-direction.y(), direction.x());
    p.save();
    p.setPen(QPen(kCentre, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, tip - direction * 14);
    p.setPen(Qt::NoPen);
    p.setBrush(kCentre);
    QPolygonF head;
    head << tip << tip - direction * 30 + normal * 16 << tip - direction * 30 - normal * 16;
    p.drawPolygon(head);
    p.restore();
}

// A ruler running inwards from the card edge: in its own coordinates it starts at x = 0 on
// the edge and goes in along +x; ticks hang along +y.
void ruler(QPainter& p, const QString& moveText, bool flipText) {
    p.save();
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(0, 0), QPointF(kSteps * kStep, 0));
    for (int i = 0; i <= kSteps; ++i) {
        const double x = i * kStep;
        const double length = i % 4 == 0 ? 44 : (i % 2 == 0 ? 30 : 20);
        p.setPen(QPen(i == 0 ? kEdge : kInk, i == 0 ? 4 : 2));
        p.drawLine(QPointF(x, -length / 2), QPointF(x, length / 2));
        if (i % 4 == 0 && i > 0) {
            p.setFont(labelFont(22, true));
            p.save();
            p.translate(x, 48);
            if (flipText) {
                p.rotate(180);
            }
            p.drawText(QRectF(-30, -16, 60, 32), Qt::AlignCenter, QString::number(i));
            p.restore();
        }
    }
    p.setFont(labelFont(20));
    p.save();
    p.translate(kSteps * kStep / 2 + 10, -44);
    if (flipText) {
        p.rotate(180);
    }
    p.drawText(QRectF(-150, -14, 300, 28), Qt::AlignCenter, moveText);
    p.restore();
    p.restore();
}

void centreMark(QPainter& p, const QPointF& at, double turn) {
    p.save();
    p.translate(at);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    p.setBrush(kCentre);
    QPolygonF wedge;
    wedge << QPointF(0, 0) << QPointF(-22, 60) << QPointF(22, 60);
    p.drawPolygon(wedge);
    p.setPen(QPen(kCentre, 3, Qt::DashLine));
    p.drawLine(QPointF(0, 60), QPointF(0, 150));
    p.restore();
}

} // namespace

namespace TestPattern {

QImage paint() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The printed edge of the card and a line 1/8 inch inside it.
    p.setPen(QPen(kEdge, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, kWidth - 6, kHeight - 6));
    p.setPen(QPen(kEdge, 2, Qt::DashLine));
    p.drawRect(QRectF(4 * kStep, 4 * kStep, kWidth - 8 * kStep, kHeight - 8 * kStep));

    const double quarterX[] = {kWidth * 0.25, kWidth * 0.75};
    const double quarterY[] = {kHeight * 0.25, kHeight * 0.75};
    for (double x : quarterX) {
        p.save();
        p.translate(x, 0);
        p.rotate(90);
        ruler(p, "cut here? move cards down", false);
        p.restore();
        p.save();
        p.translate(x, kHeight);
        p.rotate(-90);
        ruler(p, "cut here? move cards up", false);
        p.restore();
    }
    for (double y : quarterY) {
        p.save();
        p.translate(0, y);
        ruler(p, "cut here? move cards right", false);
        p.restore();
        p.save();
        p.translate(kWidth, y);
        p.rotate(180);
        ruler(p, "cut here? move cards left", true);
        p.restore();
    }

    centreMark(p, QPointF(kWidth / 2.0, 0), 0);
    centreMark(p, QPointF(kWidth / 2.0, kHeight), 180);
    centreMark(p, QPointF(0, kHeight / 2.0), -90);
    centreMark(p, QPointF(kWidth, kHeight / 2.0), 90);

    const QPointF centre(kWidth / 2.0, kHeight / 2.0);
    p.setPen(QPen(kCentre, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 60, 60);
    p.drawLine(centre - QPointF(90, 0), centre + QPointF(90, 0));
    p.drawLine(centre - QPointF(0, 90), centre + QPointF(0, 90));
    arrow(p, centre + QPointF(120, 0), QPointF(1, 0), 160);
    arrow(p, centre - QPointF(120, 0), QPointF(-1, 0), 160);
    arrow(p, centre + QPointF(0, 110), QPointF(0, 1), 110);
    arrow(p, centre - QPointF(0, 110), QPointF(0, -1), 110);

    p.setPen(kInk);
    p.setFont(labelFont(40, true));
    p.drawText(QRectF(0, kHeight * 0.5 - 300, kWidth, 60), Qt::AlignCenter, "Alignment Test");
    p.setFont(labelFont(24));
    p.drawText(QRectF(kWidth * 0.2, kHeight * 0.5 + 200, kWidth * 0.6, 110), Qt::AlignCenter,
               "Lay the card paper over this print. The red line is the edge of the card.\n"
               "Where a perforation crosses a scale, the number is how many 32nds of an inch\n"
               "to move the cards in the direction written beside that scale.");
    return image;
}

} // namespace TestPattern
