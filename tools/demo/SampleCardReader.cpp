#include "tools/demo/SampleCardReader.h"

#include "app/AppState.h"
#include "card/AppModel.h"
#include "card/CardReader.h"

#include <QDir>

QStringList SampleCardReader::files(const QString& discFolder) {
    const QDir samples(discFolder + QStringLiteral("/SamplePictureCards"));
    QStringList found;
    const QStringList names =
        samples.entryList({QStringLiteral("*.ocd")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names) {
        found << samples.filePath(name);
    }
    return found;
}

std::optional<SampleCard> SampleCardReader::read(const QString& cardFile) {
    App().CurrentCardFile = cardFile;
    const bool known = ReadCardHeader() == CardProblem::None && ReadCardObjects();
    if (!known) {
        return std::nullopt;
    }
    SampleCard card;
    card.file = cardFile;
    // A photo that cannot be found leaves the card without one; the frame still shows.
    if (ReadCardPhoto() && Model().photoManager) {
        card.photo = *Model().photoManager;
    }
    DataManager& catalogue = *Model().dataManager;
    card.occasionName = catalogue.CurrentOccasionName();
    card.templatePath = catalogue.TheTemplatePath();
    card.objects = Model().pictureObjects;
    return card;
}
