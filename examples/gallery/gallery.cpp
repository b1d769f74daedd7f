// The controls' gallery: the gauge in all six sweeps, linear and
// logarithmic, with scale bands, limit lamps, a second needle, a picture
// face with a cover picture over the anchor, and a label event; a spin box
// with limits drives every gauge.
//
//   controls_gallery [--grab FILE.png]
//
// --grab saves a picture of the window once it is shown, and quits.
#include "gallery_pictures.h"
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

using namespace Kepler;

namespace {

constexpr int GaugeWidth = 297;
constexpr int GaugeHeight = 209;
constexpr int Gap = 10;

struct TGaugeSetup {
    TMeterLayout Layout;
    const char* Caption;
    double Min;
    double Max;
    bool Logarithmic;
};

// One gauge per sweep; the picture face goes on the 300-degree one.
const TGaugeSetup Setups[] = {
    {mlCirc90, "90\u00B0, linear", 0, 100, false},
    {mlCirc120, "120\u00B0, two needles", -50, 50, false},
    {mlCirc180, "180\u00B0, label event", 0, 100, false},
    {mlCirc270, "270\u00B0, logarithmic", 1, 1000, true},
    {mlCirc300, "300\u00B0, pictures", 0, 10, false},
    {mlCirc360, "360\u00B0, logarithmic", 1, 1000, true},
};

// Where a spin box value of 0 to 100 puts the needle of a gauge.
double ScaleValue(const TGaugeSetup& s, int percent)
{
    const double t = percent / 100.0;
    if (s.Logarithmic)
        return s.Min * std::pow(s.Max / s.Min, t);
    return s.Min + (s.Max - s.Min) * t;
}

TMeter* MakeGauge(QWidget* window, const TGaugeSetup& s, int index)
{
    auto* m = new TMeter(window);
    m->SetBounds(Gap + (index % 3) * (GaugeWidth + Gap), Gap + (index / 3) * (GaugeHeight + Gap), GaugeWidth,
                 GaugeHeight);
    m->SetMeterLayout(s.Layout);
    m->SetCaption(QString::fromUtf8(s.Caption));
    // Bounds first: the thresholds are clamped into them.
    m->SetMeterMinValue(s.Min);
    m->SetMeterMaxValue(s.Max);
    m->SetLogarithmic(s.Logarithmic);
    m->SetThresholdLow(ScaleValue(s, 20));
    m->SetThresholdHigh(ScaleValue(s, 80));
    m->SetScaleBkVisible(true);
    m->SetScaleBkWidth(12);
    m->SetMeterNrTicks(s.Logarithmic ? 4 : 6);
    m->SetMeterDecPlaces(s.Max - s.Min < 20 ? 1 : 0);
    m->SetFrameStyle(fsRaised);
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption grab(QStringLiteral("grab"), QStringLiteral("Save a picture of the window and quit."),
                                  QStringLiteral("file.png"));
    options.addOption(grab);
    options.process(app);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Kepler controls gallery"));
    std::vector<TMeter*> gauges;
    for (int i = 0; i < int(std::size(Setups)); ++i)
        gauges.push_back(MakeGauge(&window, Setups[i], i));

    // A second needle trails the first by one step of the spin box.
    TMeter* twoNeedles = gauges[1];
    twoNeedles->NeedleLayoutSec().SetVisible(true);
    twoNeedles->NeedleLayoutSec().SetColorBody(clBlue);
    twoNeedles->NeedleLayoutSec().SetPercentNeedleLength(70);

    // The label event rewrites every scale label before it is drawn.
    gauges[2]->OnBeforeDrawScaleLabel = [](QObject*, TCanvas&, QString& label, int, int) {
        label += QLatin1Char('%');
    };

    // On a full circle the last label falls on the first; the label event
    // leaves out any label that would overlap the first one of a face, the
    // minimum's. Labels are placed by their centre, so only the rows match.
    auto firstLabelAt = std::make_shared<std::optional<QPoint>>();
    gauges[5]->OnBeforeDrawScaleLabel = [firstLabelAt](QObject*, TCanvas&, QString& label, int x, int y) {
        if (!*firstLabelAt)
            *firstLabelAt = QPoint(x, y);
        else if (y == (*firstLabelAt)->y() && std::abs(x - (*firstLabelAt)->x()) < 20)
            label.clear();
    };
    gauges[5]->OnMeterRendered = [firstLabelAt](QObject*, TCanvas&) { firstLabelAt->reset(); };

    // Pictures: a shaded face stretched over the gauge and a brass cap over
    // the anchor, written as BMP files for the gauge to read.
    QTemporaryDir pictures;
    QString faceFile;
    QString coverFile;
    if (pictures.isValid() && WriteGalleryPictures(pictures.path(), faceFile, coverFile)) {
        TMeter* pictured = gauges[4];
        pictured->SetBkgndFillMode(bfStretch);
        pictured->SetBackGroundImg(faceFile);
        pictured->SetAnchorImage(coverFile);
        pictured->SetColorBakG(clCream);
    }

    const int controlsTop = Gap + 2 * (GaugeHeight + Gap);
    auto* prompt = new QLabel(QStringLiteral("Value, 0 to 100:"), &window);
    prompt->setGeometry(Gap, controlsTop + 3, 110, 20);
    auto* spin = new TSpinEdit(&window);
    spin->SetBounds(Gap + 115, controlsTop, 61, 22);
    spin->SetMinValue(0);
    spin->SetMaxValue(100);
    spin->SetIncrement(5);
    auto* status = new QLabel(&window);
    status->setGeometry(Gap + 190, controlsTop + 3, 3 * GaugeWidth - 190, 20);

    // The range signals of the first gauge, reported below the gauges (the
    // OnUnderFlow, OnNormalRange and OnOverFlow events would serve as well).
    TMeter* first = gauges[0];
    QObject::connect(first, &TMeter::UnderFlow, status,
                     [status] { status->setText(QStringLiteral("First gauge: underflow")); });
    QObject::connect(first, &TMeter::NormalRange, status,
                     [status] { status->setText(QStringLiteral("First gauge: normal range")); });
    QObject::connect(first, &TMeter::OverFlow, status,
                     [status] { status->setText(QStringLiteral("First gauge: overflow")); });

    int previous = 0;
    QObject::connect(spin, &TSpinEdit::ValueChanged, [&](int v) {
        for (std::size_t i = 0; i < gauges.size(); ++i)
            gauges[i]->SetValue(ScaleValue(Setups[i], v));
        twoNeedles->SetValueSec(ScaleValue(Setups[1], previous));
        previous = v;
    });
    spin->SetValue(65);

    window.setFixedSize(Gap + 3 * (GaugeWidth + Gap), controlsTop + 22 + Gap);
    window.show();

    if (options.isSet(grab)) {
        const QString file = options.value(grab);
        QTimer::singleShot(0, &window, [&window, file] {
            QApplication::exit(window.grab().save(file, "PNG") ? 0 : 1);
        });
    }
    return app.exec();
}
