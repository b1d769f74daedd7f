// A handler of the gauge that raises an error, whatever event it handles,
// does not end the program: the error box shows the message once the event
// has been handled, and the gauge goes on showing its value.
#include "gauge_on_window.h"
#include "paint_count.h"
#include "failing_handler.h"
#include "test_platform.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

using namespace Kepler;

namespace {

struct TGaugeErrorCase {
    const char* Event;
    void (*Arm)(TMeter& gauge);
    void (*Act)(TMeter& gauge);
};

void PrintTo(const TGaugeErrorCase& c, std::ostream* os)
{
    *os << c.Event;
}

const TGaugeErrorCase Cases[] = {
    {"Paint", [](TMeter& g) { g.OnMeterRendered = [](QObject*, TCanvas&) { Fail(); }; },
     [](TMeter& g) { g.repaint(); }},
    {"NeedlePaint", [](TMeter& g) { g.OnBeforeDrawNeedle = [](QObject*, TCanvas&, bool&) { Fail(); }; },
     [](TMeter& g) { g.repaint(); }},
    {"Click", [](TMeter& g) { g.OnClick = [](QObject*) { Fail(); }; },
     [](TMeter& g) { QTest::mouseClick(&g, Qt::LeftButton, {}, QPoint(148, 100)); }},
    {"MouseDown",
     [](TMeter& g) { g.OnMouseDown = [](QObject*, TMouseButton, TShiftState, int, int) { Fail(); }; },
     [](TMeter& g) { QTest::mouseClick(&g, Qt::LeftButton, {}, QPoint(148, 100)); }},
    {"MouseMoveInMeter",
     [](TMeter& g) { g.OnMouseMoveInMeter = [](QObject*, bool, TShiftState, double) { Fail(); }; },
     [](TMeter& g) { QTest::mouseMove(&g, QPoint(140, 90)); }},
};

class GaugeErrorTest : public ::testing::TestWithParam<TGaugeErrorCase> {};

TEST_P(GaugeErrorTest, TheErrorIsShownAndTheGaugeGoesOn)
{
    TTestPlatform platform;
    QStringList shown;
    platform.OnShowError = [&](const QString& message) { shown.append(message); };
    GaugeOnWindow w;
    TMeter& g = *w.gauge;
    g.setMouseTracking(true);
    GetParam().Arm(g);

    GetParam().Act(g);
    EXPECT_TRUE(shown.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringList{ShownHandlerFailure});

    g.OnMeterRendered = nullptr;
    g.OnBeforeDrawNeedle = nullptr;
    g.OnClick = nullptr;
    g.OnMouseDown = nullptr;
    g.OnMouseMoveInMeter = nullptr;
    // A new value reaches the screen: a composed face and a paint event.
    const int before = PaintCount(g);
    g.SetValue(0.5);
    EXPECT_EQ(PaintCount(g), before + 1);
    struct TPaintEvents : QObject {
        int Count = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Count += e->type() == QEvent::Paint;
            return false;
        }
    } paints;
    g.installEventFilter(&paints);
    g.SetValue(0.25);
    QCoreApplication::processEvents();
    EXPECT_GE(paints.Count, 1);
    g.removeEventFilter(&paints);
    EXPECT_EQ(g.Value(), 0.25);
    EXPECT_EQ(shown.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfEvent, GaugeErrorTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.Event); });

} // namespace
