// The spin box's halves as assistive technology sees them: push buttons with
// German names that press the box up and down.
#include "KeplerControls/spin_button.h"
#include "KeplerControls/spin_edit.h"
#include "timer_speed_button.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

class SpinHalfAccessibleTest : public ::testing::Test {
protected:
    SpinHalfAccessibleTest()
    {
        Edit.SetMinValue(1);
        Edit.SetMaxValue(30);
        Edit.SetValue(5);
    }
    static QAccessibleInterface* Iface(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
    TTimerSpeedButton* Up() const { return Edit.Button()->UpButton(); }
    TTimerSpeedButton* Down() const { return Edit.Button()->DownButton(); }

    TSpinEdit Edit;
};

TEST_F(SpinHalfAccessibleTest, HalvesArePushButtonsWithGermanNamesThatPress)
{
    struct Case {
        TTimerSpeedButton* Half;
        const char* Name;
        int ValueAfterPress;
    };
    const Case cases[] = {{Up(), "Wert erhöhen", 6}, {Down(), "Wert verringern", 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QAccessibleInterface* iface = Iface(c.Half);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(c.Name));
        QAccessibleActionInterface* actions = iface->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(Edit.Value(), c.ValueAfterPress);
        // Other actions do nothing.
        actions->doAction(QAccessibleActionInterface::increaseAction());
        EXPECT_EQ(Edit.Value(), c.ValueAfterPress);
    }
}

TEST_F(SpinHalfAccessibleTest, HalvesAreFoundUnderTheSpinBox)
{
    // The pair sits inside the box; its children are the two halves.
    QAccessibleInterface* pair = Iface(Edit.Button());
    ASSERT_NE(pair, nullptr);
    EXPECT_EQ(pair->parent()->object(), &Edit);
    QStringList names;
    for (int i = 0; i < pair->childCount(); ++i)
        names << pair->child(i)->text(QAccessible::Name);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Wert erhöhen"), QStringLiteral("Wert verringern")}));
}

TEST_F(SpinHalfAccessibleTest, DisabledHalfIsUnavailableAndDoesNotPress)
{
    Edit.setEnabled(false);
    QAccessibleInterface* iface = Iface(Up());
    EXPECT_TRUE(iface->state().disabled);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Edit.Value(), 5);
}

TEST_F(SpinHalfAccessibleTest, HalfHeldDownReadsAsPressed)
{
    Edit.show();
    QAccessibleInterface* iface = Iface(Down());
    EXPECT_FALSE(iface->state().pressed);
    QTest::mousePress(Down(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(iface->state().pressed);
    QTest::mouseRelease(Down(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_FALSE(iface->state().pressed);
}

TEST_F(SpinHalfAccessibleTest, NameGivenByTheProgramWins)
{
    TSpinButton pair;
    pair.UpButton()->setAccessibleName(QStringLiteral("Seite vor"));
    EXPECT_EQ(Iface(pair.UpButton())->text(QAccessible::Name), QStringLiteral("Seite vor"));
    EXPECT_EQ(Iface(pair.DownButton())->text(QAccessible::Name), QStringLiteral("Wert verringern"));
}

} // namespace
