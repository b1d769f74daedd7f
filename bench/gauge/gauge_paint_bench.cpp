// One full composition of a gauge face, next to the least any composition
// costs: filling a work bitmap of the same size and copying it once.
#include "bitmap.h"
#include "canvas.h"
#include "meter.h"
#include "meter1_settings.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_PaintMainWindowGauge(benchmark::State& state)
{
    TMeter m;
    ApplyMeter1Settings(m);
    for (auto _ : state)
        m.Paint();
    state.SetLabel("105x87");
}
BENCHMARK(BM_PaintMainWindowGauge);

// A new gauge: 297 by 209, short ticks on, six labels, both lamps.
void BM_PaintNewGauge(benchmark::State& state)
{
    TMeter m;
    for (auto _ : state)
        m.Paint();
    state.SetLabel("297x209");
}
BENCHMARK(BM_PaintNewGauge);

void BM_FillAndCopy(benchmark::State& state)
{
    const int w = int(state.range(0));
    const int h = int(state.range(1));
    TBitmap shown(w, h);
    for (auto _ : state) {
        TBitmap work(w, h);
        work.Canvas().Brush().SetColor(clWhite);
        work.Canvas().FillRect({0, 0, w, h});
        shown.Canvas().Draw(0, 0, work);
        benchmark::DoNotOptimize(shown.Image().constBits());
    }
}
BENCHMARK(BM_FillAndCopy)->Args({105, 87})->Args({297, 209});

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
