#include "tools/disc-builder/art/TestPattern.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 2100;
constexpr int kHeight = 1050;
constexpr double kStep = 300.0 / 32; // one nudge: 1/32 inch at 300 dpi
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

void arrowHead(QPainter& p, const QPointF& tip, const QPointF& direction, double size,
               const QColor& colour) {
    const QPointF normal(-direction.y(), direction.x());
    QPolygonF head;
    head << tip << tip - direction * size + normal * size * 0.55
         << tip - direction * size - normal * size * 0.55;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.restore();
}

// An arrow pointing the way the cards are to be moved.
void moveArrow(QPainter& p, const QPointF& from, const QPointF& direction, double length) {
    p.save();
    p.setPen(QPen(kCentre, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, from + direction * (length - 16));
    p.restore();
    arrowHead(p, from + direction * length, direction, 22, kCentre);
}

// A scale running in from the card's edge at `edge` along `inward`, with a tick every 1/32
// inch and the count of 32nds every fourth tick, and a note of which way to move the cards
// when the perforation crosses it. Text always stands upright.
void ruler(QPainter& p, const QPointF& edge, const QPointF& inward, const QPointF& moveWay) {
    const QPointF across(-inward.y(), inward.x());
    p.save();
    p.setPen(QPen(kInk, 2));
    p.drawLine(edge, edge + inward * (kSteps * kStep));
    for (int i = 0; i <= kSteps; ++i) {
        const QPointF at = edge + inward * (i * kStep);
        const double half = i % 4 == 0 ? 22 : (i % 2 == 0 ? 15 : 9);
        p.setPen(QPen(i == 0 ? kEdge : kInk, i == 0 ? 4 : 2));
        p.drawLine(at - across * half, at + across * half);
        if (i > 0 && i % 4 == 0) {
            const QPointF label = at + across * 44;
            p.setPen(kInk);
            p.setFont(labelFont(22, true));
            p.drawText(QRectF(label.x() - 30, label.y() - 15, 60, 30), Qt::AlignCenter,
                       QString::number(i));
        }
    }
    p.restore();

    // The note sits on the other side of the scale from the numbers.
    const QPointF noteAnchor = edge + inward * (kSteps * kStep * 0.5) - across * 60;
    const bool horizontal = std::abs(inward.x()) > 0.5;
    QRectF note(0, 0, 220, 60);
    note.moveCenter(noteAnchor);
    if (horizontal) {
        // Keep the note clear of the card edge on the left and right.
        note.moveLeft(qBound(12.0, note.left(), kWidth - 70.0 - note.width()));
    } else {
        note.moveCenter(noteAnchor - across * 90);
        note.moveTop(qBound(10.0, note.top(), kHeight - 10.0 - note.height()));
    }
    p.save();
    p.setPen(kInk);
    p.setFont(labelFont(20));
    p.drawText(note, Qt::AlignCenter, "perforation here?\nmove cards");
    p.restore();
    const bool noteLeftOfScale = !horizontal && note.center().x() < edge.x();
    const QPointF arrowCentre(noteLeftOfScale ? note.left() - 20 : note.right() + 20,
                              note.center().y());
    moveArrow(p, arrowCentre - moveWay * 28, moveWay, 56);
}

void centreMark(QPainter& p, const QPointF& edge, const QPointF& inward) {
    arrowHead(p, edge + inward * 2, -inward, 40, kCentre);
    p.save();
    p.setPen(QPen(kCentre, 3, Qt::DashLine));
    p.drawLine(edge + inward * 50, edge + inward * 150);
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

    for (double y : {kHeight * 0.25, kHeight * 0.75}) {
        ruler(p, QPointF(0, y), QPointF(1, 0), QPointF(1, 0));
        ruler(p, QPointF(kWidth, y), QPointF(-1, 0), QPointF(-1, 0));
    }
    for (double x : {kWidth * 0.25, kWidth * 0.75}) {
        ruler(p, QPointF(x, 0), QPointF(0, 1), QPointF(0, 1));
        ruler(p, QPointF(x, kHeight), QPointF(0, -1), QPointF(0, -1));
    }

    centreMark(p, QPointF(kWidth / 2.0, 0), QPointF(0, 1));
    centreMark(p, QPointF(kWidth / 2.0, kHeight), QPointF(0, -1));
    centreMark(p, QPointF(0, kHeight / 2.0), QPointF(1, 0));
    centreMark(p, QPointF(kWidth, kHeight / 2.0), QPointF(-1, 0));

    const QPointF centre(kWidth / 2.0, kHeight / 2.0);
    p.setPen(QPen(kCentre, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 50, 50);
    p.drawLine(centre - QPointF(80, 0), centre + QPointF(80, 0));
    p.drawLine(centre - QPointF(0, 80), centre + QPointF(0, 80));

    p.setPen(kInk);
    p.setFont(labelFont(44, true));
    p.drawText(QRectF(0, centre.y() - 260, kWidth, 70), Qt::AlignCenter, "Alignment Test");
    p.setFont(labelFont(24));
    p.drawText(QRectF(kWidth * 0.2, centre.y() + 110, kWidth * 0.6, 130), Qt::AlignCenter,
               "Lay the card paper over this print. The solid red line is the edge of the card.\n"
               "Where a perforation crosses a scale, its number tells how many 32nds of an inch\n"
               "to move the cards the way the arrow beside that scale points.");
    return image;
}

} // namespace TestPattern
