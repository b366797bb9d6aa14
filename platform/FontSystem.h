#pragma once

#include <QString>
#include <QStringList>

// Fonts of the system: the installed families, fonts added for this run only, and the free
// fonts that stand in for the family names the program's screens are designed with.
namespace FontSystem {

// The installed families, each once, in the order the font system reports them.
QStringList families();

// Adds a font file for this run only; false when the file cannot be used.
bool addTemporaryFont(const QString& file);

// Maps "Comic Sans MS", "Arial", "MS Sans Serif", "Times New Roman" and "Courier New" to the
// installed free fonts with the same role (rounded, sans-serif, serif, monospaced).
void installSubstitutes();

} // namespace FontSystem
