// Loading (raw values, brought into the scale at its end) and the change
// reports that tell a face which value-like properties a setter changed.
#include "meter_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

namespace {

using Kepler::ChangesBetween;
using Kepler::TMeterModel;
using Kepler::TMeterModelChanges;
using Kepler::TMeterModelState;
using Kepler::TMeterRange;
using Kepler::TMeterStep;

const double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(Loading, StoresRawValuesWithoutChecksEventsOrRepaints)
{
    TMeterModel m;
    m.SetLoading(true);
    for (const TMeterStep& step : {m.SetMeterMinValue(5), m.SetMeterMaxValue(2), m.SetThresholdLow(9),
                                   m.SetThresholdHigh(-4), m.SetValue(7, true), m.SetValueSec(-8, true),
                                   m.SetLogarithmic(true)}) {
        EXPECT_EQ(step.Range, TMeterRange::None);
        EXPECT_FALSE(step.Repaint);
    }
    EXPECT_EQ(m.MeterMinValue(), 5);
    EXPECT_EQ(m.MeterMaxValue(), 2);
    EXPECT_EQ(m.ThresholdLow(), 9);
    EXPECT_EQ(m.ThresholdHigh(), -4);
    EXPECT_EQ(m.Value(), 7);
    EXPECT_EQ(m.ValueSec(), -8);
    EXPECT_TRUE(m.Logarithmic());
    EXPECT_FALSE(m.OverFlow());
    EXPECT_FALSE(m.UnderFlow());
}

TEST(Loading, LogarithmicLoadedFirstAlreadyRefusesValuesBelowTheFloor)
{
    TMeterModel m;
    m.SetLoading(true);
    m.SetLogarithmic(true);
    m.SetMeterMinValue(0);
    m.SetThresholdLow(-1);
    m.SetMeterMaxValue(NaN);
    EXPECT_EQ(m.MeterMinValue(), 0);
    EXPECT_EQ(m.ThresholdLow(), 0);
    EXPECT_EQ(m.MeterMaxValue(), 1);
}

struct LoadedCase {
    std::string Name;
    double Min, Max, Value;
    double Clamped;
};

class Loaded : public testing::TestWithParam<LoadedCase> {};

TEST_P(Loaded, BringsOnlyThePrimaryValueIntoTheScale)
{
    const LoadedCase& c = GetParam();
    TMeterModel m;
    m.SetLoading(true);
    m.SetMeterMinValue(c.Min);
    m.SetMeterMaxValue(c.Max);
    m.SetThresholdLow(-50);
    m.SetThresholdHigh(50);
    m.SetValue(c.Value, true);
    m.SetValueSec(99, true);
    m.Loaded();
    EXPECT_FALSE(m.Loading());
    EXPECT_EQ(m.Value(), c.Clamped);
    EXPECT_EQ(m.ValueSec(), 99);
    EXPECT_EQ(m.ThresholdLow(), -50);
    EXPECT_EQ(m.ThresholdHigh(), 50);
    EXPECT_FALSE(m.OverFlow());
    EXPECT_FALSE(m.UnderFlow());
}

INSTANTIATE_TEST_SUITE_P(Table, Loaded, testing::Values(
    LoadedCase{"inside", -1, 1, 0.5, 0.5},
    LoadedCase{"above", -1, 1, 3, 1},
    LoadedCase{"below", -1, 1, -3, -1},
    LoadedCase{"nan_falls_to_min", -1, 1, NaN, -1}),
    [](const auto& info) { return info.param.Name; });

TEST(Loaded, RunTimeRulesApplyAfterwards)
{
    TMeterModel m;
    m.SetLoading(true);
    m.SetValue(0.5, true);
    m.Loaded();
    const TMeterStep step = m.SetValue(2, true);
    EXPECT_EQ(m.Value(), 1);
    EXPECT_EQ(step.Range, TMeterRange::OverFlow);
    EXPECT_TRUE(step.Repaint);
}

// The change report of one setter: its side effects count too.
struct ChangeCase {
    std::string Name;
    TMeterModelState Before;
    TMeterModelState After;
    TMeterModelChanges Changed; // Value, ValueSec, Min, Max, Low, High, Logarithmic
};

class Changes : public testing::TestWithParam<ChangeCase> {};

TEST_P(Changes, NameEveryPropertyThatDiffers)
{
    const ChangeCase& c = GetParam();
    const TMeterModelChanges got = ChangesBetween(c.Before, c.After);
    EXPECT_EQ(got.Value, c.Changed.Value);
    EXPECT_EQ(got.ValueSec, c.Changed.ValueSec);
    EXPECT_EQ(got.Min, c.Changed.Min);
    EXPECT_EQ(got.Max, c.Changed.Max);
    EXPECT_EQ(got.Low, c.Changed.Low);
    EXPECT_EQ(got.High, c.Changed.High);
    EXPECT_EQ(got.Logarithmic, c.Changed.Logarithmic);
}

INSTANTIATE_TEST_SUITE_P(Table, Changes, testing::Values(
    ChangeCase{"none", {0, 0, 0, 1, 0, 1, false}, {0, 0, 0, 1, 0, 1, false},
               {false, false, false, false, false, false, false}},
    ChangeCase{"all", {0, 0, 0, 1, 0, 1, false}, {1, 1, 1, 2, 1, 1.5, true},
               {true, true, true, true, true, true, true}},
    ChangeCase{"nan_stays_nan", {NaN, NaN, 0, 1, 0, 1, false}, {NaN, NaN, 0, 1, 0, 1, false},
               {false, false, false, false, false, false, false}},
    ChangeCase{"nan_to_number", {NaN, 0, 0, 1, 0, 1, false}, {0, 0, 0, 1, 0, 1, false},
               {true, false, false, false, false, false, false}},
    ChangeCase{"minus_zero_is_zero", {-0.0, 0, 0, 1, 0, 1, false}, {0.0, 0, 0, 1, 0, 1, false},
               {false, false, false, false, false, false, false}}),
    [](const auto& info) { return info.param.Name; });

// What a setter's side effects change, as the face reports it.
TEST(Changes, OfABoundIncludeItsSideEffects)
{
    TMeterModel m;
    m.SetValue(0.5, true);
    const TMeterModelState before = m.State();
    m.SetMeterMinValue(5);
    const TMeterModelChanges c = ChangesBetween(before, m.State());
    EXPECT_TRUE(c.Min && c.Max && c.Value && c.ValueSec && c.Low && c.High);
    EXPECT_FALSE(c.Logarithmic);
}

TEST(Changes, OfARefusedLogarithmicAreNone)
{
    TMeterModel m;
    const TMeterModelState before = m.State();
    const TMeterStep step = m.SetLogarithmic(true);
    EXPECT_TRUE(step.Repaint);
    EXPECT_FALSE(ChangesBetween(before, m.State()).Logarithmic);
}

} // namespace
