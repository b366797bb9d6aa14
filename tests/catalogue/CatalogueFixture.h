#pragma once

#include "tools/disc-builder/DiscRows.h"

#include <QString>
#include <QStringList>

// Runs statements on a catalogue file with a writable connection of its own, as another
// program changing the catalogue would; false when one of them fails.
bool ChangeCatalogue(const QString& file, const QStringList& statements);
