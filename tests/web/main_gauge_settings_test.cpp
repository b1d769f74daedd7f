// The page's gauge settings give the main window's gauge: the same dial and
// the same face, pixel for pixel, at every value the run shows and between.
#include "main_gauge_settings.h"
#include "meter1_settings.h"
#include "paint_test_support.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

int DifferingPixels(const TBitmap& a, const TBitmap& b)
{
    EXPECT_EQ(a.Width(), b.Width());
    EXPECT_EQ(a.Height(), b.Height());
    int n = 0;
    for (int y = 0; y < std::min(a.Height(), b.Height()); ++y)
        for (int x = 0; x < std::min(a.Width(), b.Width()); ++x)
            n += a.Pixel(x, y) != b.Pixel(x, y);
    return n;
}

TEST(MainGaugeSettings, DialIsTheWindowsGauges)
{
    const TMeterSettings s = MainGaugeSettings();
    TMeter m;
    ApplyMeter1Settings(m);
    EXPECT_EQ(s.FMeterAngle, m.MeterAngle());
    EXPECT_DOUBLE_EQ(s.FMeterRadius, m.ScaleRadius());
    EXPECT_EQ(s.FMeterCenterX, m.OriginX());
    EXPECT_EQ(s.FMeterCenterY, m.OriginY());
    EXPECT_EQ(s.FNeedleLayout, static_cast<const TNeedleStyle&>(m.NeedleLayout()));
    EXPECT_EQ(s.FNeedle2Layout, static_cast<const TNeedleStyle&>(m.NeedleLayoutSec()));
}

TEST(MainGaugeSettings, FaceIsTheWindowsGaugesAtEveryValue)
{
    const TMeterSettings s = MainGaugeSettings();
    TMeter m;
    ApplyMeter1Settings(m);
    TMeterFaceComposer composer;
    TBitmap face;
    // The run's values -1, 0 and 1, values between, and beyond the scale.
    for (const double value : {-1.0, 0.0, 1.0, -0.5, 0.25, 0.9, 2.0, -3.0}) {
        SCOPED_TRACE(value);
        m.SetValue(value);
        m.Paint();
        TMeterValues v;
        v.FValue = m.Value();
        ASSERT_TRUE(composer.Compose(MainGaugeWidth, MainGaugeHeight, s, v, {}, face));
        EXPECT_EQ(DifferingPixels(face, m.Face()), 0);
    }
}

} // namespace
