#include "app/Texts.h"

#include <QHash>

namespace {

const QHash<int, QString>& table() {
    static const QHash<int, QString> texts = {
        {1200, QStringLiteral("Cannot find the application CD.")},
        {1201, QStringLiteral("Please insert the ")},
        {1202, QStringLiteral("CD in CD drive ")},
        {2000, QStringLiteral("GLOBAL AREA")},
        {2001, QStringLiteral("VARNO Tessaly Software - ")},
        {2002, QStringLiteral("Software/VARNO/TsOccasions")},
        {2003, QStringLiteral("Version")},
        {2004, QStringLiteral("Are you sure you want to quit the application?")},
        {2005, QStringLiteral("Exit")},
    };
    return texts;
}

} // namespace

QString Texts::at(int number) { return table().value(number); }

bool Texts::has(int number) { return table().contains(number); }
