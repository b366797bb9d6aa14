#include "tools/disc-builder/art/ArtCatalogue.h"
#include "tools/disc-builder/art/CardLayout.h"
#include "tools/disc-builder/art/DiscArtwork.h"
#include "tools/disc-builder/art/FramePainter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The whole disc's pictures; the build paints them every time the builder changes, so this
// should stay well under a minute on two cores.
void PaintAllGraphics(benchmark::State& state) {
    for (auto _ : state) {
        QTemporaryDir folder;
        const DiscRows rows = PaintGraphics(folder.filePath("Graphics"));
        benchmark::DoNotOptimize(rows.frames.size());
    }
}
BENCHMARK(PaintAllGraphics)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// One print picture of a frame, the largest single piece of the paint.
void PaintPrintFrame(benchmark::State& state) {
    const CardLayout layout = CardLayout::forCode("F1");
    const FramePainter painter(layout, ArtCatalogue::styles().first().theme, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(painter.picture(layout.printSize).constBits());
    }
}
BENCHMARK(PaintPrintFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
