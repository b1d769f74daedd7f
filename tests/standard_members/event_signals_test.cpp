// Every On... event of the three controls has a Qt signal of the same name.
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_button.h"
#include "KeplerControls/spin_edit.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <iterator>

using namespace Kepler;

namespace {

struct SignalCase {
    const QMetaObject* meta;
    const char* signature;
};

void PrintTo(const SignalCase& c, std::ostream* os)
{
    *os << c.meta->className() << "::" << c.signature;
}

const SignalCase kSignalCases[] = {
    {&TMeter::staticMetaObject, "DragDrop(QObject*,int,int)"},
    {&TMeter::staticMetaObject, "DragOver(QObject*,int,int,Kepler::TDragState,bool&)"},
    {&TMeter::staticMetaObject, "EndDrag(QObject*,int,int)"},
    {&TMeter::staticMetaObject, "StartDrag()"},
    {&TMeter::staticMetaObject, "EndDock(QObject*,int,int)"},
    {&TMeter::staticMetaObject, "StartDock()"},
    {&TSpinEdit::staticMetaObject, "DragDrop(QObject*,int,int)"},
    {&TSpinEdit::staticMetaObject, "DragOver(QObject*,int,int,Kepler::TDragState,bool&)"},
    {&TSpinEdit::staticMetaObject, "EndDrag(QObject*,int,int)"},
    {&TSpinEdit::staticMetaObject, "StartDrag()"},
    {&TSpinEdit::staticMetaObject, "EndDock(QObject*,int,int)"},
    {&TSpinEdit::staticMetaObject, "StartDock()"},
    {&TSpinButton::staticMetaObject, "Enter()"},
    {&TSpinButton::staticMetaObject, "Exit()"},
    {&TSpinButton::staticMetaObject, "EndDock(QObject*,int,int)"},
    {&TSpinButton::staticMetaObject, "StartDock()"},
    {&TSpinButton::staticMetaObject, "EndDrag(QObject*,int,int)"},
    {&TSpinButton::staticMetaObject, "StartDrag()"},
};

class EventSignalTest : public ::testing::TestWithParam<SignalCase> {};

TEST_P(EventSignalTest, SignalIsInTheMetaObject)
{
    const SignalCase& c = GetParam();
    EXPECT_GE(c.meta->indexOfSignal(QMetaObject::normalizedSignature(c.signature)), 0);
}

INSTANTIATE_TEST_SUITE_P(Events, EventSignalTest, ::testing::ValuesIn(kSignalCases));

// Every published On... event of the three controls, 41 in all: each has a
// signal named as the event without "On".
struct EventCase {
    const QMetaObject* meta;
    const char* event;
};

void PrintTo(const EventCase& c, std::ostream* os)
{
    *os << c.meta->className() << "::" << c.event;
}

const EventCase kEventCases[] = {
    {&TMeter::staticMetaObject, "OnOverFlow"},
    {&TMeter::staticMetaObject, "OnNormalRange"},
    {&TMeter::staticMetaObject, "OnUnderFlow"},
    {&TMeter::staticMetaObject, "OnMouseMoveInMeter"},
    {&TMeter::staticMetaObject, "OnBeforeDrawScaleLabel"},
    {&TMeter::staticMetaObject, "OnBeforeDrawNeedle"},
    {&TMeter::staticMetaObject, "OnMeterRendered"},
    {&TMeter::staticMetaObject, "OnClick"},
    {&TMeter::staticMetaObject, "OnDblClick"},
    {&TMeter::staticMetaObject, "OnDragDrop"},
    {&TMeter::staticMetaObject, "OnDragOver"},
    {&TMeter::staticMetaObject, "OnEndDrag"},
    {&TMeter::staticMetaObject, "OnMouseMove"},
    {&TMeter::staticMetaObject, "OnMouseDown"},
    {&TMeter::staticMetaObject, "OnMouseUp"},
    {&TMeter::staticMetaObject, "OnStartDrag"},
    {&TSpinEdit::staticMetaObject, "OnChange"},
    {&TSpinEdit::staticMetaObject, "OnClick"},
    {&TSpinEdit::staticMetaObject, "OnDblClick"},
    {&TSpinEdit::staticMetaObject, "OnDragDrop"},
    {&TSpinEdit::staticMetaObject, "OnDragOver"},
    {&TSpinEdit::staticMetaObject, "OnEndDrag"},
    {&TSpinEdit::staticMetaObject, "OnEnter"},
    {&TSpinEdit::staticMetaObject, "OnExit"},
    {&TSpinEdit::staticMetaObject, "OnKeyDown"},
    {&TSpinEdit::staticMetaObject, "OnKeyPress"},
    {&TSpinEdit::staticMetaObject, "OnKeyUp"},
    {&TSpinEdit::staticMetaObject, "OnMouseDown"},
    {&TSpinEdit::staticMetaObject, "OnMouseMove"},
    {&TSpinEdit::staticMetaObject, "OnMouseUp"},
    {&TSpinEdit::staticMetaObject, "OnStartDrag"},
    {&TSpinButton::staticMetaObject, "OnUpClick"},
    {&TSpinButton::staticMetaObject, "OnDownClick"},
    {&TSpinButton::staticMetaObject, "OnDragDrop"},
    {&TSpinButton::staticMetaObject, "OnDragOver"},
    {&TSpinButton::staticMetaObject, "OnEndDock"},
    {&TSpinButton::staticMetaObject, "OnEndDrag"},
    {&TSpinButton::staticMetaObject, "OnEnter"},
    {&TSpinButton::staticMetaObject, "OnExit"},
    {&TSpinButton::staticMetaObject, "OnStartDock"},
    {&TSpinButton::staticMetaObject, "OnStartDrag"},
};
static_assert(std::size(kEventCases) == 41);

class EveryEventSignalTest : public ::testing::TestWithParam<EventCase> {};

TEST_P(EveryEventSignalTest, EventHasASignalOfItsName)
{
    const EventCase& c = GetParam();
    const QByteArray name = QByteArray(c.event).mid(2);
    bool found = false;
    for (int i = 0; i < c.meta->methodCount(); ++i) {
        const QMetaMethod m = c.meta->method(i);
        found = found || (m.methodType() == QMetaMethod::Signal && m.name() == name);
    }
    EXPECT_TRUE(found) << name.constData();
}

INSTANTIATE_TEST_SUITE_P(Events, EveryEventSignalTest, ::testing::ValuesIn(kEventCases));

TEST(EventSignalFiring, StartAndEndOfADragAndADockFireWithTheirEvents)
{
    for (const TDragKind kind : {dkDrag, dkDock}) {
        TMeter m;
        m.show();
        m.SetDragKind(kind);
        const bool dock = kind == dkDock;
        QSignalSpy started(&m, dock ? &TMeter::StartDock : &TMeter::StartDrag);
        QSignalSpy ended(&m, dock ? &TMeter::EndDock
                                  : static_cast<void (TMeter::*)(QObject*, int, int)>(&TMeter::EndDrag));
        int handlers = 0;
        m.OnStartDrag = m.OnStartDock = [&](QObject*) { ++handlers; };
        m.OnEndDrag = m.OnEndDock = [&](QObject*, QObject*, int, int) { ++handlers; };
        m.BeginDrag(true);
        m.EndDrag(false);
        EXPECT_EQ(started.count(), 1) << kind;
        EXPECT_EQ(ended.count(), 1) << kind;
        EXPECT_EQ(handlers, 2) << kind;
    }
}

} // namespace
