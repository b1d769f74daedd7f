// Whole runs through the window, with the date, the tick counter and the
// timers injected; the runs get their time one timer tick at a time, and a
// hook plays the user between the steps.
#include "desktop_run.h"
#include "form_controls.h"
#include "form1.h"
#include "injected_platform.h"
#include "picture_box.h"

#include "KeplerControls/meter.h"
#include "KeplerControls/spin_edit.h"
#include "qt_bitmap.h"

#include <QApplication>
#include <QDialog>
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

    int Depth() { return Form.Run().Depth(); }
    std::uint32_t Tick() { return Platform.TickCount(); }

    // Gives the runs their time until none is left; `play` acts before
    // each step.
    int Drive(const std::function<void(int step)>& play = {}, int maxSteps = 200000)
    {
        return Platform.Drive([this] { return Depth() > 0; }, play, maxSteps);
    }

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

TEST_F(RunTest, StartReturnsAtOnceAndTheRunGoesOnFromTheEventLoop)
{
    Form.BtnStartClick();
    // Nothing waits inside the command: the run has drawn its fixed marks
    // and waits for its first delay to pass.
    EXPECT_EQ(Depth(), 1);
    EXPECT_EQ(Form.Run().Engine().Need(), TRunNeed::rnDelay);
    EXPECT_EQ(Pixel(100, 216), clBlue);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber);
    Drive();
    EXPECT_EQ(Depth(), 0);
}

TEST_F(RunTest, WholeRunEndsByItselfOnEqualReadouts)
{
    Form.BtnStartClick();
    // A run whose readouts never match would go on for ever: stop it.
    Drive([this](int step) {
        if (step == 1000) {
            ADD_FAILURE() << "the run did not end by itself; readouts " << Controls.EdtmA->text().toStdString()
                          << " and " << Controls.EdtwA->text().toStdString();
            Form.BtnStopClick();
        }
    });

    EXPECT_EQ(Simulation().DayNumber, 703858.5);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Controls.EdtmA->text(), QStringLiteral("-0,1 °"));
    EXPECT_EQ(Controls.EdtwA->text(), QStringLiteral("-0,1 °"));
    EXPECT_EQ(Controls.EdtStart->text(), QStringLiteral("8.12.2026"));
    EXPECT_EQ(Controls.Meter1->Value(), 0.0);
    EXPECT_EQ(Depth(), 0);
    // Delay 0 waits until the counter has moved: one millisecond per cycle.
    EXPECT_EQ(Tick(), 1000u + 46u);
}

TEST_F(RunTest, FirstCycleDrawsAtTheWorkedPixels)
{
    // A mark on the picture's last column, which the run must leave alone.
    Controls.ImgCanvas->Picture().SetPixel(432, 100, clOrange);
    Form.BtnStartClick();
    Form.BtnStopClick();
    Drive();

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
    Drive();
    ASSERT_EQ(Simulation().DayNumber, 703858.5);

    Form.BtnStartClick();
    const double dayOfFirstCycle = Simulation().DayNumber;
    Form.BtnStopClick();
    Drive();

    EXPECT_EQ(dayOfFirstCycle, 703858.5);
    EXPECT_EQ(Simulation().DayNumber, 703859.5);
    EXPECT_EQ(Controls.EdtStart->text(), QStringLiteral("8.12.2026"));
}

TEST_F(RunTest, StopBeforeAnyStartChangesNothingVisible)
{
    const QImage before = QtImage(Controls.ImgCanvas->Picture()).copy();
    Form.BtnStopClick();

    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber);
    EXPECT_EQ(Controls.EdtmA->text(), QStringLiteral("0°"));
    EXPECT_EQ(Controls.EdtStart->text(), QStringLiteral("Startdatum"));
    EXPECT_TRUE(QtImage(Controls.ImgCanvas->Picture()) == before);

    Form.BtnStartClick();
    EXPECT_EQ(Simulation().RunState, RunStateRunning);
    Form.BtnStopClick();
    Drive();
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 1);
}

TEST_F(RunTest, StepChangedDuringACycleIsUsedAtItsEnd)
{
    Form.BtnStartClick();
    Drive([this](int step) {
        if (step == 1) {
            Controls.SpinEdit1->SetValue(30);
            Form.BtnStopClick();
        }
    });

    EXPECT_EQ(Simulation().StepDays, 30.0);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 30);
}

TEST_F(RunTest, DelayIsReadFreshForEveryCycle)
{
    Form.BtnStartClick();
    // Moved during the first cycle's wait, after that wait read its delay.
    Controls.ScrollBarV->setValue(500);
    Drive([this](int) {
        if (Tick() > 1000 + 1 + 501)
            Form.BtnStopClick();
    });
    // Cycle 1 waited with delay 0 (read before the change), then 501 ms per cycle.
    EXPECT_EQ((Tick() - 1000 - 1) % 501, 0u);
    EXPECT_GT(Tick(), 1000u + 1 + 501);
}

TEST_F(RunTest, OneStopEndsNestedRunsEachOuterLevelAddingACycle)
{
    int maxDepth = 0;
    double dayAtStop = 0;
    Form.BtnStartClick();
    Form.BtnStartClick(); // in the outer run's first wait
    Drive([&](int step) {
        maxDepth = std::max(maxDepth, Depth());
        if (step == 8) {
            dayAtStop = Simulation().DayNumber;
            Form.BtnStopClick();
        }
    });

    EXPECT_EQ(maxDepth, 2);
    EXPECT_EQ(Depth(), 0);
    // The inner run completes its cycle, the outer one adds its own.
    EXPECT_EQ(Simulation().DayNumber, dayAtStop + 2);
    EXPECT_EQ(Controls.Meter1->Value(), 0.0);
}

