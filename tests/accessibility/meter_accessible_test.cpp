// The gauge as assistive technology sees it: a read-only dial with its
// value and limits, announcing each real change of its value.
#include "accessible_events.h"

#include "KeplerControls/meter.h"

#include <QAccessible>
#include <QLocale>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

class MeterAccessibleTest : public ::testing::Test {
protected:
    MeterAccessibleTest()
    {
        Meter.SetBounds(0, 0, 105, 87);
        Meter.SetMeterMinValue(-1);
        Meter.SetMeterMaxValue(1);
        Meter.SetValue(0);
    }
    TMeter Meter;
    QAccessibleInterface* Iface = QAccessible::queryAccessibleInterface(&Meter);
};

TEST_F(MeterAccessibleTest, ReadOnlyDialWithValueAndLimits)
{
    ASSERT_NE(Iface, nullptr);
    EXPECT_EQ(Iface->role(), QAccessible::Dial);
    EXPECT_TRUE(Iface->state().readOnly);
    QAccessibleValueInterface* value = Iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toDouble(), -1.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 1.0);
    EXPECT_EQ(value->currentValue().toDouble(), 0.0);

    Meter.SetValue(1);
    EXPECT_EQ(value->currentValue().toDouble(), 1.0);
    EXPECT_EQ(Iface->text(QAccessible::Value), QLocale().toString(1.0, 'f', Meter.MeterDecPlaces()));

    // Assistive technology cannot move the needle.
    value->setCurrentValue(-1.0);
    EXPECT_EQ(Meter.Value(), 1.0);
}

TEST_F(MeterAccessibleTest, NameFallsBackToTheCaption)
{
    Meter.SetCaption(QStringLiteral("Druck"));
    EXPECT_EQ(Iface->text(QAccessible::Name), QStringLiteral("Druck"));
    Meter.setAccessibleName(QStringLiteral("Tendenz"));
    EXPECT_EQ(Iface->text(QAccessible::Name), QStringLiteral("Tendenz"));
}

TEST_F(MeterAccessibleTest, AnnouncesOnlyRealChanges)
{
    AccessibleEvents events;
    struct Step {
        double Set;
        bool Announced;
        double Shown;
    };
    const Step steps[] = {
        {-1, true, -1}, // behind
        {-1, false, -1}, // the same value again
        {1, true, 1},   // ahead
        {5, false, 1},  // clamped to the value already shown
        {0, true, 0},   // run over
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Set);
        events.ValueChanges.clear();
        Meter.SetValue(s.Set);
        ASSERT_EQ(events.ValueChanges.size(), s.Announced ? 1u : 0u);
        if (s.Announced) {
            EXPECT_EQ(events.ValueChanges[0].Object, &Meter);
            EXPECT_EQ(events.ValueChanges[0].Value.toDouble(), s.Shown);
        }
    }
}

} // namespace
