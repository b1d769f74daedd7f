// Construction defaults, the loading state and the end-of-loading step.
#include "meter_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Kepler;

namespace {

TEST(MeterConstructionTest, NewGaugeHoldsItsDefaults)
{
    TMeter m;
    EXPECT_EQ(m.width(), 297);
    EXPECT_EQ(m.height(), 209);
    EXPECT_FALSE(m.testAttribute(Qt::WA_NativeWindow));
    EXPECT_TRUE(m.Face().Empty()) << "the constructor composes no face";
    EXPECT_EQ(m.RimTop(), 8);
    EXPECT_EQ(m.RimBottom(), 10);
    EXPECT_EQ(m.RimSide(), 10);
    EXPECT_EQ(m.AnchorSize(), 24);
    EXPECT_TRUE(m.AnchorCovered());
    EXPECT_EQ(m.FrameStyle(), fsRaised);
    EXPECT_EQ(m.ColorCover(), clBtnFace);
    EXPECT_EQ(m.ColorSclBkHigh(), clRed);
    EXPECT_EQ(m.MeterNrTicks(), 3);
    EXPECT_EQ(m.MeterDecPlaces(), 1);
    EXPECT_TRUE(m.ScaleVisible());
    EXPECT_FALSE(m.ScaleBkVisible());
    EXPECT_TRUE(m.LimWatchHighOn() && m.LimWatchLowOn() && m.MeterShortTicks() && m.MeterScaleLine());
    EXPECT_EQ(m.ThresholdHigh(), 1.0);
    EXPECT_EQ(m.MeterMaxValue(), 1.0);
}

TEST(MeterLoadingTest, InterdependentSettersStoreRawValuesUntilLoaded)
{
    TMeter m;
    RangeEventLog log(m);
    m.BeginLoading();
    m.SetValue(7);
    m.SetValueSec(-4);
    m.SetThresholdLow(3);
    m.SetThresholdHigh(-2);
    m.SetMeterMinValue(2);
    m.SetMeterMaxValue(5);
    EXPECT_EQ(PaintCount(m), log.paintsBefore);
    EXPECT_EQ(m.Value(), 7);
    EXPECT_EQ(m.ValueSec(), -4);
    EXPECT_EQ(m.ThresholdLow(), 3);
    EXPECT_EQ(m.ThresholdHigh(), -2);

    // Logarithmic is stored unchecked, and from then on the floor applies.
    m.SetLogarithmic(true);
    m.SetMeterMinValue(0);
    EXPECT_TRUE(m.Logarithmic());
    EXPECT_EQ(m.MeterMinValue(), 2);

    // Everything else acts as at run time.
    m.SetAnchorSize(8);
    EXPECT_EQ(PaintCount(m) - log.paintsBefore, 1);

    m.Loaded();
    EXPECT_FALSE(m.Loading());
    EXPECT_EQ(m.Value(), 5);
    EXPECT_EQ(m.ValueSec(), -4);
    EXPECT_EQ(m.ThresholdLow(), 3);
    EXPECT_EQ(m.ThresholdHigh(), -2);
    EXPECT_FALSE(m.FaceValues().FOFL);
    EXPECT_FALSE(m.FaceValues().FUFL);
    EXPECT_EQ(log.Joined(), "");
    EXPECT_EQ(PaintCount(m) - log.paintsBefore, 2);
}

TEST(MeterLoadingTest, LoadedClampsThePrimaryValueIntoTheScale)
{
    struct Case {
        double min, max, value, expected;
    };
    for (const Case& c : {Case{2, 5, 7, 5}, Case{2, 5, -1, 2}, Case{2, 5, 3, 3}, Case{-1, 1, 0, 0}}) {
        TMeter m;
        m.BeginLoading();
        m.SetMeterMinValue(c.min);
        m.SetMeterMaxValue(c.max);
        m.SetValue(c.value);
        m.Loaded();
        EXPECT_EQ(m.Value(), c.expected) << c.value << " in " << c.min << ".." << c.max;
    }
}

TEST(MeterLoadingTest, LoadedValueThatIsNotANumberFallsToTheMinimum)
{
    TMeter m;
    m.BeginLoading();
    m.SetMeterMinValue(-1);
    m.SetValue(std::nan(""));
    EXPECT_TRUE(std::isnan(m.Value()));
    m.Loaded();
    EXPECT_EQ(m.Value(), -1);
    EXPECT_FALSE(m.FaceValues().FUFL);
}

TEST(MeterLoadingTest, EqualBoundsFromLoadingPutEveryValueMidScale)
{
    TMeter m;
    m.BeginLoading();
    m.SetMeterMinValue(1);
    m.SetMeterMaxValue(1);
    m.Loaded();
    EXPECT_EQ(m.CalcNeedleAngle(1), 180);
    EXPECT_EQ(m.CalcNeedleAngle(-50), 180);
    double v = -1;
    EXPECT_TRUE(m.ConvertPixelToValue(0, 0, v));
    EXPECT_EQ(v, 1);
    int x = 0, y = 0;
    m.ConvertToPixelCoords(1, 100, x, y);
    EXPECT_EQ(x, m.OriginX());
    EXPECT_EQ(y, m.OriginY() - 193);
}

} // namespace
