// Draws the pictures of the API reference's first page, with the controls'
// library as any program uses it:
//
//   api_pictures FOLDER
//
// gauges.png shows gauges of several styles, getting-started.png the window
// the page's example builds (a gauge and a spin box in a layout, wired and
// styled). Both are made by the build, so they always show the library as
// it is. Needs no screen (QT_QPA_PLATFORM=offscreen).
#include <KeplerControls/meter.h>
#include <KeplerControls/spin_edit.h>

#include <QApplication>
#include <QDir>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {

struct TStyle {
    Kepler::TMeterLayout Layout;
    const char* Caption;
    double Max;
    double Value;
    bool Logarithmic;
    Kepler::TFrameStyle Frame;
};

// Four sweeps, each with its own look.
const TStyle Styles[] = {
    {Kepler::mlCirc90, "mlCirc90", 100, 35, false, Kepler::fsNone},
    {Kepler::mlCirc180, "mlCirc180", 100, 90, false, Kepler::fsRaised},
    {Kepler::mlCirc270, "mlCirc270, logarithmic", 1000, 20, true, Kepler::fsLowered},
    {Kepler::mlCirc300, "mlCirc300", 60, 12, false, Kepler::fsSimple},
};

Kepler::TMeter* StyledGauge(const TStyle& s, int index)
{
    auto* gauge = new Kepler::TMeter;
    gauge->SetMeterLayout(s.Layout);
    gauge->SetCaption(QString::fromUtf8(s.Caption));
    // Bounds first: a logarithmic scale needs a minimum above 0.
    gauge->SetMeterMinValue(s.Logarithmic ? 1 : 0);
    gauge->SetMeterMaxValue(s.Max);
    gauge->SetLogarithmic(s.Logarithmic);
    gauge->SetThresholdLow(s.Logarithmic ? 3 : s.Max * 0.2);
    gauge->SetThresholdHigh(s.Max * 0.8);
    gauge->SetFrameStyle(s.Frame);
    gauge->SetScaleBkVisible(index != 0);
    gauge->SetScaleBkWidth(10);
    gauge->SetMeterDecPlaces(0);
    gauge->SetLimWatchLowOn(index == 1 || index == 3);
    gauge->SetLimWatchHighOn(index == 1 || index == 3);
    if (index == 3) {
        gauge->SetColorBakG(Kepler::clCream);
        Kepler::TNeedleLayout second = gauge->NeedleLayoutSec();
        second.SetVisible(true);
        gauge->SetNeedleLayoutSec(second);
        gauge->SetValueSec(40);
    }
    gauge->SetValue(s.Value);
    return gauge;
}

bool Save(QWidget& w, const QString& file)
{
    w.show();
    QApplication::processEvents();
    const bool saved = w.grab().save(file, "PNG");
    if (!saved)
        std::fprintf(stderr, "api_pictures: cannot write %s\n", qPrintable(file));
    return saved;
}

// The example of the first page, line for line.
bool GettingStarted(const QString& file)
{
    QWidget window;
    auto* gauge = new Kepler::TMeter;
    gauge->SetMeterLayout(Kepler::mlCirc270);
    gauge->SetMeterMaxValue(100);
    gauge->SetThresholdHigh(80);
    gauge->SetLimWatchHighOn(true);
    gauge->SetCaption(QStringLiteral("%"));

    auto* spin = new Kepler::TSpinEdit;
    spin->SetMaxValue(100);
    QObject::connect(spin, &Kepler::TSpinEdit::ValueChanged, gauge, &Kepler::TMeter::SetValue);

    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(gauge);
    layout->addWidget(spin);

    window.setStyleSheet(QStringLiteral("Kepler--TMeter { qproperty-ColorScale: #2060a0;"
                                        " qproperty-ScaleBkVisible: true; }"));
    spin->SetValue(85);
    return Save(window, file);
}

// Two by two, each gauge at its designed size.
bool Gauges(const QString& file)
{
    constexpr int Gap = 10;
    const QSize size = Kepler::TMeter().sizeHint();
    QWidget grid;
    grid.setFixedSize(2 * size.width() + 3 * Gap, 2 * size.height() + 3 * Gap);
    int index = 0;
    for (const TStyle& s : Styles) {
        Kepler::TMeter* gauge = StyledGauge(s, index);
        gauge->setParent(&grid);
        gauge->SetBounds(Gap + (index % 2) * (size.width() + Gap), Gap + (index / 2) * (size.height() + Gap),
                         size.width(), size.height());
        ++index;
    }
    return Save(grid, file);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: api_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    const bool ok = Gauges(folder.filePath(QStringLiteral("gauges.png"))) &&
                    GettingStarted(folder.filePath(QStringLiteral("getting-started.png")));
    return ok ? 0 : 1;
}
