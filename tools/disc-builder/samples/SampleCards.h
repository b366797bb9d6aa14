#pragma once

#include "tools/disc-builder/DiscRows.h"

#include <QString>

// Paints the sample photos into <disc>/SamplePictures and writes the sample cards, made of the
// disc's own frames, clip art and sentiments, into <disc>/SamplePictureCards with the program's
// card writer. False with *error when a photo or a card cannot be written, or when the rows
// lack what a card needs.
bool WriteSampleCards(const QString& discRoot, const DiscRows& rows, QString* error);
