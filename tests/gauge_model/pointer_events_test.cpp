// Clicks, double clicks and mouse presses, releases and moves on the gauge.
#include "control_event_log.h"
#include "gauge_on_window.h"
#include "meter_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

struct Step {
    QEvent::Type Type;
    Qt::MouseButton Button;
    QPoint Pos;
    Qt::KeyboardModifiers Keys = Qt::NoModifier;
};

using PointerLog = ControlEventLog<TMeter>;

// Sends one mouse message; the buttons held afterwards follow from its kind.
bool Send(TMeter& m, const Step& s)
{
    const bool pressing = s.Type == QEvent::MouseButtonPress || s.Type == QEvent::MouseButtonDblClick;
    const Qt::MouseButtons held = pressing ? Qt::MouseButtons(s.Button) : Qt::MouseButtons(Qt::NoButton);
    QMouseEvent e(s.Type, QPointF(s.Pos), QPointF(m.mapToGlobal(s.Pos)), s.Button, held, s.Keys);
    QApplication::sendEvent(&m, &e);
    return e.isAccepted();
}

struct Case {
    const char* Name;
    std::vector<Step> Steps;
    std::vector<std::string> Expected;
};

TEST(PointerEventsTest, EachEventFiresOnceWithItsArguments)
{
    const QEvent::Type press = QEvent::MouseButtonPress;
    const QEvent::Type release = QEvent::MouseButtonRelease;
    const QEvent::Type dbl = QEvent::MouseButtonDblClick;
    const QEvent::Type move = QEvent::MouseMove;
    // Buttons: 0 left, 1 right, 2 middle. Shift: 1 Shift, 2 Alt, 4 Ctrl,
    // 8 left, 16 right, 32 middle, 64 double.
    const Case cases[] = {
        {"left click", {{press, Qt::LeftButton, {50, 60}}, {release, Qt::LeftButton, {51, 61}}},
         {"down 0 8 50 60", "click", "up 0 0 51 61"}},
        {"left released off the gauge",
         {{press, Qt::LeftButton, {50, 60}}, {release, Qt::LeftButton, {297, 60}}},
         {"down 0 8 50 60", "up 0 0 297 60"}},
        {"left released above it", {{press, Qt::LeftButton, {0, 0}}, {release, Qt::LeftButton, {0, -1}}},
         {"down 0 8 0 0", "up 0 0 0 -1"}},
        {"left released on the last pixel",
         {{press, Qt::LeftButton, {5, 5}}, {release, Qt::LeftButton, {296, 208}}},
         {"down 0 8 5 5", "click", "up 0 0 296 208"}},
        {"right click", {{press, Qt::RightButton, {10, 20}}, {release, Qt::RightButton, {10, 20}}},
         {"down 1 16 10 20", "up 1 0 10 20"}},
        {"middle click with Ctrl and Shift",
         {{press, Qt::MiddleButton, {7, 8}, Qt::ControlModifier | Qt::ShiftModifier},
          {release, Qt::MiddleButton, {7, 8}, Qt::ControlModifier | Qt::ShiftModifier}},
         {"down 2 37 7 8", "up 2 5 7 8"}},
        {"double click",
         {{press, Qt::LeftButton, {30, 40}},
          {release, Qt::LeftButton, {30, 40}},
          {dbl, Qt::LeftButton, {30, 40}},
          {release, Qt::LeftButton, {30, 40}}},
         {"down 0 8 30 40", "click", "up 0 0 30 40", "dblclick", "down 0 72 30 40", "up 0 0 30 40"}},
        {"right double click",
         {{press, Qt::RightButton, {30, 40}},
          {release, Qt::RightButton, {30, 40}},
          {dbl, Qt::RightButton, {30, 40}},
          {release, Qt::RightButton, {30, 40}}},
         {"down 1 16 30 40", "up 1 0 30 40", "down 1 80 30 40", "up 1 0 30 40"}},
        {"move with Alt", {{move, Qt::NoButton, {100, 90}, Qt::AltModifier}}, {"move 2 100 90"}},
        {"a back button is no event", {{press, Qt::BackButton, {5, 5}}, {release, Qt::BackButton, {5, 5}}}, {}},
    };

    GaugeOnWindow w;
    TMeter* m = w.gauge; // 297 by 209

    for (const Case& c : cases) {
        PointerLog log(*m);
        for (const Step& s : c.Steps)
            Send(*m, s);
        EXPECT_EQ(log.entries, c.Expected) << c.Name;
    }
}

TEST(PointerEventsTest, AClickNeedsThePressOnTheGauge)
{
    GaugeOnWindow w;
    TMeter* m = w.gauge;
    PointerLog log(*m);

    // A release alone, and a release after a right press, make no click.
    Send(*m, {QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5}});
    Send(*m, {QEvent::MouseButtonPress, Qt::RightButton, {5, 5}});
    Send(*m, {QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5}});
    EXPECT_EQ(log.entries, (std::vector<std::string>{"up 0 0 5 5", "down 1 16 5 5", "up 0 0 5 5"}));
}

TEST(PointerEventsTest, TheGaugeKeepsItsPressesAndNeverRepaintsForThem)
{
    GaugeOnWindow w;
    TMeter* m = w.gauge;
    const int paints = PaintCount(*m);

    // Accepted, so the release comes back to the gauge and not to the window.
    EXPECT_TRUE(Send(*m, {QEvent::MouseButtonPress, Qt::LeftButton, {5, 5}}));
    EXPECT_TRUE(Send(*m, {QEvent::MouseButtonRelease, Qt::LeftButton, {5, 5}}));
    EXPECT_EQ(PaintCount(*m), paints);
}

} // namespace
