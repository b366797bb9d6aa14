#pragma once

#include "tools/disc-builder/art/FrameTheme.h"
#include "tools/disc-builder/art/GreetingPainter.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What the disc offers: the occasions, the frame styles with their looks and clip art, the
// sentiments of each occasion and the general greetings.
struct OccasionPlan {
    QString id; // also a column name of the catalogue
    QString name;
    QString folder;
};

struct ArtPlan {
    QString name; // file stem inside the style's folder
    QString subject;
    QColor tint;
    QStringList occasionIds; // empty: every occasion of the style
};

struct StylePlan {
    QString id;
    QString name;
    QString code; // joins the layout code in frame IDs and file names
    QString folder;
    QStringList occasionIds;
    FrameTheme theme;
    QVector<ArtPlan> art;
};

struct SentimentPlan {
    QString occasionId;
    QString name;
    QString text;
    QColor ink;
    QColor glow;
    GreetingPainter::Ornament ornament;
};

struct GreetingPlan {
    QString name;
    QString text;
    GreetingPainter::Badge badge;
    QColor colour;
};

namespace ArtCatalogue {

QVector<OccasionPlan> occasions();
QVector<StylePlan> styles();
QVector<SentimentPlan> sentiments();
// The general greetings of the sentiment style, offered with every occasion.
QVector<GreetingPlan> greetings();

// The sentiment style.
inline const QString kSentimentStyleId = "4010";

} // namespace ArtCatalogue
