#pragma once

#include "tools/demo/SlideDeck.h"

#include <QString>
#include <QVector>

// The disc the demonstration shows: its catalogue and its sample cards, drawn.
class DemoDisc {
public:
    // The catalogue to read: the one given, else TESSALY_CATALOGUE, else "Tessaly.db" beside the
    // disc folder (where the program keeps both), else the one beside this program.
    static QString catalogueFor(const QString& discFolder, const QString& given);

    // Sets the disc and catalogue up as the program's model, then reads and draws every sample
    // card; cards that cannot be read or drawn are left out.
    static QVector<SampleShot> loadShots(const QString& discFolder, const QString& catalogueFile);
};
