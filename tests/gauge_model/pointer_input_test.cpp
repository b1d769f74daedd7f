// Mouse movement over the gauge, and how its face reaches the screen.
#include "meter_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

namespace {

void MoveMouse(TMeter& m, QPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(m.mapToGlobal(p)), Qt::NoButton, buttons, keys);
    QApplication::sendEvent(&m, &move);
}

TEST(MouseMoveTest, ReportsTheValueUnderThePointer)
{
    QWidget window;
    window.resize(400, 300);
    auto* m = new TMeter(&window); // R 193, centre (148, 201), 0..1 over 90 degrees
    window.show();
    QApplication::processEvents();

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

    const int paints = m->PaintCount();
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
    EXPECT_EQ(m->PaintCount(), paints);
}

TEST(FaceDisplayTest, SetterComposesOnceAndToolkitRequestsComposeAgain)
{
    QWidget window;
    window.resize(400, 300);
    auto* m = new TMeter(&window);
    window.show();
    QApplication::processEvents();

    int before = m->PaintCount();
    m->SetValue(0.5);
    EXPECT_EQ(m->PaintCount() - before, 1);
    m->repaint(); // shows what the setter composed
    EXPECT_EQ(m->PaintCount() - before, 1);
    EXPECT_EQ(m->Face().Width(), 297);
    EXPECT_EQ(m->Face().Height(), 209);

    before = m->PaintCount();
    m->repaint(); // a paint the toolkit asks for
    EXPECT_EQ(m->PaintCount() - before, 1);
}

} // namespace
