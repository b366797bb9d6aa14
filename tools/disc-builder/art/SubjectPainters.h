#pragma once

#include <QColor>
#include <QPainter>

// The painters behind Subjects, grouped by theme in their own files.
using SubjectPainter = void (*)(QPainter&, const QColor&);

namespace PartySubjects {
void balloon(QPainter& p, const QColor& tint);
void balloonBunch(QPainter& p, const QColor& tint);
void cake(QPainter& p, const QColor& tint);
void cupcake(QPainter& p, const QColor& tint);
void gift(QPainter& p, const QColor& tint);
void giftStack(QPainter& p, const QColor& tint);
void partyHat(QPainter& p, const QColor& tint);
void candle(QPainter& p, const QColor& tint);
void star(QPainter& p, const QColor& tint);
void shootingStar(QPainter& p, const QColor& tint);
void confetti(QPainter& p, const QColor& tint);
void partyHorn(QPainter& p, const QColor& tint);
void lollipop(QPainter& p, const QColor& tint);
void iceCream(QPainter& p, const QColor& tint);
void rainbow(QPainter& p, const QColor& tint);
void bow(QPainter& p, const QColor& tint);
void trophy(QPainter& p, const QColor& tint);
void medal(QPainter& p, const QColor& tint);
void firework(QPainter& p, const QColor& tint);
void champagne(QPainter& p, const QColor& tint);
void glasses(QPainter& p, const QColor& tint);
void clock(QPainter& p, const QColor& tint);
void moon(QPainter& p, const QColor& tint);
} // namespace PartySubjects
