// The engine's steps one by one: the wait, the readouts, nesting and holds.
#include "run_picture.h"
#include "table_face.h"

#include "KeplerControls/colors.h"
#include "simulation_state.h"

#include <gtest/gtest.h>

#include <numbers>
#include <optional>

using namespace Kepler;

namespace {

constexpr double StartDayNumber = 703812.5; // 8 December 2026

class RunEngineTest : public ::testing::Test {
protected:
    RunEngineTest()
    {
        Simulation() = SimulationState{};
        InitSimulationState({2026, 12, 8});
    }
    ~RunEngineTest() override { Simulation() = SimulationState{}; }

    // Gives the innermost run the time it asks for until it has drawn.
    void Wait()
    {
        ASSERT_EQ(Engine.Need(), TRunNeed::rnDelay);
        Now += Engine.DelayLeft(Now);
        Engine.DelayOver(Now);
        ASSERT_EQ(Engine.Need(), TRunNeed::rnInput);
    }
    // One whole cycle of the innermost run.
    void Cycle()
    {
        Wait();
        Engine.InputTaken(Now);
    }

    TTableFace Face;
    TRunEngine Engine{Face};
    std::uint32_t Now = 1000;
};

struct WaitCase {
    std::uint32_t Start;
    int DelayMs;
    // How often the face looks at the clock; 0: when the engine asks.
    std::uint32_t LookEveryMs;
    std::uint32_t EndTick;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const WaitCase& c, std::ostream* os)
{
    *os << "from tick " << c.Start << ", delay " << c.DelayMs << " ms, looking every " << c.LookEveryMs << " ms";
}

class RunEngineWaitTest : public RunEngineTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(RunEngineWaitTest, EndsOnTheFirstTickPastTheDelay)
{
    const WaitCase& c = GetParam();
    Face.Delay = c.DelayMs;
    Now = c.Start;
    Engine.Start(Now);
    for (int looks = 0; Engine.Need() == TRunNeed::rnDelay && looks < 1000; ++looks) {
        Now += c.LookEveryMs ? c.LookEveryMs : Engine.DelayLeft(Now);
        Engine.DelayOver(Now);
    }
    EXPECT_EQ(Engine.Need(), TRunNeed::rnInput);
    EXPECT_EQ(Now, c.EndTick);
    EXPECT_GT(std::uint32_t(Now - c.Start), std::uint32_t(c.DelayMs));
}

INSTANTIATE_TEST_SUITE_P(Waits, RunEngineWaitTest,
    ::testing::Values(
        WaitCase{1000, 0, 0, 1001},
        WaitCase{1000, 500, 0, 1501},
        // Looking every 7 ms: the first look past 500 ms is at 504.
        WaitCase{1000, 500, 7, 1504},
        // Across the counter's wrap from 2^32 - 1 to 0.
        WaitCase{4294967290u, 20, 0, 15},
        WaitCase{4294967290u, 20, 1, 15},
        WaitCase{4294967295u, 0, 0, 0}));

TEST_F(RunEngineTest, AWaitAskedTooEarlyGoesOnWaiting)
{
    Face.Delay = 20;
    Engine.Start(4294967290u);
    EXPECT_EQ(Engine.DelayLeft(4294967290u), 21u);
    Engine.DelayOver(4294967290u + 20u);
    EXPECT_EQ(Engine.Need(), TRunNeed::rnDelay);
    EXPECT_EQ(Engine.DelayLeft(4294967290u + 20u), 1u);
    // A long interruption (a nested run, a box) outlasts the delay.
    EXPECT_EQ(Engine.DelayLeft(24), 0u);
    Engine.DelayOver(24);
    EXPECT_EQ(Engine.Need(), TRunNeed::rnInput);
}

TEST_F(RunEngineTest, StepsOutOfPlaceChangeNothing)
{
    Engine.InputTaken(Now);
    Engine.DelayOver(Now);
    EXPECT_EQ(Engine.Need(), TRunNeed::rnNothing);
    Engine.Start(Now);
    const int repaints = Face.Repaints;
    Engine.InputTaken(Now + 5); // still waiting
    EXPECT_EQ(Face.Repaints, repaints);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber);
    Wait();
    Engine.DelayOver(Now + 5); // already drawn
    EXPECT_EQ(Face.Repaints, repaints + 1);
}

