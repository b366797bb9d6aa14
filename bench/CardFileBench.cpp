// Writing and reading a card of 100 objects (half clip art from the catalogue, half text): what
// saving and opening a full card costs. Uses the catalogue and disc the build puts beside the
// programs. Goal: under 5 ms each.

#include "app/AppState.h"
#include "card/AppModel.h"
#include "card/CardReader.h"
#include "card/CardWriter.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int objectCount = 100;

struct BenchCard {
    QTemporaryDir folder;
    QString path;
    CardSelection selection;
    PhotoManager photo;
    PictureObjects objects;
};

// Chooses the catalogue's first occasion and style and fills a card; false when there is no
// built catalogue to take them from.
bool makeCard(BenchCard& card) {
    const QString disc = QCoreApplication::applicationDirPath() + QStringLiteral("/disc");
    App().ApplicationDrive = disc;
    Model().dataManager = std::make_unique<DataManager>(DataManager::DefaultCatalogueFile(), disc);
    DataManager& catalogue = *Model().dataManager;
    catalogue.setCurrentOccasionIndex(0);
    catalogue.setCurrentStyleIndex(0);
    const QStringList art = catalogue.TheSelectedArt();
    if (art.isEmpty()) {
        return false;
    }
    card.selection = CardSelection::FromCatalogue(catalogue);
    card.path = card.folder.filePath(QStringLiteral("bench.ocd"));
    for (qint16 index = 1; index <= objectCount; ++index) {
        if (index % 2) {
            card.objects.Add(index, PictureObject::ArtObject, 0, 0, 1200, 900, false, 0, index * 60,
                             index * 45, 0, 1200, 900, nullptr, 0, nullptr,
                             art.at(index % art.size()), 0, 12);
        } else {
            const QStringList lines = {QStringLiteral("Happy birthday") + QChar(31),
                                       QStringLiteral("to you, dear %1").arg(index)};
            card.objects.Add(index, PictureObject::TextObject, 0, 0, 2000, 640, true, 3, index * 60,
                             index * 45, 2, 2100, 660, std::make_shared<TextLines>(lines), 0xFF00,
                             std::make_shared<CardFont>(), QString(), 320, 14);
        }
    }
    return true;
}

void WriteCard(benchmark::State& state) {
    BenchCard card;
    if (!makeCard(card)) {
        state.SkipWithError("the built catalogue is missing or has no clip art");
        return;
    }
    const QString graphics = Model().dataManager->GraphicsPath();
    for (auto _ : state) {
        QString error;
        if (!WriteCardFile(card.path, card.selection, card.photo, card.objects, graphics, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
    Model().dataManager.reset();
}
BENCHMARK(WriteCard)->Unit(benchmark::kMillisecond);

void ReadCard(benchmark::State& state) {
    BenchCard card;
    QString error;
    if (!makeCard(card) || !WriteCardFile(card.path, card.selection, card.photo, card.objects,
                                          Model().dataManager->GraphicsPath(), &error)) {
        state.SkipWithError("the built catalogue is missing or the card cannot be written");
        return;
    }
    App().CurrentCardFile = card.path;
    for (auto _ : state) {
        if (ReadCardHeader() != CardProblem::None || !ReadCardObjects() || !ReadCardPhoto() ||
            Model().pictureObjects->Count() != objectCount) {
            state.SkipWithError("the card did not read back");
            break;
        }
    }
    Model().dataManager.reset();
}
BENCHMARK(ReadCard)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
