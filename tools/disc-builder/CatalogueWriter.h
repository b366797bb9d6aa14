#pragma once

#include "tools/disc-builder/DiscRows.h"

#include <QString>

// Writes a new catalogue file from rows, replacing any file of that name. Column positions:
// "Occasions" (key, ID, name); "Styles" ("StyleID", "Style", "Visible", one column per occasion
// ID); "Art" ("StyleId", stem, one column per occasion ID); "ScreenTemplates" (frame ID, "Style",
// path). Rows keep their order. On failure returns false, leaves no file and sets *error.
bool WriteCatalogue(const QString& file, const DiscRows& rows, QString* error);
