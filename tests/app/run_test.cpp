// Whole runs through the window, with the date, the tick counter and message
// processing injected; the hook plays the user between cycles.
#include "form_controls.h"
#include "form1.h"
#include "injected_platform.h"
#include "picture_box.h"

#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

using namespace Kepler;

namespace {

constexpr double StartDayNumber = 703812.5; // 8 December 2026

class RunTest : public ::testing::Test {
protected:
    InjectedPlatform Platform;
    TForm1 Form;
    TForm1Controls Controls{Form};

    TColor Pixel(int x, int y) const { return Controls.ImgCanvas->Picture().Pixel(x, y); }

    // Whether the colour appears inside the box and nowhere in a margin of
    // two pixels around it.
    bool MarkOnlyInBox(int left, int top, TColor colour) const
    {
        bool inside = false;
        for (int y = top - 2; y < top + 6; ++y)
            for (int x = left - 2; x < left + 6; ++x) {
                const bool inBox = x >= left && x < left + 4 && y >= top && y < top + 4;
                if (Pixel(x, y) == colour) {
                    if (!inBox)
                        return false;
                    inside = true;
                }
            }
        return inside;
    }
};

TEST_F(RunTest, WholeRunEndsByItselfOnEqualReadouts)
{
    // A run whose readouts never match would go on for ever: stop it.
    Platform.OnProcess = [this](int pass) {
        if (pass == 1000) {
            ADD_FAILURE() << "the run did not end by itself; readouts " << Controls.EdtmA->text().toStdString()
                          << " and " << Controls.EdtwA->text().toStdString();
            Form.BtnStopClick();
        }
    };
    Form.BtnStartClick();

    EXPECT_EQ(Simulation().DayNumber, 703858.5);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Controls.EdtmA->text(), QStringLiteral("-0,1 °"));
    EXPECT_EQ(Controls.EdtwA->text(), QStringLiteral("-0,1 °"));
    EXPECT_EQ(Controls.EdtStart->text(), QStringLiteral("8.12.2026"));
    EXPECT_EQ(Controls.Meter1->Value(), 0.0);
    EXPECT_EQ(RunSimulationDepth(), 0);
    // Delay 0 waits until the counter has moved: one millisecond per cycle.
    EXPECT_EQ(Platform.Tick, 1000u + 46u);
}

TEST_F(RunTest, FirstCycleDrawsAtTheWorkedPixels)
{
    // A mark on the picture's last column, which the run must leave alone.
    Controls.ImgCanvas->Picture().SetPixel(432, 100, clOrange);
    Platform.OnProcess = [this](int) { Form.BtnStopClick(); };
    Form.BtnStartClick();

    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 1);
    EXPECT_TRUE(MarkOnlyInBox(317, 315, clGreen));
    EXPECT_TRUE(MarkOnlyInBox(295, 304, clRed));
    // The fixed marks: the blue horizontal through the centre, the wiped
    // inside and the black frame of the wipe.
    EXPECT_EQ(Pixel(100, 216), clBlue);
    EXPECT_EQ(Pixel(100, 100), clWhite);
    EXPECT_EQ(Pixel(1, 100), clBlack);
    EXPECT_EQ(Pixel(431, 100), clBlack);
    EXPECT_EQ(Pixel(432, 100), clOrange); // untouched edge
}

TEST_F(RunTest, NextStartContinuesFromWhereTheRunStopped)
{
    Form.BtnStartClick();
    ASSERT_EQ(Simulation().DayNumber, 703858.5);

    double dayOfFirstCycle = 0;
    Platform.OnProcess = [&](int) {
        if (dayOfFirstCycle == 0)
            dayOfFirstCycle = Simulation().DayNumber;
        Form.BtnStopClick();
    };
    Form.BtnStartClick();

    EXPECT_EQ(dayOfFirstCycle, 703858.5);
    EXPECT_EQ(Simulation().DayNumber, 703859.5);
    EXPECT_EQ(Controls.EdtStart->text(), QStringLiteral("8.12.2026"));
}

