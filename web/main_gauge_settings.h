#pragma once
#include "KeplerControls/meter_face.h"

// The main window's gauge as the desktop window sets it up, in the gauge
// face's plain settings: the page composes the same face from them.
inline constexpr int MainGaugeWidth = 105;
inline constexpr int MainGaugeHeight = 87;

Kepler::TMeterSettings MainGaugeSettings();
