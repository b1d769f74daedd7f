// Qt's pointer messages in the controls' terms, click tracking, and the
// speed button that uses both.
#include "KeplerControls/mouse_input.h"
#include "speed_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

using namespace Kepler;

namespace {

void Send(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::LeftButton,
          Qt::MouseButtons held = Qt::NoButton, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QMouseEvent e(type, QPointF(p), QPointF(w.mapToGlobal(p)), button, held, keys);
    QApplication::sendEvent(&w, &e);
}

TEST(MouseMessage, TranslatesButtonKeysDoubleAndPosition)
{
    const QPointF at(7, 9);
    const QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::RightButton, Qt::RightButton | Qt::LeftButton,
                            Qt::ShiftModifier | Qt::ControlModifier);
    const TMouseMessage m = MouseMessage(press, QPoint(2, 2));
    ASSERT_TRUE(m.Button);
    EXPECT_EQ(*m.Button, mbRight);
    EXPECT_EQ(m.Shift, ssShift | ssCtrl | ssLeft | ssRight);
    EXPECT_EQ(m.X, 5);
    EXPECT_EQ(m.Y, 7);

    const QMouseEvent second(QEvent::MouseButtonDblClick, at, at, Qt::MiddleButton, Qt::MiddleButton, Qt::AltModifier);
    const TMouseMessage d = MouseMessage(second);
    EXPECT_EQ(*d.Button, mbMiddle);
    EXPECT_EQ(d.Shift, ssAlt | ssMiddle | ssDouble);
    EXPECT_EQ(d.X, 7);

    const QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    EXPECT_FALSE(MouseMessage(move).Button);
    const QMouseEvent back(QEvent::MouseButtonPress, at, at, Qt::BackButton, Qt::BackButton, Qt::NoModifier);
    EXPECT_FALSE(MouseMessage(back).Button);
}

TEST(ClickTracker, LeftPressThenLeftReleaseOverTheControl)
{
    struct Case {
        const char* Name;
        TMouseButton Pressed, Released;
        bool Over, Click;
    };
    const Case cases[] = {
        {"left over", mbLeft, mbLeft, true, true},
        {"left off", mbLeft, mbLeft, false, false},
        {"right press", mbRight, mbLeft, true, false},
        {"right release", mbLeft, mbRight, true, false},
    };
    for (const Case& c : cases) {
        TClickTracker t;
        t.Press(c.Pressed);
        EXPECT_EQ(t.Release(c.Released, c.Over), c.Click) << c.Name;
    }
    TClickTracker t;
    t.Press(mbLeft);
    EXPECT_TRUE(t.Armed());
    EXPECT_TRUE(t.Release(mbLeft, true));
    EXPECT_FALSE(t.Release(mbLeft, true)) << "one press, one click";
    t.Press(mbLeft);
    t.Cancel();
    EXPECT_FALSE(t.Release(mbLeft, true));
}

// While the pointer is held, the button is down from column 0 to width - 1
// and from row 0 to height: the row just below the face still counts.
TEST(SpeedButton, InsideIncludesTheRowBelowTheFace)
{
    struct Case {
        QPoint At;
        bool Inside;
    };
    const Case cases[] = {
        {{0, 0}, true},  {{14, 7}, true},   {{14, 8}, true}, {{0, 8}, true},
        {{4, 9}, false}, {{15, 4}, false}, {{-1, 4}, false}, {{4, -1}, false},
    };
    TSpeedButton button;
    button.resize(15, 8);
    int clicks = 0;
    button.OnClick = [&](QObject*) { ++clicks; };
    for (const Case& c : cases) {
        const int before = clicks;
        Send(button, QEvent::MouseButtonPress, QPoint(3, 3));
        ASSERT_EQ(button.State(), bsDown);
        Send(button, QEvent::MouseMove, c.At, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(button.State(), c.Inside ? bsDown : bsUp) << c.At.x() << "," << c.At.y();
        Send(button, QEvent::MouseButtonRelease, c.At);
        EXPECT_EQ(button.State(), bsUp);
        EXPECT_EQ(clicks - before, c.Inside ? 1 : 0) << c.At.x() << "," << c.At.y();
    }
}

} // namespace
