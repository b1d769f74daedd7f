// A handler that raises an error, whatever event it handles, does not end
// the program: the error box shows the message once the event has been
// handled, and the spin box goes on working.
#include "failing_handler.h"
#include "KeplerControls/spin_button.h"
#include "spin_fixture.h"
#include "timer_speed_button.h"

#include <QMouseEvent>
#include <ostream>

using namespace Kepler;

namespace {

struct THandlerErrorCase {
    const char* Event;
    // Gives the spin box a handler that fails; the handler is cleared again
    // before the test goes on.
    void (*Arm)(TSpinEdit& spin);
    // What the user does.
    void (*Act)(TSpinEdit& spin, TTestPlatform& platform);
};

void PrintTo(const THandlerErrorCase& c, std::ostream* os)
{
    *os << c.Event;
}

TTimerSpeedButton* Up(TSpinEdit& spin)
{
    return spin.Button()->UpButton();
}

const THandlerErrorCase Cases[] = {
    {"Click", [](TSpinEdit& s) { s.OnClick = [](QObject*) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(5, 5)); }},
    {"DblClick", [](TSpinEdit& s) { s.OnDblClick = [](QObject*) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::mouseDClick(&s, Qt::LeftButton, {}, QPoint(5, 5)); }},
    {"ChangeFromOneClickOnAHalf", [](TSpinEdit& s) { s.OnChange = [](QObject*) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::mouseClick(Up(s), Qt::LeftButton, {}, QPoint(3, 3)); }},
    {"ChangeFromTyping", [](TSpinEdit& s) { s.OnChange = [](QObject*) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::keyClick(&s, Qt::Key_7); }},
    {"ChangeFromARepeatedStep", [](TSpinEdit& s) { s.OnChange = [](QObject*) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform& platform) {
         QTest::mousePress(Up(s), Qt::LeftButton, {}, QPoint(3, 3));
         platform.AdvanceTimers(400);
         QTest::mouseRelease(Up(s), Qt::LeftButton, {}, QPoint(30, 3));
     }},
    {"KeyDown", [](TSpinEdit& s) { s.OnKeyDown = [](QObject*, int&, TShiftState) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::keyClick(&s, Qt::Key_Up); }},
    {"KeyPress", [](TSpinEdit& s) { s.OnKeyPress = [](QObject*, char16_t&) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::keyClick(&s, Qt::Key_5); }},
    {"KeyUp", [](TSpinEdit& s) { s.OnKeyUp = [](QObject*, int&, TShiftState) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::keyClick(&s, Qt::Key_Left); }},
    {"MouseDown", [](TSpinEdit& s) { s.OnMouseDown = [](QObject*, TMouseButton, TShiftState, int, int) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(5, 5)); }},
    {"MouseMove", [](TSpinEdit& s) { s.OnMouseMove = [](QObject*, TShiftState, int, int) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) {
         QMouseEvent move(QEvent::MouseMove, QPointF(6, 6), s.mapToGlobal(QPointF(6, 6)), Qt::NoButton, {}, {});
         QApplication::sendEvent(&s, &move);
     }},
    {"Exit", [](TSpinEdit& s) { s.OnExit = [](QObject*) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { s.clearFocus(); }},
    {"UpClickOfThePair", [](TSpinEdit& s) { s.Button()->OnUpClick = [](QObject*) { Fail(); }; },
     [](TSpinEdit& s, TTestPlatform&) { QTest::mouseClick(Up(s), Qt::LeftButton, {}, QPoint(3, 3)); }},
};

class HandlerErrorTest : public SpinFixture, public ::testing::WithParamInterface<THandlerErrorCase> {};

TEST_P(HandlerErrorTest, TheErrorIsShownAndTheSpinBoxGoesOn)
{
    QStringList shown;
    TestPlatform.OnShowError = [&](const QString& message) { shown.append(message); };
    FocusSpin();
    Spin->SetValue(5);
    const TNotifyEvent stepUp = Spin->Button()->OnUpClick;
    GetParam().Arm(*Spin);

    GetParam().Act(*Spin, TestPlatform);
    // Shown from the message loop, after the event, and only then.
    EXPECT_TRUE(shown.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringList{ShownHandlerFailure});

    Spin->OnClick = nullptr;
    Spin->OnDblClick = nullptr;
    Spin->OnChange = nullptr;
    Spin->OnKeyDown = nullptr;
    Spin->OnKeyPress = nullptr;
    Spin->OnKeyUp = nullptr;
    Spin->OnMouseDown = nullptr;
    Spin->OnMouseMove = nullptr;
    Spin->OnExit = nullptr;
    Spin->Button()->OnUpClick = stepUp;
    FocusSpin();
    Spin->SetValue(5);
    QTest::mouseClick(Up(*Spin), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Spin->Text(), "6");
    QTest::keyClick(Spin, Qt::Key_Up);
    EXPECT_EQ(Spin->Text(), "7");
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 1);
    TestPlatform.OnShowError = {};
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfEvent, HandlerErrorTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.Event); });

// One box at a time: errors that come while one is waiting add none.
TEST_F(SpinFixture, ErrorsWhileABoxIsWaitingAddNoBox)
{
    QStringList shown;
    TestPlatform.OnShowError = [&](const QString& message) { shown.append(message); };
    Spin->OnChange = [](QObject*) { throw 42; };
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Up(*Spin), Qt::LeftButton, {}, QPoint(3, 3));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringList{"Unbekannter Fehler."});
    Spin->OnChange = nullptr;
    EXPECT_EQ(Spin->Text(), "3"); // every step was taken
    // The next error, after the box, has a box of its own.
    Spin->OnChange = [](QObject*) { Fail(); };
    QTest::mouseClick(Up(*Spin), Qt::LeftButton, {}, QPoint(3, 3));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 2);
    Spin->OnChange = nullptr;
    TestPlatform.OnShowError = {};
}

} // namespace
