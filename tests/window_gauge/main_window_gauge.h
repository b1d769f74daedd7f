#pragma once
// The main window's gauge as the window loads it, for the tests of that
// gauge; they link the window's library, the gauge's own suites do not.
#include "meter1_settings.h"
#include "paint_test_support.h"

// The main window's gauge, loaded the way its window description does it:
// the size first, then the other settings in the description's order.
inline void LoadMainWindowGauge(Kepler::TMeter& m)
{
    ApplyMeter1Settings(m);
}

// The main window's gauge takes its geometry from the constructor's rims:
// a quarter circle of radius 48.783 about (52, 69).
inline void ExpectMainGaugeGeometry(const Kepler::TMeter& m)
{
    EXPECT_EQ(m.MeterAngle(), 90);
    EXPECT_NEAR(m.ScaleRadius(), 48.783, 5e-4);
    EXPECT_EQ(m.OriginX(), 52);
    EXPECT_EQ(m.OriginY(), 69);
}

// The main window's gauge without needles and lamps, painted.
inline void LoadMainGaugeBody(Kepler::TMeter& m)
{
    LoadMainWindowGauge(m);
    ShowBodyOnly(m);
    m.Paint();
}
