// The smallest program with both controls: a spin box from 0 to 100 that
// moves the gauge's needle. Builds against the installed development
// package, with CMake (CMakeLists.txt) or with pkg-config (Makefile).
#include <KeplerControls/meter.h>
#include <KeplerControls/spin_edit.h>

#include <QApplication>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kepler controls"));

    auto* gauge = new Kepler::TMeter(&window);
    gauge->SetMeterLayout(Kepler::mlCirc270);
    gauge->SetMeterMaxValue(100);
    gauge->SetThresholdHigh(80);
    gauge->SetCaption(QStringLiteral("%"));

    auto* spin = new Kepler::TSpinEdit(&window);
    spin->SetMaxValue(100);
    QObject::connect(spin, &Kepler::TSpinEdit::ValueChanged, gauge, &Kepler::TMeter::SetValue);

    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(gauge);
    layout->addWidget(spin);

    // --check: set a value, show the window once and report what the gauge shows.
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--check")) {
        spin->SetValue(90);
        window.show();
        app.processEvents();
        return gauge->Value() == 90 && !gauge->grab().isNull() ? 0 : 1;
    }
    window.show();
    return app.exec();
}