TEST_F(RunTest, StopBeforeAnyStartChangesNothingVisible)
{
    const QImage before = Controls.ImgCanvas->Picture().Image().copy();
    Form.BtnStopClick();

    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber);
    EXPECT_EQ(Controls.EdtmA->text(), QStringLiteral("0°"));
    EXPECT_EQ(Controls.EdtStart->text(), QStringLiteral("Startdatum"));
    EXPECT_TRUE(Controls.ImgCanvas->Picture().Image() == before);

    Platform.OnProcess = [this](int pass) {
        if (pass == 1) {
            EXPECT_EQ(Simulation().RunState, RunStateRunning);
            Form.BtnStopClick();
        }
    };
    Form.BtnStartClick();
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 1);
}

TEST_F(RunTest, StepChangedDuringACycleIsUsedAtItsEnd)
{
    Platform.OnProcess = [this](int pass) {
        if (pass == 1) {
            Controls.SpinEdit1->SetValue(30);
            Form.BtnStopClick();
        }
    };
    Form.BtnStartClick();

    EXPECT_EQ(Simulation().StepDays, 30.0);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 30);
}

TEST_F(RunTest, DelayIsReadFreshForEveryCycle)
{
    Platform.OnProcess = [&](int pass) {
        // Moved during the first cycle's wait, after that wait read its delay.
        if (pass == 1)
            Controls.ScrollBarV->setValue(500);
        if (Platform.Tick > 1000 + 1 + 501)
            Form.BtnStopClick();
    };
    Form.BtnStartClick();
    // Cycle 1 waited with delay 0 (read before the change), then 501 ms per cycle.
    EXPECT_EQ((Platform.Tick - 1000 - 1) % 501, 0u);
    EXPECT_GT(Platform.Tick, 1000u + 1 + 501);
}

TEST_F(RunTest, OneStopEndsNestedRunsEachOuterLevelAddingACycle)
{
    int maxDepth = 0;
    double dayAtStop = 0;
    Platform.OnProcess = [&](int pass) {
        maxDepth = std::max(maxDepth, RunSimulationDepth());
        if (pass == 1)
            Form.BtnStartClick(); // inside the outer run's first wait
        if (pass == 8 && dayAtStop == 0) {
            dayAtStop = Simulation().DayNumber;
            Form.BtnStopClick();
        }
    };
    Form.BtnStartClick();

    EXPECT_EQ(maxDepth, 2);
    EXPECT_EQ(RunSimulationDepth(), 0);
    // The inner run completes its cycle, the outer one adds its own.
    EXPECT_EQ(Simulation().DayNumber, dayAtStop + 2);
    EXPECT_EQ(Controls.Meter1->Value(), 0.0);
}

TEST_F(RunTest, NestingStopsAtItsBound)
{
    int maxDepth = 0;
    int presses = 0;
    Platform.OnProcess = [&](int) {
        maxDepth = std::max(maxDepth, RunSimulationDepth());
        if (presses < MaxRunDepth + 4) {
            ++presses;
            Form.BtnStartClick();
        } else {
            Form.BtnStopClick();
        }
    };
    Form.BtnStartClick();

    EXPECT_EQ(maxDepth, MaxRunDepth);
    EXPECT_EQ(RunSimulationDepth(), 0);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Controls.Meter1->Value(), 0.0);
}

TEST_F(RunTest, StartAtTheBoundStillDrawsTheFixedMarks)
{
    bool pressedAtBound = false;
    TColor line = clWhite;
    TColor sunTop = clWhite;
    int redOrGreen = -1;
    Platform.OnProcess = [&](int) {
        if (!pressedAtBound && RunSimulationDepth() < MaxRunDepth) {
            Form.BtnStartClick();
            return;
        }
        if (!pressedAtBound) {
            pressedAtBound = true;
            Form.BtnStartClick(); // wipes, but nests no run
            line = Pixel(100, 216);
            sunTop = Pixel(304, 210);
            const QImage picture = Controls.ImgCanvas->Picture().Image();
            redOrGreen = 0;
            for (int y = 2; y < 431; ++y)
                for (int x = 2; x < 431; ++x) {
                    const QRgb p = picture.pixel(x, y) & 0xFFFFFF;
                    redOrGreen += p == 0xFF0000 || p == 0x008000;
                }
        }
        Form.BtnStopClick();
    };
    Form.BtnStartClick();

    ASSERT_TRUE(pressedAtBound);
    EXPECT_EQ(line, clBlue);
    EXPECT_EQ(sunTop, clYellow);
    EXPECT_EQ(redOrGreen, 0); // the trails went with the wipe
    EXPECT_EQ(RunSimulationDepth(), 0);
}

