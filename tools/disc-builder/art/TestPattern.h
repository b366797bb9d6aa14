#pragma once

#include <QImage>

// The alignment test print: a card-sized picture (7 x 3.5 inches at 300 dpi) with its edges
// outlined, centre marks, and rulers in 1/32 inch at every edge whose numbers tell how far
// and which way to move the cards when the perforation does not meet the printed edge.
namespace TestPattern {

QImage paint();

} // namespace TestPattern
