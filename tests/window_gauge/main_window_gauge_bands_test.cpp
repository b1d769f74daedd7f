// The scale bands' skip rule on the main window's gauge.
#include "main_window_gauge.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A band wider than the 1e-6 skip whose two rays end on the same pixel has
// no visible width; drawn, its equal rays would give the whole ellipse.
// With the main window's gauge, a high threshold of 0.9999 leaves the high
// band out instead of painting the whole ring in its colour.
TEST(TinyBands, RaysOnOnePixelLeaveTheBandOut)
{
    constexpr TColor high = RGB(1, 2, 3);
    constexpr TColor low = RGB(4, 5, 6);
    TMeter m;
    LoadMainGaugeBody(m);
    m.SetColorSclBkHigh(high);
    m.SetColorSclBkLow(low);
    m.SetThresholdHigh(0.9999);
    m.SetThresholdLow(-0.9999);
    EXPECT_EQ(CountPixels(m, high), 0);
    EXPECT_EQ(CountPixels(m, low), 0);
    EXPECT_EQ(FacePixel(m, 52, 18), m.ColorSclBkNorm()) << "the normal band still shows at the top";
}

} // namespace