TEST_F(RunTest, StartAtTheBoundDoesNotCancelAStopInTheSameBatch)
{
    int stopPass = 0;
    Platform.OnProcess = [&](int pass) {
        if (RunSimulationDepth() < MaxRunDepth && stopPass == 0) {
            Form.BtnStartClick();
        } else if (stopPass == 0) {
            stopPass = pass;
            Form.BtnStopClick();
            Form.BtnStartClick(); // one batch: Stop, then Start at the bound
        } else if (pass > stopPass + 1000) {
            ADD_FAILURE() << "the Start at the bound cancelled the Stop";
            Form.BtnStopClick();
        }
    };
    Form.BtnStartClick();

    EXPECT_EQ(RunSimulationDepth(), 0);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    // Each level completes its cycle: at most a few passes each.
    EXPECT_LT(Platform.ProcessCalls, stopPass + 4 * MaxRunDepth);
}

TEST_F(RunTest, AStepFarBeyondThirtyRunsUntilCirclesLeaveThe32BitRange)
{
    // Typed into the box, which keeps the focus: the text is not clamped.
    Controls.SpinEdit1->setText(QStringLiteral("2147483647"));
    ASSERT_EQ(Simulation().StepDays, 2147483647.0);
    // The eccentricity grows with the day number until the radius, and with
    // it a circle's coordinate, runs past the 32-bit range: first below it,
    // then (in cycle 8136 from 8 December 2026) above it, where the circle's
    // box ends. A few more cycles are drawn there, then Stop.
    int passes = 0;
    int passAtTheEnd = 0;
    Platform.OnProcess = [&](int) {
        ++passes;
        const SimulationState& s = Simulation();
        for (const std::int32_t v : {s.MeanX, s.MeanY, s.TrueX, s.TrueY})
            if (passAtTheEnd == 0 && v == std::numeric_limits<std::int32_t>::max())
                passAtTheEnd = passes;
        if ((passAtTheEnd > 0 && passes == passAtTheEnd + 30) || passes == 40000)
            Form.BtnStopClick();
    };
    Form.BtnStartClick();

    EXPECT_GT(passAtTheEnd, 0);
    EXPECT_GT(Simulation().DayNumber, 1e13);
    EXPECT_EQ(RunSimulationDepth(), 0);
}

TEST_F(RunTest, OpenInfosListHoldsTheRunUntilItCloses)
{
    Form.show();
    int passesWhenClosed = -1;
    bool openWhenBack = true;
    bool boxClosed = false;
    QTimer closer;
    Platform.OnProcess = [&](int pass) {
        if (pass == 1) {
            QMenuBar* bar = Controls.MainMenu1;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(Controls.Optiions1->menuAction()).center());
            EXPECT_TRUE(Controls.Optiions1->isVisible());
            // Once the list is up the box shows; it is closed at once, and
            // the list comes back. Only then is the list closed without a
            // choice: a fixed delay could close it while the box is still up
            // on a slow machine, and the list would then stay open.
            QObject::connect(&closer, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    box->button(QMessageBox::Ok)->click();
                    boxClosed = true;
                } else if (boxClosed && Controls.Optiions1->isVisible()) {
                    passesWhenClosed = Platform.ProcessCalls;
                    Controls.Optiions1->hide();
                    closer.stop();
                }
            });
            closer.start(10);
            // The run handles its messages: it comes back only once the
            // list has closed.
            QCoreApplication::processEvents();
            openWhenBack = Controls.Optiions1->isVisible();
        }
        if (pass == 3)
            Form.BtnStopClick();
    };
    Form.BtnStartClick();

    EXPECT_EQ(passesWhenClosed, 1);
    EXPECT_FALSE(openWhenBack);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_GT(Platform.ProcessCalls, 2); // and then it went on
}

TEST_F(RunTest, ClosingTheWindowEndsEveryRun)
{
    Form.show();
    Platform.OnProcess = [this](int pass) {
        if (pass == 1)
            Form.BtnStartClick();
        if (pass == 6)
            Form.close();
    };
    Form.BtnStartClick();

    EXPECT_FALSE(Form.isVisible());
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(RunSimulationDepth(), 0);
}

} // namespace
