#include "tools/demo/DemoDisc.h"

#include "app/AppState.h"
#include "card/AppModel.h"
#include "card/CardPreview.h"
#include "tools/demo/SampleCardReader.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

QString DemoDisc::catalogueFor(const QString& discFolder, const QString& given) {
    if (!given.isEmpty()) {
        return given;
    }
    if (!qEnvironmentVariableIsEmpty("TESSALY_CATALOGUE")) {
        return qEnvironmentVariable("TESSALY_CATALOGUE");
    }
    const QString besideDisc = QDir::cleanPath(discFolder + QStringLiteral("/../Tessaly.db"));
    return QFileInfo(besideDisc).isFile() ? besideDisc : DataManager::DefaultCatalogueFile();
}

QVector<SampleShot> DemoDisc::loadShots(const QString& discFolder, const QString& catalogueFile) {
    QVector<SampleShot> shots;
    if (!QFileInfo(catalogueFile).isFile()) {
        std::fprintf(stderr, "vimble: no catalogue at %s\n", qUtf8Printable(catalogueFile));
        return shots;
    }
    App().ApplicationDrive = discFolder;
    Model().dataManager = std::make_unique<DataManager>(catalogueFile, discFolder);
    for (const QString& file : SampleCardReader::files(discFolder)) {
        const std::optional<SampleCard> card = SampleCardReader::read(file);
        const QImage picture =
            card ? CardPreview::render(card->templatePath, card->photo, *card->objects) : QImage();
        if (picture.isNull()) {
            std::fprintf(stderr, "vimble: cannot show %s\n", qUtf8Printable(file));
            continue;
        }
        shots << SampleShot{picture, CardFeatures::of(*card, picture.size()), card->occasionName};
    }
    return shots;
}
