#include "form1.h"
#include "german_qt_texts.h"
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

// For measuring start-up: KEPLER_QUIT_AFTER_FIRST_PAINT=1 ends the program
// as soon as the window has painted itself once. Not meant for users.
class TQuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

void QuitAfterFirstPaintForMeasurement(TForm1& form)
{
    if (qEnvironmentVariableIsSet("KEPLER_QUIT_AFTER_FIRST_PAINT"))
        form.installEventFilter(new TQuitAfterFirstPaint(&form));
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
    InstallGermanQtTexts();
    TForm1 form;
    form.show();
    AutostartForMeasurement(form);
    QuitAfterFirstPaintForMeasurement(form);
    return app.exec();
}