TEST_F(RunTest, NestingStopsAtItsBound)
{
    int maxDepth = 0;
    int presses = 0;
    Form.BtnStartClick();
    Drive([&](int) {
        maxDepth = std::max(maxDepth, Depth());
        if (presses < TRunEngine::MaxDepth + 4) {
            ++presses;
            Form.BtnStartClick();
        } else {
            Form.BtnStopClick();
        }
    });

    EXPECT_EQ(maxDepth, TRunEngine::MaxDepth);
    EXPECT_EQ(Depth(), 0);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Controls.Meter1->Value(), 0.0);
}

TEST_F(RunTest, StartAtTheBoundStillDrawsTheFixedMarks)
{
    while (Depth() < TRunEngine::MaxDepth)
        Form.BtnStartClick();
    Drive({}, 4); // bodies on the picture
    Form.BtnStartClick(); // wipes, but nests no run
    EXPECT_EQ(Depth(), TRunEngine::MaxDepth);
    EXPECT_EQ(Pixel(100, 216), clBlue);
    EXPECT_EQ(Pixel(304, 210), clYellow);
    const QImage picture = QtImage(Controls.ImgCanvas->Picture());
    int redOrGreen = 0;
    for (int y = 2; y < 431; ++y)
        for (int x = 2; x < 431; ++x) {
            const QRgb p = picture.pixel(x, y) & 0xFFFFFF;
            redOrGreen += p == 0xFF0000 || p == 0x008000;
        }
    EXPECT_EQ(redOrGreen, 0); // the trails went with the wipe
    Form.BtnStopClick();
    Drive();
    EXPECT_EQ(Depth(), 0);
}

TEST_F(RunTest, StartAtTheBoundDoesNotCancelAStopInTheSameBatch)
{
    while (Depth() < TRunEngine::MaxDepth)
        Form.BtnStartClick();
    // One batch: Stop, then Start at the bound.
    Form.BtnStopClick();
    Form.BtnStartClick();
    // Each level completes its cycle: a few steps each.
    const int steps = Drive({}, 1000);

    EXPECT_EQ(Depth(), 0);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_LT(steps, 4 * TRunEngine::MaxDepth);
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
    int steps = 0;
    int stepAtTheEnd = 0;
    Form.BtnStartClick();
    Drive([&](int) {
        ++steps;
        const SimulationState& s = Simulation();
        for (const std::int32_t v : {s.MeanX, s.MeanY, s.TrueX, s.TrueY})
            if (stepAtTheEnd == 0 && v == std::numeric_limits<std::int32_t>::max())
                stepAtTheEnd = steps;
        if ((stepAtTheEnd > 0 && steps == stepAtTheEnd + 60) || steps == 40000)
            Form.BtnStopClick();
    });

    EXPECT_GT(stepAtTheEnd, 0);
    EXPECT_GT(Simulation().DayNumber, 1e13);
    EXPECT_EQ(Depth(), 0);
}

TEST_F(RunTest, OpenInfosListHoldsTheRunUntilItCloses)
{
    Form.show();
    Form.BtnStartClick();
    Drive({}, 3);
    QMenuBar* bar = Controls.MainMenu1;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(Controls.Optiions1->menuAction()).center());
    EXPECT_TRUE(Controls.Optiions1->isVisible());
    // Once the list is up the box shows, from the window's event loop.
    QMessageBox* box = nullptr;
    for (int i = 0; i < 100 && !box; ++i) {
        QCoreApplication::processEvents();
        box = Form.findChild<QMessageBox*>();
    }
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(Controls.Optiions1->isVisible());
    // The box holds the run: time passes, nothing moves.
    const double day = Simulation().DayNumber;
    EXPECT_EQ(Form.Run().Engine().Need(), TRunNeed::rnNothing);
    Platform.AdvanceTimers(300);
    EXPECT_EQ(Simulation().DayNumber, day);
    // Closed: the list comes back and holds the run in its turn.
    box->button(QMessageBox::Ok)->click();
    for (int i = 0; i < 100 && !Controls.Optiions1->isVisible(); ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(Controls.Optiions1->isVisible());
    Platform.AdvanceTimers(300);
    EXPECT_EQ(Simulation().DayNumber, day);
    // Closed without a choice: the run goes on where it was.
    Controls.Optiions1->hide();
    EXPECT_NE(Form.Run().Engine().Need(), TRunNeed::rnNothing);
    Form.BtnStopClick();
    Drive();
    EXPECT_EQ(Depth(), 0);
    EXPECT_GT(Simulation().DayNumber, day);
}

TEST_F(RunTest, AForeignModalLoopHoldsTheRunUntilItEnds)
{
    Form.show();
    Form.BtnStartClick();
    Drive({}, 3);
    const double day = Simulation().DayNumber;
    // A dialog with an event loop of its own (as a context menu or a file
    // dialog has): the run's timer still comes, but the run does not move.
    QDialog dialog(&Form);
    int looks = 0;
    QTimer::singleShot(0, &dialog, [&] {
        for (int i = 0; i < 20; ++i)
            looks += Platform.FireNextTimer(2000) ? 1 : 0;
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(looks, 20);
    EXPECT_EQ(Simulation().DayNumber, day);
    // Back in the window's own loop the run goes on.
    Form.BtnStopClick();
    Drive();
    EXPECT_EQ(Depth(), 0);
    EXPECT_EQ(Simulation().DayNumber, day + 1);
}

TEST_F(RunTest, ClosingTheWindowEndsEveryRun)
{
    Form.show();
    Form.BtnStartClick();
    Drive([this](int step) {
        if (step == 1)
            Form.BtnStartClick();
        if (step == 6)
            Form.close();
    });

    EXPECT_FALSE(Form.isVisible());
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Depth(), 0);
}

} // namespace