TEST_F(RunEngineTest, FirstCycleDrawsAtTheWorkedPixels)
{
    Face.Picture.SetPixel(432, 100, clOrange); // the edge the wipe leaves
    Engine.Start(Now);
    // The fixed marks and the wipe's frame, drawn at once.
    EXPECT_EQ(Face.Picture.Pixel(100, 216), clBlue);
    EXPECT_EQ(Face.Picture.Pixel(1, 100), clBlack);
    EXPECT_EQ(Face.Picture.Pixel(431, 100), clBlack);
    EXPECT_EQ(Face.Picture.Pixel(100, 100), clWhite);
    EXPECT_EQ(Face.Picture.Pixel(432, 100), clOrange);
    EXPECT_EQ(Face.Picture.Pixel(317, 315), clWhite); // no body before the wait
    Engine.Stop();
    Cycle();
    EXPECT_EQ(Face.Picture.Pixel(318, 315), clGreen);
    EXPECT_EQ(Face.Picture.Pixel(296, 304), clRed);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 1);
    EXPECT_EQ(Face.Mean, "315,6 °");
    EXPECT_EQ(Face.True, "303,7 °");
    EXPECT_EQ(Face.GaugeValues, (std::vector<double>{1, 0}));
    EXPECT_EQ(Engine.Depth(), 0);
}

TEST_F(RunEngineTest, WholeRunEndsByItselfOnEqualReadouts)
{
    Engine.Start(Now);
    for (int cycles = 0; Engine.Depth() > 0 && cycles < 1000; ++cycles)
        Cycle();
    EXPECT_EQ(Simulation().DayNumber, 703858.5);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Face.Mean, "-0,1 °");
    EXPECT_EQ(Face.True, "-0,1 °");
    EXPECT_EQ(Face.Gauge, 0.0);
    // Delay 0 waits until the counter has moved: one millisecond per cycle.
    EXPECT_EQ(Now, 1000u + 46u);
}

TEST_F(RunEngineTest, AStepChangedInTheWaitIsUsedAtTheEndOfTheSameCycle)
{
    Engine.Start(Now);
    Engine.ChangeStep(30);
    Engine.Stop();
    Cycle();
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 30);
}

TEST_F(RunEngineTest, TheDelayIsReadAsEachCycleBegins)
{
    Engine.Start(Now);
    Face.Delay = 500; // too late for the first wait
    Cycle();
    EXPECT_EQ(Now, 1001u);
    Cycle();
    EXPECT_EQ(Now, 1001u + 501u);
}

TEST_F(RunEngineTest, AHeldRunGoesOnWhereItStood)
{
    Face.Delay = 50;
    Engine.Start(Now);
    Engine.Hold();
    Engine.Hold();
    EXPECT_EQ(Engine.Need(), TRunNeed::rnNothing);
    Engine.DelayOver(Now + 300); // no time for a held run
    EXPECT_EQ(Engine.Need(), TRunNeed::rnNothing);
    Engine.Release();
    EXPECT_TRUE(Engine.Held());
    Engine.Release();
    EXPECT_FALSE(Engine.Held());
    // The wait began before the hold; its time has long passed.
    EXPECT_EQ(Engine.Need(), TRunNeed::rnDelay);
    EXPECT_EQ(Engine.DelayLeft(Now + 300), 0u);
    Engine.DelayOver(Now + 300);
    EXPECT_EQ(Engine.Need(), TRunNeed::rnInput);
    Engine.Hold();
    Engine.InputTaken(Now + 300);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber);
    Engine.Release();
    Engine.Release(); // one too many does no harm
    EXPECT_FALSE(Engine.Held());
    Engine.InputTaken(Now + 300);
    EXPECT_EQ(Simulation().DayNumber, StartDayNumber + 1);
}

TEST_F(RunEngineTest, OneStopEndsNestedRunsEachOuterLevelAddingACycle)
{
    Engine.Start(Now);
    Engine.Start(Now); // in the outer run's first wait
    EXPECT_EQ(Engine.Depth(), 2);
    Cycle();
    Cycle();
    const double dayAtStop = Simulation().DayNumber;
    Engine.Stop();
    Cycle();
    EXPECT_EQ(Engine.Depth(), 1);
    EXPECT_EQ(Face.Gauge, 0.0);
    // The outer run goes on in its wait, which has long passed.
    EXPECT_EQ(Engine.Need(), TRunNeed::rnDelay);
    EXPECT_EQ(Engine.DelayLeft(Now), 0u);
    Cycle();
    EXPECT_EQ(Engine.Depth(), 0);
    EXPECT_EQ(Simulation().DayNumber, dayAtStop + 2);
    EXPECT_EQ(Face.Gauge, 0.0);
}

