// Places a gauge and a spin box in a window, lets the spin box drive the
// gauge, and checks what both report. Exits non-zero on any mismatch.
#include "meter.h"
#include "spin_edit.h"

#include <QApplication>
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
    auto* meter = new TMeter(&window);
    auto* spin = new TSpinEdit(&window);
    spin->SetBounds(10, 220, 61, 22);

    meter->SetMeterLayout(mlCirc270);
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

    window.show();
    app.processEvents();
    Expect(!meter->grab().isNull(), "the gauge paints");
    return failures == 0 ? 0 : 1;
}
