#include "tools/demo/CardFeatures.h"

namespace {

// Greeting graphics lie in an occasion's "SNTIMNT" folder or in the folder of the greetings
// offered with every occasion, "4010".
bool isGreeting(const QString& artPath) {
    QString path = artPath.toUpper();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.contains(QStringLiteral("/SNTIMNT/")) || path.contains(QStringLiteral("/4010/"));
}

} // namespace

CardFeatures CardFeatures::of(const SampleCard& card, QSize pictureSize) {
    CardFeatures features;
    features.photo = !card.photo.PhotoInProcess.trimmed().isEmpty();
    features.portrait = pictureSize.height() > pictureSize.width();
    for (const PictureObjects::Pointer& object : *card.objects) {
        if (object->PictureType == PictureObject::TextObject) {
            features.text = true;
        } else if (object->PictureType == PictureObject::ArtObject) {
            const bool sentiment = isGreeting(object->Source);
            features.sentiment = features.sentiment || sentiment;
            features.clipArt = features.clipArt || !sentiment;
        }
    }
    return features;
}
