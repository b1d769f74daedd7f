// Connections by name, as Designer's signal editor makes them, move the
// gauge's values.
#include "meter_test_support.h"

#include <QDoubleSpinBox>
#include <QSlider>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

struct SlotCase {
    const char* slot;
    double (TMeter::*read)() const;
    double sent;
};

void PrintTo(const SlotCase& c, std::ostream* os)
{
    *os << c.slot;
}

// Each value lies within the default bounds 0 to 1, as do the bounds with
// the other bound kept apart from them.
const SlotCase kSlotCases[] = {
    {SLOT(SetValue(double)), &TMeter::Value, 0.25},
    {SLOT(SetValueSec(double)), &TMeter::ValueSec, 0.75},
    {SLOT(SetMeterMinValue(double)), &TMeter::MeterMinValue, -2},
    {SLOT(SetMeterMaxValue(double)), &TMeter::MeterMaxValue, 5},
    {SLOT(SetThresholdLow(double)), &TMeter::ThresholdLow, 0.125},
    {SLOT(SetThresholdHigh(double)), &TMeter::ThresholdHigh, 0.875},
};

class QtSlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(QtSlotTest, DoubleSpinBoxConnectedByNameMovesTheValue)
{
    const SlotCase& c = GetParam();
    TMeter m;
    QDoubleSpinBox source;
    source.setRange(-10, 10);
    source.setDecimals(3);
    ASSERT_TRUE(QObject::connect(&source, SIGNAL(valueChanged(double)), &m, c.slot));
    source.setValue(c.sent);
    EXPECT_DOUBLE_EQ((m.*c.read)(), c.sent);
}

INSTANTIATE_TEST_SUITE_P(Slots, QtSlotTest, ::testing::ValuesIn(kSlotCases));

TEST(QtSlotTest, IntSignalsReachTheValueThroughAFunctorConnection)
{
    TMeter m;
    m.SetMeterMaxValue(100);
    QSlider slider;
    slider.setRange(0, 100);
    QObject::connect(&slider, &QSlider::valueChanged, &m, &TMeter::SetValue);
    slider.setValue(64);
    EXPECT_DOUBLE_EQ(m.Value(), 64);
}

TEST(QtSlotTest, OrdinaryCallsStayUnambiguous)
{
    TMeter m;
    m.SetValue(1u);
    m.SetValueSec(0);
    EXPECT_DOUBLE_EQ(m.Value(), 1);
    EXPECT_DOUBLE_EQ(m.ValueSec(), 0);
}

} // namespace
