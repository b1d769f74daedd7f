#include "KeplerControls/spin_button.h"
#include "spin_fixture.h"
#include "show_exception.h"
#include "timer.h"
#include "timer_speed_button.h"

#include <stdexcept>

using namespace Kepler;

namespace {

// Timeline of one hold on the up half: what the pointer does when.
enum Action { Press, Release, ReleaseOff, MoveOff, MoveOn, DoubleClick };
struct Step {
    int AtMs;
    Action What;
};
struct RepeatCase {
    const char* Name;
    std::vector<Step> Steps;
    int ExpectedSteps;
};

} // namespace

class RepeatTest : public SpinFixture {
protected:
    void Run(const RepeatCase& c)
    {
        TTimerSpeedButton* up = Spin->Button()->UpButton();
        const QPoint on(3, 3);
        const QPoint off(up->width() + 10, 3);
        Spin->SetValue(0);
        int now = 0;
        for (const Step& s : c.Steps) {
            TestPlatform.AdvanceTimers(s.AtMs - now);
            now = s.AtMs;
            switch (s.What) {
            case Press: QTest::mousePress(up, Qt::LeftButton, {}, on); break;
            case Release: QTest::mouseRelease(up, Qt::LeftButton, {}, on); break;
            case MoveOff: QTest::mouseMove(up, off); break;
            case MoveOn: QTest::mouseMove(up, on); break;
            case ReleaseOff: QTest::mouseRelease(up, Qt::LeftButton, {}, off); break;
            case DoubleClick: // press, release, second press as a double click, release
                QTest::mouseClick(up, Qt::LeftButton, {}, on);
                QTest::mouseDClick(up, Qt::LeftButton, {}, on);
                QTest::mouseRelease(up, Qt::LeftButton, {}, on);
                break;
            }
        }
        EXPECT_EQ(Spin->Value(), c.ExpectedSteps) << c.Name;
        EXPECT_FALSE(up->RepeatTimer() && up->RepeatTimer()->Enabled()) << c.Name;
    }
};

TEST_F(RepeatTest, StepsWhileHeldOnTheHalf)
{
    const RepeatCase cases[] = {
        {"click", {{0, Press}, {150, Release}}, 1},
        {"click just before the first repeat", {{0, Press}, {399, Release}}, 1},
        {"double click", {{0, DoubleClick}}, 2},
        {"hold 1050 ms", {{0, Press}, {1050, Release}}, 8},
        // On at 400; off from 450 to 750 skips 500..700; on again 800, 900.
        {"drag off and back", {{0, Press}, {450, MoveOff}, {750, MoveOn}, {950, Release}}, 4},
        {"release off the half", {{0, Press}, {450, MoveOff}, {950, ReleaseOff}}, 1},
    };
    for (const RepeatCase& c : cases)
        Run(c);
}

TEST_F(RepeatTest, TimerIsCreatedOnFirstPressAndArmedPerPress)
{
    TTimerSpeedButton* down = Spin->Button()->DownButton();
    EXPECT_EQ(down->RepeatTimer(), nullptr);
    QTest::mousePress(down, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_NE(down->RepeatTimer(), nullptr);
    EXPECT_TRUE(down->RepeatTimer()->Enabled());
    EXPECT_EQ(down->RepeatTimer()->Interval(), 400);
    TestPlatform.AdvanceTimers(400);
    EXPECT_EQ(down->RepeatTimer()->Interval(), 100);
    QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(down->RepeatTimer()->Enabled());
    EXPECT_EQ(Spin->Text(), "-2");
    QTest::mousePress(down, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(down->RepeatTimer()->Interval(), 400);
    QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(3, 3));
}

TEST_F(RepeatTest, RightButtonArmsTheTimerButNeverSteps)
{
    TTimerSpeedButton* up = Spin->Button()->UpButton();
    QTest::mousePress(up, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_TRUE(up->RepeatTimer()->Enabled());
    TestPlatform.AdvanceTimers(1000);
    QTest::mouseRelease(up, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(Spin->Text(), "0");
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
}

TEST_F(RepeatTest, AnErrorInARepeatedStepStopsTheTimerAndPropagates)
{
    TTimerSpeedButton* up = Spin->Button()->UpButton();
    QStringList reached;
    TestPlatform.OnShowError = [&](const QString& message) { reached.append(message); };
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(3, 3));
    Spin->OnChange = [](QObject*) { throw std::runtime_error("step failed"); };
    TestPlatform.AdvanceTimers(400);
    // Out of the tick and into the message loop's error handling.
    EXPECT_TRUE(reached.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(reached, QStringList{"step failed."});
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(Spin->Text(), "1"); // what the step wrote stays
    Spin->OnChange = nullptr;
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(30, 3));
}

// A repeated step that fails in the message loop: the timer stops first,
// then the user sees the error, and the spin box goes on working.
TEST_F(RepeatTest, AnErrorInARepeatedStepIsShownAndTheSpinBoxGoesOn)
{
    TTimerSpeedButton* up = Spin->Button()->UpButton();
    QStringList shown;
    bool timerStoppedWhenShown = false;
    TestPlatform.OnShowError = [&](const QString& message) {
        shown.append(message);
        timerStoppedWhenShown = !up->RepeatTimer()->Enabled();
    };
    Spin->SetValue(0);
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(3, 3));
    Spin->OnChange = [](QObject*) { throw std::runtime_error("Schritt fehlgeschlagen"); };
    TestPlatform.AdvanceTimers(400);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringList{"Schritt fehlgeschlagen."});
    EXPECT_TRUE(timerStoppedWhenShown);
    TestPlatform.AdvanceTimers(1000); // no more ticks
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(Spin->Text(), "1"); // what the step wrote stays
    Spin->OnChange = nullptr;
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(30, 3));

    // Clicks and holds step as before.
    QTest::mouseClick(up, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Spin->Text(), "2");
    QTest::mousePress(up, Qt::LeftButton, {}, QPoint(3, 3));
    TestPlatform.AdvanceTimers(500);
    QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Spin->Text(), "5");
    EXPECT_EQ(shown.size(), 1);
    TestPlatform.OnShowError = {};
}
