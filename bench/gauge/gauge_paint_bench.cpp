// What a gauge face costs, measured against the least any composition of a
// buffer of that size costs with Qt itself: QImage::fill of a work buffer,
// then QPainter::drawImage of it onto another. After the runs a table gives
// each figure as a multiple of that floor, with the goal beside it.
//
// - ValueChange: the repaint after a Value change (the main window's gauge
//   alternating between -1 and +1, a new gauge between 0 and 1, which also
//   switches its lamps every time), in four states a gauge can be in:
//   - Fresh: a gauge just made and never shown;
//   - LongLived: a gauge on screen that has been hidden and shown again,
//     has had its static face, font and the application's palette changed
//     and back, and many values before;
//   - Shown: a gauge on screen, each change followed by the paint event
//     that puts it there;
//   - Hidden: a gauge that has been shown and is hidden again.
//   A shown gauge pays for Qt's own repaint of a widget as well; its second
//   ratio is against a bare widget that fills and draws its buffer in its
//   paint event, repainted the same way (QtFloorShown).
// - StaticChange: the first composition after a change of the face under
//   the needles (ColorScale alternating); CoverChange: after a change of the
//   face over them (ColorCover alternating); CoverThenValue: that change and
//   a Value change in turn, the value change being the first after it;
// - OwnFillAndCopy: our own canvas filling a work bitmap and copying it.
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
#include <QPalette>
#include <QWidget>
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

void MainGaugeValue(TMeter& m, bool up) { m.SetValue(up ? 1.0 : -1.0); }
void NewGaugeValue(TMeter& m, bool up) { m.SetValue(up ? 1.0 : 0.0); }
void ScaleColour(TMeter& m, bool flip) { m.SetColorScale(flip ? clBlue : clNavy); }
void CoverColour(TMeter& m, bool flip) { m.SetColorCover(flip ? clSilver : clBtnFace); }
void CoverThenValue(TMeter& m, bool)
{
    static int turn = 0;
    switch (turn++ % 4) {
    case 0: CoverColour(m, true); break;
    case 1: m.SetValue(m.MeterMaxValue()); break;
    case 2: CoverColour(m, false); break;
    default: m.SetValue(m.MeterMinValue()); break;
    }
}

void Settle() { QCoreApplication::processEvents(); }

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

// The floor on screen: a bare widget that fills its buffer and draws it in
// its paint event.
class TFloorWidget : public QWidget {
public:
    TFloorWidget(int w, int h) : FWork(w, h, QImage::Format_RGB32) { resize(w, h); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        FWork.fill(0xFFFFFFFFu);
        QPainter p(this);
        p.drawImage(0, 0, FWork);
    }

private:
    QImage FWork;
};

void BM_QtFloorShown(benchmark::State& state)
{
    TFloorWidget w(int(state.range(0)), int(state.range(1)));
    w.show();
    Settle();
    for (auto _ : state) {
        w.update();
        Settle();
    }
}
BENCHMARK(BM_QtFloorShown)->Args({105, 87})->Args({297, 209});

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

enum class THarness { Fresh, LongLived, Shown, Hidden };

// A life before the measurement: on screen and off, the static face, the
// font and the application's palette changed and back, many values.
void Live(TMeter& m, void (*change)(TMeter&, bool))
{
    m.show();
    Settle();
    for (int i = 0; i < 2000; ++i) {
        change(m, i % 2 == 0);
        if (i % 100 == 0)
            Settle();
    }
    ScaleColour(m, true);
    ScaleColour(m, false);
    const QFont original = m.font();
    QFont font = original;
    font.setPointSize(font.pointSize() + 1);
    m.setFont(font);
    Settle();
    m.setFont(original);
    const QPalette palette = QApplication::palette();
    QPalette other = palette;
    other.setColor(QPalette::Button, Qt::darkGray);
    QApplication::setPalette(other);
    Settle();
    QApplication::setPalette(palette);
    Settle();
    m.hide();
    Settle();
    m.show();
    Settle();
}

// Alternates one change, each run composing the face once (and showing it,
// for a gauge on screen).
void BM_Alternating(benchmark::State& state, void (*setup)(TMeter&), void (*change)(TMeter&, bool),
                    THarness harness)
{
    TMeter m;
    setup(m);
    switch (harness) {
    case THarness::Fresh: break;
    case THarness::LongLived: Live(m, change); break;
    case THarness::Shown:
        m.show();
        Settle();
        break;
    case THarness::Hidden:
        m.show();
        Settle();
        m.hide();
        Settle();
        break;
    }
    const bool paintEvents = m.isVisible();
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        change(m, flip);
        if (paintEvents)
            Settle();
    }
}

