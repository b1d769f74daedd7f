// Setting the two values: clamping, classification against the thresholds,
// the limit flags and what the face is told to do.
#include "meter_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using Kepler::TMeterModel;
using Kepler::TMeterRange;
using Kepler::TMeterStep;

const double NaN = std::numeric_limits<double>::quiet_NaN();

struct ValueCase {
    std::string Name;
    double Min, Max, Low, High;
    double Start; // set first, at run time
    double Set;
    double Stored;
    TMeterRange Range;
    bool OFL, UFL;
};

TMeterModel Scale(double min, double max, double low, double high)
{
    TMeterModel m;
    // A form's way: raw values, then the end of loading.
    m.SetLoading(true);
    m.SetMeterMinValue(min);
    m.SetMeterMaxValue(max);
    m.SetThresholdLow(low);
    m.SetThresholdHigh(high);
    m.Loaded();
    return m;
}

class PrimaryValue : public testing::TestWithParam<ValueCase> {};

TEST_P(PrimaryValue, IsClampedAndClassified)
{
    const ValueCase& c = GetParam();
    TMeterModel m = Scale(c.Min, c.Max, c.Low, c.High);
    m.SetValue(c.Start, true);
    const TMeterStep step = m.SetValue(c.Set, true);
    if (std::isnan(c.Stored))
        EXPECT_TRUE(std::isnan(m.Value()));
    else
        EXPECT_EQ(m.Value(), c.Stored);
    EXPECT_EQ(step.Range, c.Range);
    EXPECT_TRUE(step.Repaint);
    EXPECT_EQ(m.OverFlow(), c.OFL);
    EXPECT_EQ(m.UnderFlow(), c.UFL);
}

INSTANTIATE_TEST_SUITE_P(Table, PrimaryValue, testing::Values(
    ValueCase{"normal", 0, 1, 0, 1, 0, 0.5, 0.5, TMeterRange::NormalRange, false, false},
    ValueCase{"at_high_threshold", 0, 1, 0, 1, 0, 1, 1, TMeterRange::OverFlow, true, false},
    ValueCase{"at_low_threshold", 0, 1, 0, 1, 0.5, 0, 0, TMeterRange::UnderFlow, false, true},
    ValueCase{"below_scale", 0, 1, 0, 1, 0.5, -3, 0, TMeterRange::UnderFlow, false, true},
    ValueCase{"below_scale_again", 0, 1, 0, 1, -3, -3, 0, TMeterRange::UnderFlow, false, true},
    ValueCase{"above_scale", 0, 1, 0, 1, 0, 7, 1, TMeterRange::OverFlow, true, false},
    ValueCase{"nan_falls_to_min", 0, 1, 0, 1, 0.5, NaN, 0, TMeterRange::UnderFlow, false, true},
    ValueCase{"window_plus_one", -1, 1, -1, 1, 0, 1, 1, TMeterRange::OverFlow, true, false},
    ValueCase{"window_zero", -1, 1, -1, 1, 1, 0, 0, TMeterRange::NormalRange, false, false},
    ValueCase{"window_minus_one", -1, 1, -1, 1, 0, -1, -1, TMeterRange::UnderFlow, false, true},
    ValueCase{"equal_thresholds_count_as_overflow", 0, 10, 4, 4, 0, 4, 4, TMeterRange::OverFlow, true, false},
    ValueCase{"inside_normal_again", 0, 1, 0.1, 0.9, 0.2, 0.3, 0.3, TMeterRange::NormalRange, false, false}),
    [](const auto& info) { return info.param.Name; });

TEST(PrimaryValue, SameValueDoesNothing)
{
    TMeterModel m;
    m.SetValue(0.5, true);
    const TMeterStep step = m.SetValue(0.5, true);
    EXPECT_EQ(step.Range, TMeterRange::None);
    EXPECT_FALSE(step.Repaint);
}

TEST(PrimaryValue, HiddenNeedleClearsFlagsAndRepaintsWithoutEvent)
{
    TMeterModel m;
    m.SetValue(1, true);
    ASSERT_TRUE(m.OverFlow());
    const TMeterStep step = m.SetValue(0.5, false);
    EXPECT_EQ(m.Value(), 0.5);
    EXPECT_EQ(step.Range, TMeterRange::None);
    EXPECT_TRUE(step.Repaint);
    EXPECT_FALSE(m.OverFlow());
    EXPECT_FALSE(m.UnderFlow());
}

TEST(SecondaryValue, VisibleNeedleIsClassifiedAndSharesTheFlags)
{
    TMeterModel m;
    m.SetValue(-1, true); // stores 0
    ASSERT_TRUE(m.UnderFlow());
    const TMeterStep step = m.SetValueSec(5, true);
    EXPECT_EQ(m.ValueSec(), 1);
    EXPECT_EQ(m.Value(), 0);
    EXPECT_EQ(step.Range, TMeterRange::OverFlow);
    EXPECT_TRUE(step.Repaint);
    EXPECT_TRUE(m.OverFlow());
    EXPECT_FALSE(m.UnderFlow());
}

TEST(SecondaryValue, HiddenNeedleStoresAndClearsFlagsOnly)
{
    TMeterModel m;
    m.SetValue(1, true);
    const TMeterStep step = m.SetValueSec(0.9, false);
    EXPECT_EQ(m.ValueSec(), 0.9);
    EXPECT_EQ(step.Range, TMeterRange::None);
    EXPECT_FALSE(step.Repaint);
    EXPECT_FALSE(m.OverFlow());
    EXPECT_FALSE(m.UnderFlow());
}

} // namespace
