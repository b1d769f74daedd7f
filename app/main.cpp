#include "form1.h"
#include "program_identity.h"

#include "simulation_state.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

// For measuring a running program without a person at the controls:
// KEPLER_AUTOSTART_DELAY=<ms> sets the delay regulator and presses Start
// once the window is up. Not meant for users.
void AutostartForMeasurement(TForm1& form)
{
    bool ok = false;
    const int delay = qEnvironmentVariableIntValue("KEPLER_AUTOSTART_DELAY", &ok);
    if (!ok)
        return;
    form.ScrollBarV->setValue(delay);
    QTimer::singleShot(0, &form, [&form] { form.BtnStart->click(); });
}

} // namespace

int main(int argc, char* argv[])
{
    // The simulation reads the date before any window exists.
    InitSimulationState();
    // The window follows each screen's pixel density. A ratio such as 1.5
    // stays 1.5 rather than being rounded to 2, so the window keeps its size
    // in relation to the rest of the desktop.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    SetUpProgramIdentity();
    TForm1 form;
    form.show();
    AutostartForMeasurement(form);
    return app.exec();
}