BENCHMARK_CAPTURE(BM_Alternating, ValueChange/Fresh/105x87, &MainWindowGauge, &MainGaugeValue, THarness::Fresh);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/Fresh/297x209, &NewGauge, &NewGaugeValue, THarness::Fresh);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/LongLived/105x87, &MainWindowGauge, &MainGaugeValue,
                  THarness::LongLived);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/LongLived/297x209, &NewGauge, &NewGaugeValue,
                  THarness::LongLived);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/Shown/105x87, &MainWindowGauge, &MainGaugeValue, THarness::Shown);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/Shown/297x209, &NewGauge, &NewGaugeValue, THarness::Shown);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/Hidden/105x87, &MainWindowGauge, &MainGaugeValue, THarness::Hidden);
BENCHMARK_CAPTURE(BM_Alternating, ValueChange/Hidden/297x209, &NewGauge, &NewGaugeValue, THarness::Hidden);
BENCHMARK_CAPTURE(BM_Alternating, StaticChange/105x87, &MainWindowGauge, &ScaleColour, THarness::Fresh);
BENCHMARK_CAPTURE(BM_Alternating, StaticChange/297x209, &NewGauge, &ScaleColour, THarness::Fresh);
BENCHMARK_CAPTURE(BM_Alternating, CoverChange/105x87, &MainWindowGauge, &CoverColour, THarness::Fresh);
BENCHMARK_CAPTURE(BM_Alternating, CoverChange/297x209, &NewGauge, &CoverColour, THarness::Fresh);
BENCHMARK_CAPTURE(BM_Alternating, CoverThenValue/105x87, &MainWindowGauge, &CoverThenValue, THarness::Fresh);
BENCHMARK_CAPTURE(BM_Alternating, CoverThenValue/297x209, &NewGauge, &CoverThenValue, THarness::Fresh);

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
        // The goals for a repaint after a value change, as multiples of the
        // floor: at most 3 at the small size, at most 2 at the large one.
        const struct {
            const char* size;
            const char* dims;
            double goal;
        } sizes[] = {{"105x87", "105/87", 3.0}, {"297x209", "297/209", 2.0}};
        std::printf("\nProcessor time per composition, as a multiple of Qt's floor (x floor);\n"
                    "on screen also of a bare widget's repaint (x shown floor), which the goal\n"
                    "counts against there\n");
        std::printf("%-22s %-8s %9s %8s %8s %13s %6s\n", "measure", "size", "us", "x floor", "goal",
                    "x shown floor", "met");
        for (const auto& s : sizes) {
            const double floor = Find(std::string("BM_QtFloor/") + s.dims);
            if (floor <= 0)
                continue;
            const double shownFloor = Find(std::string("BM_QtFloorShown/") + s.dims);
            const auto row = [&](const char* label, const std::string& name, double goal, bool onScreen) {
                const double ns = Find(name);
                if (ns <= 0)
                    return;
                std::printf("%-22s %-8s %9.1f %8.1f", label, s.size, ns / 1000.0, ns / floor);
                if (goal > 0)
                    std::printf(" %8.1f", goal);
                else
                    std::printf(" %8s", "");
                if (onScreen && shownFloor > 0)
                    std::printf(" %13.1f", ns / shownFloor);
                else
                    std::printf(" %13s", "");
                // On screen no gauge can come nearer Qt's floor than a bare
                // widget does: there the goal counts against the shown floor.
                const double measured = onScreen && shownFloor > 0 ? ns / shownFloor : ns / floor;
                if (goal > 0)
                    std::printf(" %6s", measured <= goal ? "yes" : "NO");
                std::printf("\n");
            };
            row("QtFloor", std::string("BM_QtFloor/") + s.dims, 0, false);
            row("QtFloorShown", std::string("BM_QtFloorShown/") + s.dims, 0, true);
            row("OwnFillCopy", std::string("BM_OwnFillAndCopy/") + s.dims, 0, false);
            for (const char* harness : {"Fresh", "LongLived", "Shown", "Hidden"}) {
                const std::string label = std::string("ValueChange/") + harness;
                const bool onScreen = std::string(harness) == "Shown" || std::string(harness) == "LongLived";
                row(label.c_str(), "BM_Alternating/" + label + "/" + s.size, s.goal, onScreen);
            }
            row("StaticChange", std::string("BM_Alternating/StaticChange/") + s.size, 0, false);
            row("CoverChange", std::string("BM_Alternating/CoverChange/") + s.size, 0, false);
            row("CoverThenValue", std::string("BM_Alternating/CoverThenValue/") + s.size, 0, false);
        }
    }

    const std::map<std::string, double>& CpuNs() const { return FCpuNs; }

private:
    double Find(const std::string& name) const
    {
        const auto it = FCpuNs.find(name);
        return it == FCpuNs.end() ? 0 : it->second;
    }

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
