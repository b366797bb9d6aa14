#pragma once

#include <QFont>

// The fonts of the occasion and style screens.
namespace SelectionFonts {

// The hidden window's font, for the screens' headings: bold "Comic Sans MS" 12.75.
QFont ui();
// The occasion captions: "Comic Sans MS" 11.
QFont occasionCaption();
// The style names' font, bold for measuring them: "Comic Sans MS" 9.75.
QFont styleLabels(bool bold);
// The list of occasions: "Comic Sans MS" 9.
QFont occasionList();

} // namespace SelectionFonts
