// The main window's gauge against the dial model, pixel by pixel: the same
// face whose pixels the other suites here work out by hand, so the model
// that checks the six sweeps is itself checked on the 90 degree one.
#include "dial_model.h"
#include "main_window_gauge.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// Main ticks at -1, 0 and 1, no short ticks; the insets come from "1.0".
DialTicks MainGaugeTicks()
{
    DialTicks t;
    t.mainTicks = {{-1, "-1.0"}, {0, "0.0"}, {1, "1.0"}};
    t.widestLabel = "1.0";
    return t;
}

// The half cap and its foot stand on the columns 44 to 59 from row 61 down.
constexpr TRect kAnchor{44, 61, 60, 87};

TEST(MainGaugeDialModel, FaceIsAsModelledAtEveryValueTheRunShows)
{
    TMeter m;
    LoadMainWindowGauge(m);
    for (double v : {-1.0, 0.0, 1.0}) {
        m.SetValue(v);
        SCOPED_TRACE(::testing::Message() << "value " << v);
        ExpectDialAsModelled(m, DialModel(m, MainGaugeTicks()), kAnchor);
    }
}

} // namespace
