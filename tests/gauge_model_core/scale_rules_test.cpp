// Setting the bounds, the thresholds and the logarithmic scale: repairs of
// contradictory bounds, what is kept within them, the logarithmic floor and
// the threshold events.
#include "meter_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using Kepler::TMeterModel;
using Kepler::TMeterModelState;
using Kepler::TMeterRange;
using Kepler::TMeterStep;

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Largest = std::numeric_limits<double>::max();

enum class TSetter { Min, Max, Low, High };

TMeterStep Set(TMeterModel& m, TSetter s, double v)
{
    switch (s) {
    case TSetter::Min:
        return m.SetMeterMinValue(v);
    case TSetter::Max:
        return m.SetMeterMaxValue(v);
    case TSetter::Low:
        return m.SetThresholdLow(v);
    case TSetter::High:
        return m.SetThresholdHigh(v);
    }
    return {};
}

// Builds a model holding exactly the given state, as a form loads it.
TMeterModel Holding(const TMeterModelState& s)
{
    TMeterModel m;
    m.SetLoading(true);
    m.SetMeterMinValue(s.Min);
    m.SetMeterMaxValue(s.Max);
    m.SetThresholdLow(s.Low);
    m.SetThresholdHigh(s.High);
    m.SetValue(s.Value, true);
    m.SetValueSec(s.ValueSec, true);
    m.SetLogarithmic(s.Logarithmic);
    m.Loaded();
    return m;
}

struct ScaleCase {
    std::string Name;
    TMeterModelState Before; // Value, ValueSec, Min, Max, Low, High, Logarithmic
    TSetter Setter;
    double Set;
    TMeterModelState After;
    bool Repaint;
};

void ExpectState(const TMeterModelState& want, const TMeterModel& m)
{
    EXPECT_EQ(m.Value(), want.Value);
    EXPECT_EQ(m.ValueSec(), want.ValueSec);
    EXPECT_EQ(m.MeterMinValue(), want.Min);
    EXPECT_EQ(m.MeterMaxValue(), want.Max);
    EXPECT_EQ(m.ThresholdLow(), want.Low);
    EXPECT_EQ(m.ThresholdHigh(), want.High);
    EXPECT_EQ(m.Logarithmic(), want.Logarithmic);
}

class Bounds : public testing::TestWithParam<ScaleCase> {};

TEST_P(Bounds, AreRepairedAndKeepEverythingWithin)
{
    const ScaleCase& c = GetParam();
    TMeterModel m = Holding(c.Before);
    const TMeterStep step = Set(m, c.Setter, c.Set);
    ExpectState(c.After, m);
    EXPECT_EQ(step.Repaint, c.Repaint);
    // Bounds raise no range event.
    EXPECT_EQ(step.Range, TMeterRange::None);
}

INSTANTIATE_TEST_SUITE_P(Table, Bounds, testing::Values(
    ScaleCase{"min_above_max_moves_max", {0.5, 0.2, 0, 1, 0, 1, false}, TSetter::Min, 5,
              {5, 5, 5, 6, 5, 5, false}, true},
    ScaleCase{"max_below_min_moves_min", {0.5, 0.2, 0, 1, 0, 1, false}, TSetter::Max, -2,
              {-2, -2, -3, -2, -2, -2, false}, true},
    ScaleCase{"min_inside_keeps_max", {0.5, 0.2, 0, 1, 0.1, 0.9, false}, TSetter::Min, 0.3,
              {0.5, 0.3, 0.3, 1, 0.3, 0.9, false}, true},
    ScaleCase{"log_max_below_min_takes_a_tenth", {1, 1, 0.5, 10, 1, 5, true}, TSetter::Max, 0.5,
              {0.5, 0.5, 0.05, 0.5, 0.5, 0.5, true}, true},
    ScaleCase{"log_min_below_floor_ignored", {1, 1, 0.5, 10, 1, 5, true}, TSetter::Min, 0,
              {1, 1, 0.5, 10, 1, 5, true}, false},
    ScaleCase{"log_max_below_floor_ignored", {1, 1, 0.5, 10, 1, 5, true}, TSetter::Max, 1e-101,
              {1, 1, 0.5, 10, 1, 5, true}, false},
    ScaleCase{"same_min_does_nothing", {0.5, 0, 0, 1, 0, 1, false}, TSetter::Min, 0,
              {0.5, 0, 0, 1, 0, 1, false}, false},
    ScaleCase{"infinite_min_refused", {0.5, 0, 0, 1, 0, 1, false}, TSetter::Min, -Inf,
              {0.5, 0, 0, 1, 0, 1, false}, false},
    ScaleCase{"nan_max_refused", {0.5, 0, 0, 1, 0, 1, false}, TSetter::Max, NaN,
              {0.5, 0, 0, 1, 0, 1, false}, false},
    ScaleCase{"largest_min_has_no_room_above", {0.5, 0, 0, 1, 0, 1, false}, TSetter::Min, Largest,
              {0.5, 0, 0, 1, 0, 1, false}, false},
    ScaleCase{"one_unit_too_small_takes_next_number", {0, 0, 0, 1, 0, 1, false}, TSetter::Min, 1e20,
              {1e20, 1e20, 1e20, std::nextafter(1e20, Inf), 1e20, 1e20, false}, true}),
    [](const auto& info) { return info.param.Name; });

