#pragma once

#include <QString>

class DataManager;

// The catalogue values a card file names: what the editor remembered when it loaded.
struct CardSelection {
    QString occasionName;
    QString occasionID;
    QString styleName;
    QString styleID;
    // The frame number as text.
    QString templateNumber;

    // The catalogue's current selection.
    static CardSelection FromCatalogue(DataManager& catalogue);
};