TEST_F(RunEngineTest, NestingStopsAtItsBoundAndTheLastStartStillWipes)
{
    for (int i = 0; i < TRunEngine::MaxDepth + 4; ++i)
        Engine.Start(Now);
    EXPECT_EQ(Engine.Depth(), TRunEngine::MaxDepth);
    Cycle(); // draws bodies onto the picture
    // A Stop, then a Start at the bound: the Stop holds, the picture restarts.
    Engine.Stop();
    Engine.Start(Now);
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Face.Picture.Pixel(100, 216), clBlue);
    EXPECT_EQ(Face.Picture.Pixel(304, 210), clYellow);
    int redOrGreen = 0;
    for (int y = 2; y < 431; ++y)
        for (int x = 2; x < 431; ++x)
            redOrGreen += Face.Picture.Pixel(x, y) == clRed || Face.Picture.Pixel(x, y) == clGreen;
    EXPECT_EQ(redOrGreen, 0);
    for (int cycles = 0; Engine.Depth() > 0 && cycles < 100; ++cycles)
        Cycle();
    EXPECT_EQ(Engine.Depth(), 0);
    EXPECT_EQ(Face.Gauge, 0.0);
}

TEST_F(RunEngineTest, StopWhileIdleChangesNothingVisible)
{
    Engine.Stop();
    EXPECT_EQ(Simulation().RunState, RunStateStopped);
    EXPECT_EQ(Face.Repaints, 0);
    EXPECT_TRUE(Face.GaugeValues.empty());
    Engine.Start(Now);
    EXPECT_EQ(Simulation().RunState, RunStateRunning);
}

double StoredRadians(double shownDegrees)
{
    return (shownDegrees - 90) * std::numbers::pi / 180;
}

struct ReadoutCase {
    double MeanDegrees;
    double TrueDegrees;
    const char* Mean;
    const char* True;
    bool Stops;
    std::optional<double> Gauge;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const ReadoutCase& c, std::ostream* os)
{
    *os << "mean " << c.MeanDegrees << "°, true " << c.TrueDegrees << "°";
}

class RunEngineReadoutTest : public RunEngineTest, public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(RunEngineReadoutTest, WritesComparesAndSetsTheGauge)
{
    const ReadoutCase& c = GetParam();
    Engine.Start(Now);
    Wait();
    SimulationState& s = Simulation();
    s.MeanAnomaly = StoredRadians(c.MeanDegrees);
    s.TrueAnomaly = StoredRadians(c.TrueDegrees);
    Engine.InputTaken(Now);

    EXPECT_EQ(Face.Mean, c.Mean);
    EXPECT_EQ(Face.True, c.True);
    EXPECT_EQ(Engine.Depth(), c.Stops ? 0 : 1);
    // The gauge shows which one leads; a run that ends then sets it to 0.
    std::vector<double> gauge;
    if (c.Gauge)
        gauge.push_back(*c.Gauge);
    if (c.Stops)
        gauge.push_back(0);
    EXPECT_EQ(Face.GaugeValues, gauge);
}

INSTANTIATE_TEST_SUITE_P(Readouts, RunEngineReadoutTest,
    ::testing::Values(
        ReadoutCase{315.582, 303.739, "315,6 °", "303,7 °", false, 1.0},
        ReadoutCase{10.0, 12.0, "10,0 °", "12,0 °", false, -1.0},
        // Equal texts end the run, though the angles differ and the gauge
        // still shows which one leads.
        ReadoutCase{-0.0655, -0.0850, "-0,1 °", "-0,1 °", true, 1.0},
        ReadoutCase{200.04, 200.01, "200,0 °", "200,0 °", true, 1.0},
        // Equal angles leave the gauge alone.
        ReadoutCase{42.0, 42.0, "42,0 °", "42,0 °", true, std::nullopt}));

} // namespace
