// Opening the catalogue and listing an occasion's styles: what the occasion and style screens
// wait for. Reads the catalogue the build puts beside the programs (or TESSALY_CATALOGUE).

#include "catalogue/DataManager.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void OpenAndListStyles(benchmark::State& state) {
    const QString file = DataManager::DefaultCatalogueFile();
    {
        DataManager probe(file, QStringLiteral("disc"));
        if (probe.Occasions().isEmpty()) {
            state.SkipWithError("the catalogue is missing or has no occasions");
            return;
        }
    }
    const int occasion = static_cast<int>(state.range(0));
    for (auto _ : state) {
        DataManager catalogue(file, QStringLiteral("disc"));
        catalogue.setCurrentOccasionIndex(occasion);
        benchmark::DoNotOptimize(catalogue.TheSelectedStyles());
    }
}
BENCHMARK(OpenAndListStyles)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
