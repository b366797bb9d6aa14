#include "platform/ImagingControl.h"
#include "platform/ImagingView.h"

#include <QApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

// A print-size card (2100 x 1050) and a mask whose black shape is as ragged as it gets: every
// pixel decided at random, the worst case for any region kept as rectangles.
QImage raggedMask(const QSize& size) {
    QImage mask(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = random.bounded(2) == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    return mask;
}

const QSize printCard(2100, 1050);

void RegionFromRaggedMask(benchmark::State& state) {
    ImagingControl mask;
    mask.setImage(raggedMask(printCard));
    for (auto _ : state) {
        mask.RegionFromColor(Qt::black);
        benchmark::DoNotOptimize(mask.RegionWidth());
    }
}
BENCHMARK(RegionFromRaggedMask)->Unit(benchmark::kMillisecond);

void CombineThroughRaggedRegion(benchmark::State& state) {
    ImagingControl mask;
    mask.setImage(raggedMask(printCard));
    mask.RegionFromColor(Qt::black);
    ImagingControl photo;
    photo.CreateImage(printCard.width(), printCard.height(), 24);
    ImagingControl card;
    card.CreateImage(printCard.width(), printCard.height(), 24);
    card.RegionFromHandle(mask.RegionHandle(), 0, 0);
    for (auto _ : state) {
        card.Combine(0, 0, printCard.width(), printCard.height(), photo.Bitmap(), 0, 0);
    }
}
BENCHMARK(CombineThroughRaggedRegion)->Unit(benchmark::kMillisecond);

void FillThroughRaggedRegion(benchmark::State& state) {
    ImagingControl mask;
    mask.setImage(raggedMask(printCard));
    mask.RegionFromColor(Qt::black);
    ImagingControl card;
    card.CreateImage(printCard.width(), printCard.height(), 24);
    card.RegionFromHandle(mask.RegionHandle(), 0, 0);
    for (auto _ : state) {
        card.Fill(Qt::black);
    }
}
BENCHMARK(FillThroughRaggedRegion)->Unit(benchmark::kMillisecond);

void AdjustPrintPhoto(benchmark::State& state) {
    ImagingControl photo;
    photo.CreateImage(1000, 700, 24);
    for (auto _ : state) {
        photo.AdjustBrightness(300);
        photo.AdjustContrast(-300);
        photo.Rotate(9000);
    }
}
BENCHMARK(AdjustPrintPhoto)->Unit(benchmark::kMillisecond);

// The card area redrawn after each step of a photo drag: the image changes, the view repaints.
void RepaintCardArea(benchmark::State& state) {
    ImagingView view;
    view.resize(465, 233);
    view.control().CreateImage(465, 233, 24);
    QImage target(view.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        view.control().Fill(Qt::white);
        view.render(&target);
    }
}
BENCHMARK(RepaintCardArea)->Unit(benchmark::kMicrosecond);

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
