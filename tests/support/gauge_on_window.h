#pragma once
// A default gauge (297 by 209, R 193, centre (148, 201)) on a shown 400 by
// 300 window, for tests of what reaches the screen and of pointer input.
#include "meter.h"

#include <QApplication>
#include <QWidget>

struct GaugeOnWindow {
    QWidget window;
    TMeter* gauge;

    GaugeOnWindow()
    {
        window.resize(400, 300);
        gauge = new TMeter(&window);
        window.show();
        QApplication::processEvents();
    }
};
