#include "tools/disc-builder/art/GreetingPainter.h"

#include "tools/disc-builder/art/ClipArtImages.h"
#include "tools/disc-builder/art/PaintKit.h"
#include "tools/disc-builder/art/Shapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PaintKit;

namespace {

// Screen sizes of a sentiment (a full row of the clip-art browser) and of a badge.
constexpr QSizeF kSentimentScreen(124, 42);
constexpr QSizeF kBadgeScreen(84, 56);

QFont greetingFont() {
    QFont font("Comic Neue");
    font.setBold(true);
    font.setPixelSize(100);
    return font;
}

// The text as outlines, centred in the box and as large as fits.
// A long greeting on one line would come out small; it goes on two lines, broken at the
// blank nearest its middle.
QStringList linesOf(const QString& text) {
    if (text.contains('\n') || text.size() < 12) {
        return text.split('\n');
    }
    int best = -1;
    for (int i = text.indexOf(' '); i >= 0; i = text.indexOf(' ', i + 1)) {
        if (best < 0 || qAbs(i - text.size() / 2) < qAbs(best - text.size() / 2)) {
            best = i;
        }
    }
    if (best < 0) {
        return {text};
    }
    return {text.left(best), text.mid(best + 1)};
}

QPainterPath fittedText(const QString& text, const QRectF& box) {
    const QFont font = greetingFont();
    const QStringList lines = linesOf(text);
    QPainterPath path;
    const double lineHeight = 112;
    for (int i = 0; i < lines.size(); ++i) {
        QPainterPath line;
        line.addText(0, 0, font, lines[i]);
        const QRectF bounds = line.boundingRect();
        path.addPath(line.translated(-bounds.center().x(), i * lineHeight));
    }
    const QRectF bounds = path.boundingRect();
    const double scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

void paintLettering(QPainter& p, const QPainterPath& text, const QColor& ink, const QColor& glow,
                    double unit) {
    shadow(p, text, QPointF(unit * 0.6, unit * 0.8), unit * 2.2, 70);
    p.save();
    p.setPen(QPen(glow, unit * 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(glow);
    p.drawPath(text);
    const QRectF box = text.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, lighter(ink, 30));
    gradient.setColorAt(1, darker(ink, 15));
    p.setPen(QPen(darker(ink, 40), unit * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gradient);
    p.drawPath(text);
    p.restore();
}

void ornament(QPainter& p, GreetingPainter::Ornament kind, const QPointF& at, double size,
              const QColor& colour) {
    const QRectF box(at.x() - size / 2, at.y() - size / 2, size, size);
    switch (kind) {
    case GreetingPainter::Ornament::None:
        return;
    case GreetingPainter::Ornament::Hearts:
        shaded(p, Shapes::heart(box), colour, size * 0.05);
        return;
    case GreetingPainter::Ornament::Stars:
        shaded(p, Shapes::star(at, size / 2, 0.45), colour, size * 0.05);
        return;
    case GreetingPainter::Ornament::Flowers:
        for (int k = 0; k < 5; ++k) {
            const double angle = k * 72.0 * M_PI / 180.0;
            const QPointF petal = at + QPointF(std::cos(angle), std::sin(angle)) * size * 0.24;
            shaded(p,
                   Shapes::oval(QRectF(petal.x() - size * 0.2, petal.y() - size * 0.2, size * 0.4,
                                       size * 0.4)),
                   colour, size * 0.03);
        }
        flat(p,
             Shapes::oval(
                 QRectF(at.x() - size * 0.14, at.y() - size * 0.14, size * 0.28, size * 0.28)),
             QColor(250, 210, 70), size * 0.03);
        return;
    case GreetingPainter::Ornament::Leaves:
        shaded(p, Shapes::mapleLeaf(box), colour, size * 0.04);
        return;
    case GreetingPainter::Ornament::Snowflakes:
        flat(p, Shapes::snowflake(at, size / 2, size * 0.09), colour, size * 0.02);
        return;
    }
}

QImage canvas(const QSizeF& screenSize) {
    QImage image((screenSize * kPrintPerScreen).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

namespace GreetingPainter {

QImage sentiment(const QString& text, const QColor& ink, const QColor& glow, Ornament kind) {
    QImage image = canvas(kSentimentScreen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width();
    const double h = image.height();
    const double unit = h / 40.0;
    const bool ornaments = kind != Ornament::None;
    const QRectF textBox(ornaments ? h * 0.42 : unit * 4, unit * 4,
                         w - (ornaments ? h * 0.84 : unit * 8), h - unit * 8);
    const QPainterPath lettering = fittedText(text, textBox);
    const QRectF used = lettering.boundingRect();
    paintLettering(p, lettering, ink, glow, unit);
    if (ornaments) {
        const double size = h * 0.3;
        ornament(p, kind, QPointF(used.left() - size * 0.7, used.top() + size * 0.4), size,
                 lighter(ink, 15));
        ornament(p, kind, QPointF(used.right() + size * 0.7, used.bottom() - size * 0.4), size,
                 lighter(ink, 15));
    }
    return image;
}

QImage badge(const QString& text, Badge shape, const QColor& colour) {
    QImage image = canvas(kBadgeScreen);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width();
    const double h = image.height();
    const double unit = h / 56.0;
    QRectF textBox;
    QPainterPath body;
    switch (shape) {
    case Badge::Banner: {
        const double top = h * 0.22;
        const double bottom = h * 0.78;
        QPainterPath tails;
        for (double side : {-1.0, 1.0}) {
            const double outer = side < 0 ? unit * 2 : w - unit * 2;
            const double inner = side < 0 ? w * 0.16 : w * 0.84;
            tails.moveTo(inner, top + h * 0.14);
            tails.lineTo(outer, top + h * 0.14);
            tails.lineTo(outer + side * -w * 0.05, (top + bottom) / 2 + h * 0.07);
            tails.lineTo(outer, bottom + h * 0.14);
            tails.lineTo(inner, bottom + h * 0.14);
            tails.closeSubpath();
        }
        shadow(p, tails, QPointF(unit, unit), unit * 2);
        shaded(p, tails, darker(colour, 18), unit * 0.8);
        body.moveTo(w * 0.1, top);
        body.quadTo(w * 0.5, top - h * 0.1, w * 0.9, top);
        body.lineTo(w * 0.9, bottom);
        body.quadTo(w * 0.5, bottom - h * 0.1, w * 0.1, bottom);
        body.closeSubpath();
        textBox = QRectF(w * 0.15, top + unit * 2, w * 0.7, bottom - top - unit * 6);
        break;
    }
    case Badge::Heart:
        body = Shapes::heart(QRectF(w * 0.12, unit * 2, w * 0.76, h - unit * 4));
        textBox = QRectF(w * 0.24, h * 0.18, w * 0.52, h * 0.42);
        break;
    case Badge::Star:
        body = Shapes::star(QPointF(w / 2, h * 0.54), h * 0.52, 0.62, 7);
        textBox = QRectF(w * 0.25, h * 0.32, w * 0.5, h * 0.42);
        break;
    case Badge::Cloud:
        body = Shapes::cloud(QRectF(unit * 2, unit * 3, w - unit * 4, h - unit * 6));
        textBox = QRectF(w * 0.16, h * 0.3, w * 0.68, h * 0.48);
        break;
    }
    shadow(p, body, QPointF(unit, unit * 1.2), unit * 2.5);
    shaded(p, body, colour, unit * 0.9);
    gloss(p,
          QRectF(body.boundingRect().left() + w * 0.08, body.boundingRect().top() + h * 0.04,
                 w * 0.3, h * 0.22),
          120);
    const QPainterPath lettering = fittedText(text, textBox);
    paintLettering(p, lettering, darker(colour, 45), kOffWhite, unit * 0.8);
    return image;
}

} // namespace GreetingPainter
