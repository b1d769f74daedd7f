// Each of the six sweeps pixel by pixel against the dial model: the three
// scale bands, the scale line, short and main ticks, labels, the caption and
// both needles, with the needles at both ends, in the middle and between.
#include "dial_model.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A new gauge resized, so that its geometry takes the default rims and every
// sweep keeps its dial 8 pixels inside them; no anchor cap and no lamps,
// which would cover parts of the dial.
void SetUpDial(TMeter& m, TMeterLayout layout)
{
    m.SetBounds(0, 0, 297, 209);
    m.SetMeterLayout(layout);
    m.SetAnchorCovered(false);
    m.SetLimWatchHighOn(false);
    m.SetLimWatchLowOn(false);
    m.SetScaleBkVisible(true);
    m.SetScaleBkWidth(30);
    m.SetColorSclBkLow(clLime);
    m.SetColorSclBkNorm(clYellow);
    m.SetColorSclBkHigh(clRed);
    m.SetThresholdHigh(0.85);
    m.SetThresholdLow(0.3);
    m.SetCaption("Volt");
    TNeedleLayout secondary = m.NeedleLayoutSec();
    secondary.SetVisible(true);
    secondary.SetThickness(3);
    secondary.SetShadowDx(3);
    secondary.SetShadowDy(2);
    secondary.SetShadowColor(clGray);
    secondary.SetColorBody(clBlue);
    m.SetNeedleLayoutSec(secondary);
}

class SweepPixelsTest : public ::testing::TestWithParam<TMeterLayout> {};

TEST_P(SweepPixelsTest, DialIsAsModelledForEveryNeedlePosition)
{
    TMeter m;
    SetUpDial(m, GetParam());
    const struct {
        double value, valueSec;
    } positions[] = {{0, 1}, {0.3, 0.65}, {0.5, 0.5}, {0.85, 0.1}, {1, 0}};
    for (const auto& p : positions) {
        m.SetValueSec(p.valueSec);
        m.SetValue(p.value);
        m.Paint();
        SCOPED_TRACE(::testing::Message() << "needles at " << p.value << " and " << p.valueSec);
        ExpectDialAsModelled(m, DialModel(m, LinearDialTicks(0, 0.05, 20, 4, 1)));
    }
}

std::string SweepName(const ::testing::TestParamInfo<TMeterLayout>& info)
{
    static const char* const names[] = {"Circ90", "Circ120", "Circ180", "Circ270", "Circ300", "Circ360"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(SixSweeps, SweepPixelsTest,
                         ::testing::Values(mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360),
                         SweepName);

} // namespace
