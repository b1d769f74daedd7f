// Value, bound, threshold and logarithmic setters: stored state, limit
// flags, range events and repaints.
#include "meter_test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Kepler;

namespace {

struct State {
    double min, max, value, value2, low, high;
    bool ofl, ufl, log;
};

State Snapshot(const TMeter& m)
{
    return {m.MeterMinValue(), m.MeterMaxValue(), m.Value(), m.ValueSec(), m.ThresholdLow(), m.ThresholdHigh(),
            m.FaceValues().FOFL, m.FaceValues().FUFL, m.Logarithmic()};
}

void MainWindowRange(TMeter& m)
{
    m.SetMeterMinValue(-1);
    m.SetThresholdLow(-1);
}

void LogScale(TMeter& m, double min, double max)
{
    m.SetMeterMaxValue(max);
    m.SetMeterMinValue(min);
    m.SetLogarithmic(true);
}

struct SetterCase {
    const char* name;
    std::function<void(TMeter&)> setup;
    std::function<void(TMeter&)> action;
    const char* events;
    int repaints;
    State expected;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const SetterCase& c, std::ostream* os) { *os << c.name; }

const SetterCase kCases[] = {
    // A new gauge: 0..1, thresholds 0 and 1.
    {"new gauge, 0.5 is normal", nullptr, [](TMeter& m) { m.SetValue(0.5); }, "normal", 1,
     {0, 1, 0.5, 0, 0, 1, false, false, false}},
    {"new gauge, 1 overflows", nullptr, [](TMeter& m) { m.SetValue(1); }, "over", 1,
     {0, 1, 1, 0, 0, 1, true, false, false}},
    {"new gauge, 0 underflows", [](TMeter& m) { m.SetValue(0.5); }, [](TMeter& m) { m.SetValue(0); }, "under", 1,
     {0, 1, 0, 0, 0, 1, false, true, false}},
    {"new gauge, -3 is clamped to 0", nullptr, [](TMeter& m) { m.SetValue(-3); }, "under", 1,
     {0, 1, 0, 0, 0, 1, false, true, false}},
    {"the same out-of-range value again", [](TMeter& m) { m.SetValue(-3); }, [](TMeter& m) { m.SetValue(-3); },
     "under", 1, {0, 1, 0, 0, 0, 1, false, true, false}},
    {"moving inside the normal range fires again", [](TMeter& m) { m.SetValue(0.2); },
     [](TMeter& m) { m.SetValue(0.3); }, "normal", 1, {0, 1, 0.3, 0, 0, 1, false, false, false}},
    {"the stored value does nothing", [](TMeter& m) { m.SetValue(1); }, [](TMeter& m) { m.SetValue(1); }, "", 0,
     {0, 1, 1, 0, 0, 1, true, false, false}},
    {"equal thresholds: a value on them overflows", [](TMeter& m) { m.SetThresholdLow(0.5); m.SetThresholdHigh(0.5); },
     [](TMeter& m) { m.SetValue(0.5); }, "over", 1, {0, 1, 0.5, 0, 0.5, 0.5, true, false, false}},

    // The main window's range: -1..1 with the thresholds at the ends.
    {"main window, 1 overflows", MainWindowRange, [](TMeter& m) { m.SetValue(1); }, "over", 1,
     {-1, 1, 1, 0, -1, 1, true, false, false}},
    {"main window, 0 is normal", [](TMeter& m) { MainWindowRange(m); m.SetValue(1); },
     [](TMeter& m) { m.SetValue(0); }, "normal", 1, {-1, 1, 0, 0, -1, 1, false, false, false}},
    {"main window, -1 underflows", MainWindowRange, [](TMeter& m) { m.SetValue(-1); }, "under", 1,
     {-1, 1, -1, 0, -1, 1, false, true, false}},

    // Hidden needles.
    {"hidden primary: stored, flags cleared, silent, repainted",
     [](TMeter& m) { m.SetValue(1); m.NeedleLayout().SetVisible(false); }, [](TMeter& m) { m.SetValue(0.5); }, "", 1,
     {0, 1, 0.5, 0, 0, 1, false, false, false}},
    {"hidden secondary: stored, flags cleared, silent, not repainted", [](TMeter& m) { m.SetValue(1); },
     [](TMeter& m) { m.SetValueSec(0.9); }, "", 0, {0, 1, 1, 0.9, 0, 1, false, false, false}},
    {"visible secondary classifies and clamps", [](TMeter& m) { m.NeedleLayoutSec().SetVisible(true); },
     [](TMeter& m) { m.SetValueSec(2); }, "over", 1, {0, 1, 0, 1, 0, 1, true, false, false}},
    {"secondary not a number falls to the minimum", [](TMeter& m) { m.NeedleLayoutSec().SetVisible(true); },
     [](TMeter& m) { m.SetValueSec(std::nan("")); }, "under", 1, {0, 1, 0, 0, 0, 1, false, true, false}},

    // Bounds: contradictions are repaired, everything follows into the scale.
    {"minimum above the maximum", [](TMeter& m) { m.SetValueSec(0.3); m.SetValue(1); },
     [](TMeter& m) { m.SetMeterMinValue(5); }, "", 1, {5, 6, 5, 5, 5, 5, true, false, false}},
    {"maximum below the minimum, linear", [](TMeter& m) { m.SetValue(0.5); },
     [](TMeter& m) { m.SetMeterMaxValue(-2); }, "", 1, {-3, -2, -2, -2, -2, -2, false, false, false}},
    {"maximum at the logarithmic minimum", [](TMeter& m) { LogScale(m, 0.5, 10); },
     [](TMeter& m) { m.SetMeterMaxValue(0.5); }, "", 1, {0.05, 0.5, 0.5, 0.5, 0.5, 0.5, false, false, true}},
    {"logarithmic: minimum 0 is ignored", [](TMeter& m) { LogScale(m, 0.5, 10); },
     [](TMeter& m) { m.SetMeterMinValue(0); }, "", 0, {0.5, 10, 0.5, 0.5, 0.5, 1, false, false, true}},
    {"logarithmic: low threshold -1 is ignored", [](TMeter& m) { LogScale(m, 0.5, 10); },
     [](TMeter& m) { m.SetThresholdLow(-1); }, "", 0, {0.5, 10, 0.5, 0.5, 0.5, 1, false, false, true}},
    {"the minimum unchanged does nothing", nullptr, [](TMeter& m) { m.SetMeterMinValue(0); }, "", 0,
     {0, 1, 0, 0, 0, 1, false, false, false}},
    {"a bound that is not a number is dropped", nullptr, [](TMeter& m) { m.SetMeterMaxValue(std::nan("")); }, "", 0,
     {0, 1, 0, 0, 0, 1, false, false, false}},

    // Logarithmic switch.
    {"switching on with minimum 0 is refused and still repaints", nullptr,
     [](TMeter& m) { m.SetLogarithmic(true); }, "", 1, {0, 1, 0, 0, 0, 1, false, false, false}},
    {"a minimum of 1e-100 lies above the extended floor", [](TMeter& m) { m.SetMeterMinValue(1e-100); },
     [](TMeter& m) { m.SetLogarithmic(true); }, "", 1, {1e-100, 1, 1e-100, 1e-100, 1e-100, 1, false, false, true}},

    // Thresholds: clamped, the other threshold pushed along, the primary
    // value tested against the new one.
    {"low threshold above the maximum",
     [](TMeter& m) { m.SetThresholdHigh(0.8); m.SetValue(0.5); },
     [](TMeter& m) { m.SetThresholdLow(2); }, "under", 1, {0, 1, 0.5, 0, 1, 1, false, true, false}},
    {"high threshold below the minimum", [](TMeter& m) { m.SetThresholdLow(0.2); m.SetValue(0.5); },
     [](TMeter& m) { m.SetThresholdHigh(-1); }, "over", 1, {0, 1, 0.5, 0, 0, 0, true, false, false}},
    {"low threshold leaves the overflow flag alone", [](TMeter& m) { m.SetValue(1); },
     [](TMeter& m) { m.SetThresholdLow(-0.5); }, "", 1, {0, 1, 1, 0, 0, 1, true, false, false}},
};

class ValueSetterTest : public ::testing::TestWithParam<SetterCase> {};

TEST_P(ValueSetterTest, StoresFlagsEventsAndRepaints)
{
    const SetterCase& c = GetParam();
    TMeter m;
    if (c.setup)
        c.setup(m);
    RangeEventLog log(m);
    c.action(m);

    EXPECT_EQ(log.Joined(), c.events);
    for (int paints : log.paintCounts)
        EXPECT_EQ(paints, log.paintsBefore) << "an event came after the repaint";
    EXPECT_EQ(PaintCount(m) - log.paintsBefore, c.repaints);
    const State s = Snapshot(m);
    EXPECT_DOUBLE_EQ(s.min, c.expected.min);
    EXPECT_DOUBLE_EQ(s.max, c.expected.max);
    EXPECT_DOUBLE_EQ(s.value, c.expected.value);
    EXPECT_DOUBLE_EQ(s.value2, c.expected.value2);
    EXPECT_DOUBLE_EQ(s.low, c.expected.low);
    EXPECT_DOUBLE_EQ(s.high, c.expected.high);
    EXPECT_EQ(s.ofl, c.expected.ofl);
    EXPECT_EQ(s.ufl, c.expected.ufl);
    EXPECT_EQ(s.log, c.expected.log);
}

INSTANTIATE_TEST_SUITE_P(Cases, ValueSetterTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(ValueSetterReentry, HandlerSettingTheValueRepaintsOnceMoreAfterReturning)
{
    TMeter m;
    std::vector<int> paintsSeen;
    m.OnOverFlow = [&](QObject*) {
        paintsSeen.push_back(PaintCount(m));
        m.SetValue(0.5);
    };
    const int before = PaintCount(m);
    m.SetValue(1);
    EXPECT_EQ(m.Value(), 0.5);
    EXPECT_EQ(paintsSeen, std::vector<int>{before});
    EXPECT_EQ(PaintCount(m) - before, 2);
}

} // namespace
