#include "injected_platform.h"
#include "run_loop.h"

#include "KeplerControls/bitmap.h"

#include <gtest/gtest.h>

#include <numbers>
#include <optional>

using namespace Kepler;

namespace {

// A window stand-in that records what the run loop tells it.
class RecordingView : public TRunLoopView {
public:
    TCanvas& PictureCanvas() override { return Picture.Canvas(); }
    void PictureChanged() override { ++Repaints; }
    int DelayMs() const override { return 0; }
    void SetMeanText(const QString& t) override { Mean = t; }
    QString MeanText() const override { return Mean; }
    void SetTrueText(const QString& t) override { True = t; }
    QString TrueText() const override { return True; }
    void SetGaugeValue(double v) override { Gauge = v; }

    TBitmap Picture{433, 433};
    int Repaints = 0;
    QString Mean;
    QString True;
    std::optional<double> Gauge;
};

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

class UpdateReadoutsTest : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(UpdateReadoutsTest, WritesComparesAndSetsTheGauge)
{
    const ReadoutCase& c = GetParam();
    InjectedPlatform platform;
    SimulationState& s = Simulation();
    s.RunState = RunStateRunning;
    s.MeanAnomaly = StoredRadians(c.MeanDegrees);
    s.TrueAnomaly = StoredRadians(c.TrueDegrees);
    RecordingView view;

    UpdateReadouts(view);

    EXPECT_EQ(view.Mean, QString::fromUtf8(c.Mean));
    EXPECT_EQ(view.True, QString::fromUtf8(c.True));
    EXPECT_EQ(s.RunState, c.Stops ? RunStateStopped : RunStateRunning);
    EXPECT_EQ(view.Gauge, c.Gauge);
}

INSTANTIATE_TEST_SUITE_P(Readouts, UpdateReadoutsTest,
    ::testing::Values(
        ReadoutCase{315.582, 303.739, "315,6 °", "303,7 °", false, 1.0},
        ReadoutCase{10.0, 12.0, "10,0 °", "12,0 °", false, -1.0},
        // Equal texts end the run, though the angles differ and the gauge
        // still shows which one leads.
        ReadoutCase{-0.0655, -0.0850, "-0,1 °", "-0,1 °", true, 1.0},
        ReadoutCase{200.04, 200.01, "200,0 °", "200,0 °", true, 1.0},
        // Equal angles leave the gauge alone.
        ReadoutCase{42.0, 42.0, "42,0 °", "42,0 °", true, std::nullopt}));

TEST(RunSimulationTest, DrawsFixedMarksThenOneCycleUntilStopped)
{
    InjectedPlatform platform;
    platform.OnProcess = [](int) { Simulation().RunState = RunStateStopped; };
    Simulation().RunState = RunStateRunning;
    RecordingView view;

    RunSimulation(view);

    EXPECT_EQ(Simulation().DayNumber, 703813.5);
    EXPECT_EQ(view.Mean, QStringLiteral("315,6 °"));
    EXPECT_EQ(view.True, QStringLiteral("303,7 °"));
    EXPECT_EQ(view.Gauge, 1.0);
    EXPECT_GE(view.Repaints, 2);
    EXPECT_EQ(RunSimulationDepth(), 0);
}

} // namespace