struct ThresholdCase {
    std::string Name;
    TMeterModelState Before; // flags clear
    TSetter Setter;
    double Set;
    double Low, High;
    TMeterRange Range;
    bool OFL, UFL;
    bool Repaint;
};

class Thresholds : public testing::TestWithParam<ThresholdCase> {};

TEST_P(Thresholds, AreClampedPushedAndTestTheValue)
{
    const ThresholdCase& c = GetParam();
    TMeterModel m = Holding(c.Before);
    const TMeterStep step = Set(m, c.Setter, c.Set);
    EXPECT_EQ(m.ThresholdLow(), c.Low);
    EXPECT_EQ(m.ThresholdHigh(), c.High);
    EXPECT_EQ(step.Range, c.Range);
    EXPECT_EQ(m.OverFlow(), c.OFL);
    EXPECT_EQ(m.UnderFlow(), c.UFL);
    EXPECT_EQ(step.Repaint, c.Repaint);
}

INSTANTIATE_TEST_SUITE_P(Table, Thresholds, testing::Values(
    ThresholdCase{"low_above_max_pushes_high", {0.5, 0, 0, 1, 0, 0.8, false}, TSetter::Low, 2,
                  1, 1, TMeterRange::UnderFlow, false, true, true},
    ThresholdCase{"low_below_value_no_event", {0.5, 0, 0, 1, 0, 0.8, false}, TSetter::Low, 0.3,
                  0.3, 0.8, TMeterRange::None, false, false, true},
    ThresholdCase{"low_below_min_is_raised", {0.5, 0, 0, 1, 0.2, 0.8, false}, TSetter::Low, -4,
                  0, 0.8, TMeterRange::None, false, false, true},
    ThresholdCase{"high_at_value_overflows", {0.5, 0, 0, 1, 0, 1, false}, TSetter::High, 0.5,
                  0, 0.5, TMeterRange::OverFlow, true, false, true},
    ThresholdCase{"high_below_low_pushes_low", {0.1, 0, 0, 1, 0.6, 1, false}, TSetter::High, 0.4,
                  0.4, 0.4, TMeterRange::None, false, false, true},
    ThresholdCase{"log_low_below_floor_ignored", {1, 1, 0.5, 10, 1, 5, true}, TSetter::Low, -1,
                  1, 5, TMeterRange::None, false, false, false},
    ThresholdCase{"nan_ignored", {0.5, 0, 0, 1, 0, 1, false}, TSetter::High, NaN,
                  0, 1, TMeterRange::None, false, false, false},
    ThresholdCase{"same_does_nothing", {0.5, 0, 0, 1, 0.2, 0.8, false}, TSetter::Low, 0.2,
                  0.2, 0.8, TMeterRange::None, false, false, false}),
    [](const auto& info) { return info.param.Name; });

TEST(Thresholds, KeepTheOtherEndsFlag)
{
    TMeterModel m;
    m.SetValue(1, true); // overflow
    ASSERT_TRUE(m.OverFlow());
    const TMeterStep step = m.SetThresholdLow(0.2);
    EXPECT_EQ(step.Range, TMeterRange::None);
    EXPECT_TRUE(m.OverFlow());
    EXPECT_FALSE(m.UnderFlow());
}

TEST(Bounds, KeepTheFlags)
{
    TMeterModel m;
    m.SetValue(-1, true); // 0, underflow
    ASSERT_TRUE(m.UnderFlow());
    m.SetMeterMinValue(-1);
    m.SetMeterMaxValue(3);
    EXPECT_TRUE(m.UnderFlow());
    EXPECT_FALSE(m.OverFlow());
}

struct LogCase {
    std::string Name;
    double Min, Max;
    bool From, To;
    bool Stored, Repaint;
};

class Logarithmic : public testing::TestWithParam<LogCase> {};

TEST_P(Logarithmic, IsRefusedWhileABoundIsAtOrBelowTheFloor)
{
    const LogCase& c = GetParam();
    TMeterModel m = Holding({c.Min, c.Min, c.Min, c.Max, c.Min, c.Max, c.From});
    const TMeterStep step = m.SetLogarithmic(c.To);
    EXPECT_EQ(m.Logarithmic(), c.Stored);
    EXPECT_EQ(step.Repaint, c.Repaint);
    EXPECT_EQ(step.Range, TMeterRange::None);
}

INSTANTIATE_TEST_SUITE_P(Table, Logarithmic, testing::Values(
    LogCase{"on_with_positive_bounds", 1, 1000, false, true, true, true},
    LogCase{"on_with_zero_min_refused_but_repaints", 0, 1, false, true, false, true},
    LogCase{"on_with_max_below_floor_refused", -5, 1e-101, false, true, false, true},
    LogCase{"on_with_tiny_positive_bounds", 2e-100, 3e-100, false, true, true, true},
    LogCase{"off", 1, 1000, true, false, false, true},
    LogCase{"same_does_nothing", 1, 1000, false, false, false, false}),
    [](const auto& info) { return info.param.Name; });

} // namespace
