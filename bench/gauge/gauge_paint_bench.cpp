// What a gauge face costs, measured against the least any composition of a
// buffer of that size costs with Qt itself: QImage::fill of a work buffer,
// then QPainter::drawImage of it onto another. After the runs a table gives
// each figure as a multiple of that floor.
//
// - ValueChange: the full repaint after a Value change (the main window's
//   gauge alternating between -1 and +1, a new gauge between 0 and 1);
// - StaticChange: the first composition after a change of the static face
//   (ColorScale alternating);
// - OwnFillAndCopy: our own canvas filling a work bitmap and copying it;
// - ValueChangeAt2x: the repaint after a Value change on a screen of pixel
//   ratio 2, where the face is composed in device pixels: the composition
//   and the face drawn onto a ratio-2 image, against the floor for the same
//   device pixels.
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "KeplerControls/meter.h"
#include "meter1_settings.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

// The two gauges measured, as "105x87" and "297x209".
void MainWindowGauge(TMeter& m) { ApplyMeter1Settings(m); }
void NewGauge(TMeter&) {} // 297 by 209, short ticks on, six labels, both lamps

void BM_QtFloor(benchmark::State& state)
{
    const int w = int(state.range(0));
    const int h = int(state.range(1));
    QImage work(w, h, QImage::Format_RGB32);
    QImage shown(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        work.fill(0xFFFFFFFFu);
        QPainter p(&shown);
        p.drawImage(0, 0, work);
        p.end();
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_QtFloor)->Args({105, 87})->Args({297, 209});

void BM_OwnFillAndCopy(benchmark::State& state)
{
    const int w = int(state.range(0));
    const int h = int(state.range(1));
    TBitmap work(w, h);
    TBitmap shown(w, h);
    for (auto _ : state) {
        work.Canvas().Brush().SetColor(clWhite);
        work.Canvas().FillRect({0, 0, w, h});
        shown.Canvas().Draw(0, 0, work);
        benchmark::DoNotOptimize(std::as_const(shown).Bits());
    }
}
BENCHMARK(BM_OwnFillAndCopy)->Args({105, 87})->Args({297, 209});

// Alternates one change, each run composing the face once.
void BM_Alternating(benchmark::State& state, void (*setup)(TMeter&), void (*change)(TMeter&, bool))
{
    TMeter m;
    setup(m);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        change(m, flip);
    }
}

void MainGaugeValue(TMeter& m, bool up) { m.SetValue(up ? 1.0 : -1.0); }
void NewGaugeValue(TMeter& m, bool up) { m.SetValue(up ? 1.0 : 0.0); }
void ScaleColour(TMeter& m, bool flip) { m.SetColorScale(flip ? clBlue : clNavy); }

BENCHMARK_CAPTURE(BM_Alternating, ValueChange/105x87, &MainWindowGauge, &MainGaugeValue);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/297x209, &NewGauge, &NewGaugeValue);
BENCHMARK_CAPTURE(BM_Alternating, StaticChange/105x87, &MainWindowGauge, &ScaleColour);
BENCHMARK_CAPTURE(BM_Alternating, StaticChange/297x209, &NewGauge, &ScaleColour);

// On a screen of pixel ratio 2: the gauge learns the ratio from a first
// paint into a ratio-2 image, then each run sets the value and draws the
// face onto such an image, one face pixel per device pixel.
void BM_ValueChangeAt2x(benchmark::State& state, void (*setup)(TMeter&), void (*change)(TMeter&, bool))
{
    TMeter m;
    setup(m);
    QImage shown(m.size() * 2, QImage::Format_RGB32);
    shown.setDevicePixelRatio(2);
    m.render(&shown);
    if (m.FacePixelRatio() != 2) {
        state.SkipWithError("the face is not composed at ratio 2");
        return;
    }
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        change(m, flip);
        const TBitmap& face = m.Face();
        QImage image(reinterpret_cast<const uchar*>(face.Bits()), face.Width(), face.Height(),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        QPainter p(&shown);
        p.drawImage(QPointF(0, 0), image);
        p.end();
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(BM_QtFloor)->Args({210, 174})->Args({594, 418});
BENCHMARK_CAPTURE(BM_ValueChangeAt2x, 105x87, &MainWindowGauge, &MainGaugeValue);
BENCHMARK_CAPTURE(BM_ValueChangeAt2x, 297x209, &NewGauge, &NewGaugeValue);

// The ratio-2 rows: each against the floor for its device pixels, with the
// goal of at most 2.5 times.
void PrintRatiosAt2x(const std::map<std::string, double>& cpuNs)
{
    const struct {
        const char* size;
        const char* floor;
    } rows[] = {{"105x87", "BM_QtFloor/210/174"}, {"297x209", "BM_QtFloor/594/418"}};
    std::printf("\nAt pixel ratio 2 (device pixels twice each way), goal at most 2.5x\n");
    std::printf("%-14s %-9s %10s %8s\n", "measure", "size", "us", "x floor");
    for (const auto& r : rows) {
        const auto floor = cpuNs.find(r.floor);
        const auto value = cpuNs.find(std::string("BM_ValueChangeAt2x/") + r.size);
        if (floor == cpuNs.end() || value == cpuNs.end() || floor->second <= 0)
            continue;
        std::printf("%-14s %-9s %10.1f %8.1f\n", "QtFloor", r.size, floor->second / 1000.0, 1.0);
        std::printf("%-14s %-9s %10.1f %8.1f\n", "ValueChange2x", r.size, value->second / 1000.0,
                    value->second / floor->second);
    }
}

// The console output as usual, and the processor time of every run kept
// for the table of ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration)
                FCpuNs[r.benchmark_name()] = r.GetAdjustedCPUTime();
    }

    void PrintRatios() const
    {
        const struct {
            const char* size;
            const char* floor;
        } sizes[] = {{"105x87", "BM_QtFloor/105/87"}, {"297x209", "BM_QtFloor/297/209"}};
        std::printf("\nProcessor time per composition, as a multiple of Qt's floor\n");
        std::printf("%-14s %-9s %10s %8s\n", "measure", "size", "us", "x floor");
        for (const auto& s : sizes) {
            const auto floor = FCpuNs.find(s.floor);
            if (floor == FCpuNs.end() || floor->second <= 0)
                continue;
            const std::string dims = std::string(s.floor).substr(11);
            const std::pair<const char*, std::string> rows[] = {
                {"QtFloor", s.floor},
                {"OwnFillCopy", "BM_OwnFillAndCopy/" + dims},
                {"ValueChange", std::string("BM_Alternating/ValueChange/") + s.size},
                {"StaticChange", std::string("BM_Alternating/StaticChange/") + s.size},
            };
            for (const auto& [label, name] : rows) {
                const auto it = FCpuNs.find(name);
                if (it == FCpuNs.end())
                    continue;
                std::printf("%-14s %-9s %10.1f %8.1f\n", label, s.size, it->second / 1000.0,
                            it->second / floor->second);
            }
        }
    }

    const std::map<std::string, double>& CpuNs() const { return FCpuNs; }

private:
    std::map<std::string, double> FCpuNs;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    PrintRatiosAt2x(reporter.CpuNs());
    benchmark::Shutdown();
    return 0;
}
