// Announcements in plain types become the Qt events assistive technology
// is told: each kind of change, its object and child, its value or text.
#include "accessibility_notify.h"
#include "qt_announcement.h"
#include "test_platform.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QObject>
#include <QVariant>

using namespace Kepler;

namespace {

TEST(QtAnnouncement, EachKindBecomesItsQtEvent)
{
    QObject object;
    const TAccessObject handle = AccessObject(&object);
    EXPECT_EQ(QtObject(handle), &object);

    const auto make = [handle](TAccessChange change, TAccessValue v = {}) {
        TAnnouncement a;
        a.Object = handle;
        a.Change = change;
        a.Value = std::move(v);
        return a;
    };
    const TAnnouncement value = make(acValueChange, 2.5);
    const TAnnouncement integral = make(acValueChange, 7);
    const TAnnouncement text = make(acValueChange, std::string("5\u00a0%"));
    TAnnouncement name = make(acNameChange);
    name.Child = 1;
    const TAnnouncement focus = make(acFocus);
    TAnnouncement update = make(acTextUpdate);
    update.Position = 2;
    update.OldText = "ab";
    update.Text = "äbc";
    TAnnouncement selection = make(acSelectionChange);
    selection.Position = 1;
    selection.End = 3;
    const struct {
        const char* Name;
        const TAnnouncement& In;
        QAccessible::Event Type;
        int Child;
    } cases[] = {
        {"value", value, QAccessible::ValueChanged, -1},
        {"integral value", integral, QAccessible::ValueChanged, -1},
        {"value as text", text, QAccessible::ValueChanged, -1},
        {"name of child 1", name, QAccessible::NameChanged, 1},
        {"focus", focus, QAccessible::Focus, -1},
        {"text", update, QAccessible::TextUpdated, -1},
        {"selection", selection, QAccessible::TextSelectionChanged, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<QAccessibleEvent> event = QtAccessibleEvent(c.In);
        ASSERT_NE(event, nullptr);
        EXPECT_EQ(event->type(), c.Type);
        EXPECT_EQ(event->object(), &object);
        EXPECT_EQ(event->child(), c.Child);
    }
    const auto valueOf = [](const TAnnouncement& a) {
        return static_cast<QAccessibleValueChangeEvent&>(*QtAccessibleEvent(a)).value();
    };
    EXPECT_EQ(valueOf(value), QVariant(2.5));
    EXPECT_EQ(valueOf(integral), QVariant(7));
    EXPECT_EQ(valueOf(integral).typeId(), QMetaType::Int);
    EXPECT_EQ(valueOf(text), QVariant(QStringLiteral("5\u00a0%")));
    const auto e = QtAccessibleEvent(update);
    const auto& u = static_cast<QAccessibleTextUpdateEvent&>(*e);
    EXPECT_EQ(u.changePosition(), 2);
    EXPECT_EQ(u.textRemoved(), QStringLiteral("ab"));
    EXPECT_EQ(u.textInserted(), QStringLiteral("äbc"));
    const auto s = QtAccessibleEvent(selection);
    EXPECT_EQ(static_cast<QAccessibleTextSelectionEvent&>(*s).selectionStart(), 1);
    EXPECT_EQ(static_cast<QAccessibleTextSelectionEvent&>(*s).selectionEnd(), 3);
}

// An announcement without an object is no event: nothing to tell about.
TEST(QtAnnouncement, NoObjectNoEvent)
{
    EXPECT_EQ(QtAccessibleEvent(TAnnouncement{}), nullptr);
}

// A value change goes through the installed platform as one announcement.
TEST(QtAnnouncement, ValueChangesGoThroughThePlatform)
{
    TTestPlatform platform;
    std::vector<TAnnouncement> heard;
    platform.OnAnnounce = [&](const TAnnouncement& a) { heard.push_back(a); };
    QObject object;
    AnnounceValueChange(AccessObject(&object), 42);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].Change, acValueChange);
    EXPECT_EQ(QtObject(heard[0].Object), &object);
    EXPECT_EQ(std::get<int>(heard[0].Value), 42);
}

} // namespace
