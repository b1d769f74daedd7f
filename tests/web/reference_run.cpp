// The desktop's side of the page test: a teacher's first run (started on
// 8 December 2026, step 1, delay 0, until it ends by itself) and second run
// (Start again, going on from the day the first ended) through the same run
// engine, with the desktop's text engine. Prints the readouts after every
// cycle, one "mean|true" line each, a line "second run" between the runs,
// and writes the picture after the first run as a binary PPM. Writes the
// main window's gauge too, set up as the window sets it: its face at the
// value the first run ends with (GAUGE_end.ppm) and at -1, 0 and 1
// (GAUGE_-1.ppm, GAUGE_0.ppm, GAUGE_1.ppm).
//   web_reference_run picture.ppm GAUGE
#include "meter1_settings.h"
#include "qt_raster_face.h"
#include "run_engine.h"
#include "simulation_state.h"

#include <QApplication>
#include <QImage>

#include "KeplerControls/bitmap.h"
#include "KeplerControls/meter.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>

using namespace Kepler;

namespace {

class TReferenceFace : public TRunFace {
public:
    TCanvas& PictureCanvas() override { return Picture.Canvas(); }
    void PictureChanged() override {}
    int DelayMs() const override { return 0; }
    std::string DecimalSeparator() const override { return ","; }
    void SetMeanText(const std::string& text) override { Mean = text; }
    std::string MeanText() const override { return Mean; }
    void SetTrueText(const std::string& text) override
    {
        True = text;
        std::cout << Mean << '|' << True << '\n';
    }
    std::string TrueText() const override { return True; }
    void SetGaugeValue(double value) override { GaugeValue = value; }

    TBitmap Picture{433, 433};
    std::string Mean = "0°";
    std::string True = "0°";
    double GaugeValue = 0;
};

bool WritePpm(const TBitmap& picture, const char* path)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    std::fprintf(f, "P6\n%d %d\n255\n", picture.Width(), picture.Height());
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const TColor c = picture.Pixel(x, y);
            const unsigned char rgb[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
            std::fwrite(rgb, 1, 3, f);
        }
    }
    return std::fclose(f) == 0;
}

// The gauge's face as the widget shows it on the screen.
bool WriteGaugePpm(TMeter& gauge, double value, const std::string& path)
{
    gauge.SetValue(value);
    const QImage face = gauge.grab().toImage().convertToFormat(QImage::Format_RGB32);
    TBitmap pixels(face.width(), face.height());
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
            const QRgb c = face.pixel(x, y);
            pixels.SetPixel(x, y, RGB(qRed(c), qGreen(c), qBlue(c)));
        }
    return WritePpm(pixels, path.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterQtRasterFace();
    if (argc != 3) {
        std::cerr << "usage: web_reference_run picture.ppm GAUGE\n";
        return 2;
    }
    InitSimulationState({2026, 12, 8});
    TReferenceFace face;
    TRunEngine engine(face);
    std::uint32_t now = 1000;
    const auto runToItsEnd = [&] {
        engine.Start(now);
        while (engine.Depth() > 0) {
            ++now;
            engine.DelayOver(now);
            engine.InputTaken(now);
        }
    };
    runToItsEnd();
    if (!WritePpm(face.Picture, argv[1])) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return 1;
    }
    TMeter gauge;
    ApplyMeter1Settings(gauge);
    const std::string prefix = argv[2];
    const std::pair<double, std::string> faces[] = {
        {face.GaugeValue, "_end"}, {-1, "_-1"}, {0, "_0"}, {1, "_1"}};
    for (const auto& [value, name] : faces) {
        if (!WriteGaugePpm(gauge, value, prefix + name + ".ppm")) {
            std::cerr << "cannot write " << prefix << name << ".ppm\n";
            return 1;
        }
    }
    std::cout << "second run\n";
    runToItsEnd();
    return 0;
}
