// Every On... event of the three controls has a Qt signal of the same name.
#include "KeplerControls/meter.h"
#include "KeplerControls/spin_button.h"
#include "KeplerControls/spin_edit.h"

#include <QMetaObject>
#include <QSignalSpy>
#include <gtest/gtest.h>

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
