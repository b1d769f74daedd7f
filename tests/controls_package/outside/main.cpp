// Places a gauge and a spin box in a window, lets the spin box drive the
// gauge, and checks what both report. Exits non-zero on any mismatch.
#include "own_names.h"

#include <KeplerControls/meter.h>
#include <KeplerControls/spin_edit.h>

#include <QApplication>
#include <QSlider>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

static int failures = 0;

static void Expect(bool ok, const char* what)
{
    if (!ok) {
        std::printf("FAIL: %s\n", what);
        ++failures;
    }
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* meter = new Kepler::TMeter(&window);
    auto* spin = new Kepler::TSpinEdit(&window);
    spin->SetBounds(10, 220, 61, 22);

    meter->SetMeterLayout(Kepler::mlCirc270);
    meter->SetMeterMaxValue(30);
    meter->SetThresholdHigh(25);
    spin->SetMinValue(0);
    spin->SetMaxValue(30);
    spin->OnChange = [&](QObject*) { meter->SetValue(spin->Value()); };

    int overflows = 0;
    meter->OnOverFlow = [&](QObject*) { ++overflows; };
    spin->SetValue(28);
    Expect(meter->Value() == 28, "the spin box drives the gauge");
    Expect(overflows == 1, "the gauge reports the overflow");
    spin->SetValue(99);
    Expect(spin->Value() == 30, "the spin box clamps to its maximum");

    // The program's own names and the library's live side by side.
    const Kepler::TColor red = Kepler::clRed;
    Expect(Kepler::GetRValue(red) == 255 && Kepler::GetBValue(red) == 0, "the library's clRed is red");
    Expect(clRed.Rgb == 0xFF0000, "the program's own clRed is its own");
    Expect(SumOfOwnNames() == 1280, "the program's own names are its own");

    window.show();
    app.processEvents();
    Expect(!meter->grab().isNull(), "the gauge paints");
    // The Qt way: a layout sizes both controls from their hints, and a
    // slider reaches the spin box through a connection by name.
    QWidget column;
    auto* layout = new QVBoxLayout(&column);
    auto* laidGauge = new Kepler::TMeter;
    auto* laidSpin = new Kepler::TSpinEdit;
    auto* slider = new QSlider(Qt::Horizontal);
    layout->addWidget(laidGauge);
    layout->addWidget(laidSpin);
    layout->addWidget(slider);
    laidSpin->SetMaxValue(100);
    Expect(QObject::connect(slider, SIGNAL(valueChanged(int)), laidSpin, SLOT(SetValue(int))),
           "a slider wires to the spin box by name");
    QObject::connect(laidSpin, &Kepler::TSpinEdit::ValueChanged, laidGauge, &Kepler::TMeter::SetValue);
    laidGauge->SetMeterMaxValue(100);
    column.show();
    app.processEvents();
    Expect(laidGauge->width() >= 297 && laidGauge->height() >= 209, "the layout gives the gauge its size hint");
    Expect(laidGauge->ScaleRadius() > 0, "the laid-out gauge has a dial");
    Expect(laidSpin->height() >= laidSpin->sizeHint().height(), "the layout gives the spin box its size hint");
    slider->setValue(40);
    Expect(laidSpin->Value() == 40 && laidGauge->Value() == 40, "the slider drives spin box and gauge");

    std::printf("C++ standard %ld\n", static_cast<long>(__cplusplus));
    return failures == 0 ? 0 : 1;
}
