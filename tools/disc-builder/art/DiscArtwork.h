#pragma once

#include "tools/disc-builder/DiscRows.h"

#include <QString>

// Paints every picture of the disc into the graphics folder (frames with their masks and
// print pictures, clip art, sentiments, the test pattern "xpicture.jpg") and returns the
// catalogue rows that describe them. Returns no rows at all when a picture could not be
// written, so that a half-painted disc is never described as complete.
DiscRows PaintGraphics(const QString& graphicsFolder);
