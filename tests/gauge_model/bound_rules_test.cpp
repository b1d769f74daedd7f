// Settings a number cannot break: a band width that is not a number is
// dropped, and the minimum stays below the maximum whatever bound is given
// (infinite bounds are refused like NaN; where adding or taking away one
// changes nothing, the next representable number is used).
#include "meter_test_support.h"
#include "paint_count.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Kepler;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kBig = std::numeric_limits<double>::max();

TEST(BoundRules, BandWidthNaNIsDropped)
{
    TMeter m;
    m.SetScaleBkWidth(40);
    const int paints = PaintCount(m);
    m.SetScaleBkWidth(std::nan(""));
    EXPECT_EQ(m.ScaleBkWidth(), 40);
    EXPECT_EQ(PaintCount(m), paints);
}

TEST(BoundRules, InfiniteBoundsAreRefused)
{
    for (double v : {kInf, -kInf}) {
        TMeter m;
        const int paints = PaintCount(m);
        m.SetMeterMinValue(v);
        m.SetMeterMaxValue(v);
        EXPECT_EQ(m.MeterMinValue(), 0) << v;
        EXPECT_EQ(m.MeterMaxValue(), 1) << v;
        EXPECT_EQ(PaintCount(m), paints) << v;
        EXPECT_FALSE(std::isnan(m.CalcNeedleAngle(0.5))) << v;
    }
}

// The same while loading: an infinite bound would outlive the end of loading.
TEST(BoundRules, InfiniteBoundsAreRefusedWhileLoading)
{
    TMeter m;
    m.BeginLoading();
    m.SetMeterMinValue(-kInf);
    m.SetMeterMaxValue(kInf);
    m.Loaded();
    EXPECT_EQ(m.MeterMinValue(), 0);
    EXPECT_EQ(m.MeterMaxValue(), 1);
}

TEST(BoundRules, MinimumAtALargeMaximumMovesTheMaximumToTheNextNumber)
{
    TMeter m;
    m.SetMeterMinValue(1e17); // 1e17 + 1 is 1e17
    EXPECT_EQ(m.MeterMinValue(), 1e17);
    EXPECT_EQ(m.MeterMaxValue(), std::nextafter(1e17, kInf));
    EXPECT_LT(m.MeterMinValue(), m.MeterMaxValue());
    EXPECT_EQ(m.Value(), 1e17);
    EXPECT_FALSE(std::isnan(m.CalcNeedleAngle(1e17)));
}

TEST(BoundRules, MaximumAtALargeMinimumMovesTheMinimumToTheNextNumber)
{
    TMeter m;
    m.SetMeterMinValue(-1e17);
    m.SetMeterMaxValue(-1e17);
    EXPECT_EQ(m.MeterMaxValue(), -1e17);
    EXPECT_EQ(m.MeterMinValue(), std::nextafter(-1e17, -kInf));

    TMeter log;
    log.SetMeterMaxValue(1e20);
    log.SetMeterMinValue(1e17);
    log.SetLogarithmic(true);
    ASSERT_TRUE(log.Logarithmic());
    log.SetMeterMaxValue(1e17); // 1e17 - 1 is 1e17, and positive
    EXPECT_EQ(log.MeterMaxValue(), 1e17);
    EXPECT_EQ(log.MeterMinValue(), std::nextafter(1e17, 0.0));
}

// The ends of the finite range: no finite number lies beyond, so the call
// is refused rather than breaking the order.
TEST(BoundRules, NoRoomBeyondTheLargestNumberIsRefused)
{
    TMeter m;
    m.SetMeterMinValue(kBig);
    EXPECT_EQ(m.MeterMinValue(), 0);
    EXPECT_EQ(m.MeterMaxValue(), 1);
    m.SetMeterMaxValue(-kBig);
    EXPECT_EQ(m.MeterMinValue(), 0);
    EXPECT_EQ(m.MeterMaxValue(), 1);
    m.SetMeterMaxValue(kBig); // room enough below
    EXPECT_EQ(m.MeterMaxValue(), kBig);
    EXPECT_EQ(m.MeterMinValue(), 0);
}

} // namespace
