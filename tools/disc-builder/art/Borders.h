#pragma once

#include "tools/disc-builder/art/FrameTheme.h"

#include <QPainter>
#include <QRectF>

// The decorative edge of a frame, painted along the edges of the card (twips).
namespace Borders {

// How far in from the card's edge the border reaches.
constexpr double kBand = 260;

void paint(QPainter& painter, const QRectF& card, BorderKind kind, const Palette& palette,
           int seed);

} // namespace Borders
