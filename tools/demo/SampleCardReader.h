#pragma once

#include "tools/demo/SampleCard.h"

#include <QString>
#include <QStringList>
#include <optional>

// Reads the disc's sample cards with the program's own card reader. The catalogue and the disc
// must be set up (Model().dataManager, App().ApplicationDrive) before reading.
class SampleCardReader {
public:
    // The card files of the disc's sample card folder, in name order.
    static QStringList files(const QString& discFolder);

    // The card in that file; nothing when the file is not a card this catalogue knows.
    static std::optional<SampleCard> read(const QString& cardFile);
};
