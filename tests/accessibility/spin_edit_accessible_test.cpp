// The spin box as assistive technology sees it: a spin box with value,
// limits and step, which it can also set and step.
#include "accessible_events.h"

#include "KeplerControls/spin_edit.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <gtest/gtest.h>
#include <limits>

using namespace Kepler;

namespace {

class SpinEditAccessibleTest : public ::testing::Test {
protected:
    SpinEditAccessibleTest()
    {
        Edit.SetMinValue(1);
        Edit.SetMaxValue(30);
        Edit.SetValue(1);
    }
    QAccessibleValueInterface* Value() { return Iface->valueInterface(); }

    TSpinEdit Edit;
    QAccessibleInterface* Iface = QAccessible::queryAccessibleInterface(&Edit);
};

TEST_F(SpinEditAccessibleTest, SpinBoxWithValueLimitsAndStep)
{
    ASSERT_NE(Iface, nullptr);
    EXPECT_EQ(Iface->role(), QAccessible::SpinBox);
    ASSERT_NE(Value(), nullptr);
    EXPECT_EQ(Value()->currentValue().toInt(), 1);
    EXPECT_EQ(Value()->minimumValue().toInt(), 1);
    EXPECT_EQ(Value()->maximumValue().toInt(), 30);
    EXPECT_EQ(Value()->minimumStepSize().toInt(), 1);
    Edit.SetIncrement(5);
    EXPECT_EQ(Value()->minimumStepSize().toInt(), 5);
    EXPECT_EQ(Iface->text(QAccessible::Value), QStringLiteral("1"));
}

TEST_F(SpinEditAccessibleTest, EqualLimitsMeanTheWholeRange)
{
    Edit.SetMinValue(0);
    Edit.SetMaxValue(0);
    EXPECT_EQ(Value()->minimumValue().toInt(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Value()->maximumValue().toInt(), std::numeric_limits<std::int32_t>::max());
}

TEST_F(SpinEditAccessibleTest, SettingAndSteppingGoThroughTheLimits)
{
    Value()->setCurrentValue(40);
    EXPECT_EQ(Edit.Value(), 30);
    Value()->setCurrentValue(7);
    EXPECT_EQ(Edit.Value(), 7);
    QAccessibleActionInterface* actions = Iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(Edit.Value(), 8);
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    actions->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(Edit.Value(), 6);
}

TEST_F(SpinEditAccessibleTest, AnnouncesEveryChangeOfItsValue)
{
    AccessibleEvents events;
    Edit.StepUp();
    Edit.SetValue(12);
    Edit.SetValue(12); // same text: nothing changes, nothing is said
    ASSERT_EQ(events.ValueChanges.size(), 2u);
    EXPECT_EQ(events.ValueChanges[0].Object, &Edit);
    EXPECT_EQ(events.ValueChanges[0].Value.toInt(), 2);
    EXPECT_EQ(events.ValueChanges[1].Value.toInt(), 12);
}

} // namespace
