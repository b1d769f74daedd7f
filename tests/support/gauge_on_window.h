#pragma once
// A default gauge (297 by 209, R 193, centre (148, 201)) on a shown 400 by
// 300 window, for tests of what reaches the screen and of pointer input.
#include "KeplerControls/meter.h"

#include <QApplication>
#include <QWidget>

struct GaugeOnWindow {
    QWidget window;
    Kepler::TMeter* gauge;

    GaugeOnWindow()
    {
        window.resize(400, 300);
        gauge = new Kepler::TMeter(&window);
        window.show();
        QApplication::processEvents();
    }
};
