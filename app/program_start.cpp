#include "program_start.h"

#include "form1.h"
#include "german_qt_texts.h"
#include "program_identity.h"
#include "window_zoom.h"

#include "platform.h"
#include "qt_raster_face.h"

#include "simulation_state.h"

#include <QApplication>

using namespace Kepler;

int RunProgram(int& argc, char** argv, const std::function<void(TForm1&)>& whenShown)
{
    // The pictures draw with Qt's text and palette from the start.
    RegisterQtRasterFace();
    // The simulation takes the date before any window exists.
    InitSimulationState(Platform().LocalDate());
    // The window follows each screen's pixel density. A ratio such as 1.5
    // stays 1.5 rather than being rounded to 2, so the window keeps its size
    // in relation to the rest of the desktop.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    SetUpProgramIdentity();
    InstallGermanQtTexts();
    TForm1 form;
    // The zoom of the last start, before the window is first seen.
    form.Zoom().RestoreSavedZoom();
    form.show();
    // The keyboard belongs to the window from the start: in a session
    // without a window manager (a kiosk) nobody else would give it the keys.
    form.activateWindow();
    if (whenShown)
        whenShown(form);
    return app.exec();
}
