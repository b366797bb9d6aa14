#pragma once

#include "card/CardSelection.h"
#include "card/PhotoManager.h"
#include "card/PictureObjects.h"

#include <QString>
#include <QStringList>

// Writing card files.

// The header section: file type, catalogue selection, photo and its adjustments.
QStringList CardHeaderEntries(const CardSelection& selection, const PhotoManager& photo);
// The objects section: one group per art or text object, in stacking order; art paths relative
// to graphicsPath.
QStringList CardObjectEntries(const PictureObjects& objects, const QString& graphicsPath);

// Writes both sections into the file at path, keeping the other content of an existing card
// file; a card without objects has no objects section. The file is replaced atomically, or
// left as it was with *error set.
bool WriteCardFile(const QString& path, const CardSelection& selection, const PhotoManager& photo,
                   const PictureObjects& objects, const QString& graphicsPath, QString* error);

// Saves the card into CurrentCardFile, first asking for a file unless saveToCurrentFile is true
// and there is one. A card that cannot be written is reported to the user and stays unsaved.
// True when the card was written.
bool SaveCard(bool saveToCurrentFile, const CardSelection& selection);

// The clip-art path relative to the graphics folder, with "\" separators; a path outside it
// comes back unchanged.
QString RelativeArtPath(const QString& path);
QString RelativeArtPath(const QString& path, const QString& graphicsPath);
