// The two limit lamps of a new gauge (297 by 209, rims 10, 8 and 10, both
// lamps on): 10 by 10 squares at (18, 16) and (269, 16), bevelled, filled
// in the passive colour until their flag is set.
#include "KeplerControls/meter.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

constexpr TColor kGray = 0x808080;

struct Lamp {
    const char* name;
    int L, T;
};
const Lamp kLow{"low", 18, 16};
const Lamp kHigh{"high", 269, 16};

// The pixels that tell a lamp: its outline corners, its bevel and its fill.
void ExpectLamp(const TMeter& m, const Lamp& lamp, TColor fill)
{
    const auto at = [&](int dx, int dy) { return m.Face().Pixel(lamp.L + dx, lamp.T + dy); };
    SCOPED_TRACE(lamp.name);
    EXPECT_EQ(at(0, 0), clBlack) << "top-left outline";
    EXPECT_EQ(at(9, 0), clBlack) << "top-right outline";
    EXPECT_EQ(at(0, 9), clBlack) << "bottom-left outline";
    EXPECT_EQ(at(5, 0), clBlack) << "top outline";
    EXPECT_EQ(at(0, 5), clBlack) << "left outline";
    EXPECT_EQ(at(5, 9), clWhite) << "white bevel over the bottom outline";
    EXPECT_EQ(at(9, 5), clWhite) << "white bevel over the right outline";
    EXPECT_EQ(at(9, 9), clWhite) << "bottom-right corner";
    EXPECT_EQ(at(5, 8), clSilver) << "silver inner bottom";
    EXPECT_EQ(at(8, 5), clSilver) << "silver inner right";
    EXPECT_EQ(at(1, 5), kGray) << "gray inner left";
    EXPECT_EQ(at(5, 1), kGray) << "gray inner top";
    for (int y = 2; y <= 7; ++y)
        for (int x = 2; x <= 7; ++x)
            EXPECT_EQ(at(x, y), fill) << "fill at (" << x << ", " << y << ")";
    EXPECT_NE(at(-1, 4), clBlack) << "nothing left of the lamp";
    EXPECT_NE(at(10, 4), clBlack) << "nothing right of the lamp";
}

TEST(LimitLamps, BothOffAtFirstThenHighLitAtThresholdHigh)
{
    TMeter m;
    m.Paint();
    ExpectLamp(m, kLow, kGray);
    ExpectLamp(m, kHigh, kGray);
    m.SetValue(1); // the default ThresholdHigh
    ExpectLamp(m, kHigh, clRed);
    ExpectLamp(m, kLow, kGray);
}

TEST(LimitLamps, LowLitAtThresholdLowInTheActiveColour)
{
    TMeter m;
    m.SetLimWatchActColor(clBlue);
    m.SetValue(0.5);
    m.SetValue(0); // the default ThresholdLow
    ExpectLamp(m, kLow, clBlue);
    ExpectLamp(m, kHigh, kGray);
}

TEST(LimitLamps, SwitchedOffLampsAreNotDrawn)
{
    TMeter m;
    m.SetLimWatchHighOn(false);
    m.SetLimWatchLowOn(false);
    for (const Lamp& lamp : {kLow, kHigh})
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const TColor c = m.Face().Pixel(lamp.L + x, lamp.T + y);
                EXPECT_TRUE(c != clBlack && c != kGray) << lamp.name << " (" << x << ", " << y << ")";
            }
}

} // namespace
