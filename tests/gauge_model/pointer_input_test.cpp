// Mouse movement over the gauge, and how its face reaches the screen.
#include "gauge_on_window.h"
#include "meter_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

using namespace Kepler;

namespace {

void MoveMouse(TMeter& m, QPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(m.mapToGlobal(p)), Qt::NoButton, buttons, keys);
    QApplication::sendEvent(&m, &move);
}

TEST(MouseMoveTest, ReportsTheValueUnderThePointer)
{
    GaugeOnWindow w;
    TMeter* m = w.gauge; // R 193, centre (148, 201), 0..1 over 90 degrees

    std::vector<std::string> order;
    bool within = false;
    TShiftState shift = 0;
    double value = -1;
    m->OnMouseMove = [&](QObject*, TShiftState, int, int) { order.push_back("move"); };
    m->OnMouseMoveInMeter = [&](QObject* sender, bool w, TShiftState s, double v) {
        order.push_back(sender == m ? "meter" : "foreign sender");
        within = w;
        shift = s;
        value = v;
    };

    const int paints = PaintCount(*m);
    MoveMouse(*m, QPoint(148, 100), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(order, (std::vector<std::string>{"move", "meter"}));
    EXPECT_TRUE(within);
    EXPECT_EQ(shift, ssShift | ssLeft);
    EXPECT_DOUBLE_EQ(value, 0.5);

    // Out of the sector the event still fires, with 0.
    MoveMouse(*m, QPoint(10, 201), Qt::NoButton, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(within);
    EXPECT_EQ(shift, ssCtrl | ssAlt);
    EXPECT_EQ(value, 0);

    // On the minimum's ray.
    MoveMouse(*m, QPoint(48, 101), Qt::NoButton, Qt::NoModifier);
    EXPECT_TRUE(within);
    EXPECT_NEAR(value, 0, 1e-12);
    EXPECT_EQ(PaintCount(*m), paints);
}

TEST(FaceDisplayTest, SetterComposesOnceAndToolkitRequestsComposeAgain)
{
    GaugeOnWindow w;
    TMeter* m = w.gauge;

    int before = PaintCount(*m);
    m->SetValue(0.5);
    EXPECT_EQ(PaintCount(*m) - before, 1);
    m->repaint(); // shows what the setter composed
    EXPECT_EQ(PaintCount(*m) - before, 1);
    EXPECT_EQ(m->Face().Width(), 297);
    EXPECT_EQ(m->Face().Height(), 209);

    before = PaintCount(*m);
    m->repaint(); // a paint the toolkit asks for
    EXPECT_EQ(PaintCount(*m) - before, 1);
}

// A face a setter has composed but not yet shown is stale once the label
// font or the geometry changes; the next paint request composes again.
TEST(FaceDisplayTest, FontOrGeometryChangeAfterASetterComposesAgain)
{
    GaugeOnWindow w;
    TMeter* m = w.gauge;

    m->SetValue(0.5);
    TFont font;
    font.SetHeight(-20);
    m->SetFont(font);
    int before = PaintCount(*m);
    m->repaint();
    EXPECT_EQ(PaintCount(*m) - before, 1);

    m->SetBounds(0, 0, 297, 209);
    QApplication::processEvents();
    m->SetRimTop(20); // composed with the old radius
    m->SetLeft(5);    // the radius follows the new rim
    ASSERT_EQ(m->ScaleRadius(), 163);
    before = PaintCount(*m);
    m->repaint();
    EXPECT_EQ(PaintCount(*m) - before, 1);
}

// With no room for a dial nothing is drawn: the window shows through where
// the gauge's earlier face was.
TEST(FaceDisplayTest, GaugeTooSmallForADialShowsNoFace)
{
    GaugeOnWindow w;
    TMeter* m = w.gauge;
    m->SetColorCover(clRed);
    ASSERT_FALSE(m->Face().Empty());

    m->SetBounds(0, 0, 40, 30);
    ASSERT_LE(m->ScaleRadius(), 0);
    const QImage shot = w.window.grab().toImage();
    const QRgb background = shot.pixel(350, 250);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(shot.pixel(x, y), background) << x << "," << y;
}

} // namespace
