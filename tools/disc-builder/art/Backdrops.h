#pragma once

#include "tools/disc-builder/art/FrameTheme.h"

#include <QPainter>
#include <QRectF>

// The card paper behind everything else of a frame, in twips.
namespace Backdrops {

void paint(QPainter& painter, const QRectF& card, Backdrop kind, const Palette& palette, int seed);

} // namespace Backdrops
