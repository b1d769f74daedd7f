// The main window's gauge loaded from its description.
#include "main_window_gauge.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

using namespace Kepler;

namespace {

// Its size is applied while the rims still hold the constructor's values,
// so the geometry reflects those until the next SetBounds.
TEST(MainWindowGaugeTest, GeometryDatesFromTheSizeNotFromTheRims)
{
    QWidget window;
    window.resize(618, 576);
    auto* m = new TMeter(&window);
    LoadMainWindowGauge(*m);

    auto expectGeometry = [&](double r, int cx, int cy) {
        EXPECT_EQ(m->MeterAngle(), 90);
        EXPECT_DOUBLE_EQ(m->ScaleRadius(), r);
        EXPECT_EQ(m->OriginX(), cx);
        EXPECT_EQ(m->OriginY(), cy);
    };
    EXPECT_EQ(m->geometry(), QRect(494, 128, 105, 87));
    EXPECT_EQ(m->RimTop(), 3);
    expectGeometry(48.783, 52, 69);
    EXPECT_EQ(m->Value(), 0);

    // Showing the window delivers the late move and resize events.
    window.show();
    QApplication::processEvents();
    expectGeometry(48.783, 52, 69);

    m->SetBounds(494, 128, 105, 87);
    expectGeometry(58.681, 52, 76);
}

TEST(MainWindowGaugeTest, ValuesClassifyAgainstItsThresholds)
{
    TMeter m;
    LoadMainWindowGauge(m);
    RangeEventLog log(m);
    m.SetValue(1);
    m.SetValue(0);
    m.SetValue(-1);
    EXPECT_EQ(log.Joined(), "over,normal,under");
    EXPECT_EQ(PaintCount(m) - log.paintsBefore, 3);
}

} // namespace
