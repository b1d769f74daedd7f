#include "orbit_step.h"
#include "simulation_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace Kepler;

namespace {

class OrbitStepTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimulationState& s = Simulation();
        s = SimulationState{};
        s.AreaWidth = 433;
        s.AreaHeight = 433;
        s.OrbitScale = 140;
    }
    void TearDown() override { Simulation() = SimulationState{}; }

    static const SimulationState& StepAt(double dayNumber)
    {
        Simulation().DayNumber = dayNumber;
        ComputeOrbitStep();
        ComputePlanetPixel();
        return Simulation();
    }
    static double Degrees(double storedRadians) { return storedRadians * 180 / std::numbers::pi + 90; }
};

TEST_F(OrbitStepTest, WorkedValuesOfTheStartDay)
{
    const SimulationState& s = StepAt(703812.5);
    EXPECT_NEAR(s.AnomalyPhase, 0.876618, 5e-7);
    EXPECT_NEAR(s.EccPerTurn, 0.00253780, 5e-9);
    EXPECT_NEAR(s.CentreEquation, -1.29883, 5e-6);
    EXPECT_NEAR(s.Eccentricity, 0.0159455, 5e-8);
    EXPECT_NEAR(s.MeanAnomaly, 3.93716, 5e-6);
    EXPECT_NEAR(s.TrueAnomaly, 3.73044, 5e-6);
    EXPECT_NEAR(s.MeanRadius, 141.544, 5e-4);
    EXPECT_NEAR(s.TrueRadius, 141.845, 5e-4);
    EXPECT_EQ(s.MeanX, 317);
    EXPECT_EQ(s.MeanY, 315);
    EXPECT_EQ(s.TrueX, 295);
    EXPECT_EQ(s.TrueY, 304);
    EXPECT_NEAR(Degrees(s.MeanAnomaly), 315.582, 5e-4);
    EXPECT_NEAR(Degrees(s.TrueAnomaly), 303.739, 5e-4);
}

TEST_F(OrbitStepTest, WorkedValuesOneDayLater)
{
    const SimulationState& s = StepAt(703813.5);
    EXPECT_EQ(s.MeanX, 319);
    EXPECT_EQ(s.MeanY, 313);
    EXPECT_EQ(s.TrueX, 297);
    EXPECT_EQ(s.TrueY, 303);
    EXPECT_NEAR(Degrees(s.MeanAnomaly), 316.6, 0.05);
    EXPECT_NEAR(Degrees(s.TrueAnomaly), 304.9, 0.05);
}

TEST_F(OrbitStepTest, EccentricityDriftsWithTheDayNumber)
{
    EXPECT_NEAR(StepAt(0).Eccentricity, 0.0167510, 5e-8);
    EXPECT_NEAR(StepAt(703812.5).Eccentricity, 0.0159455, 5e-8);
}

// When q passes a whole number the phase jumps from just under 0.995766 to
// just above -0.004234, while the marks move on smoothly.
TEST_F(OrbitStepTest, PhaseWrapsAtWholeRevolutions)
{
    const double turn = 365.26 * 1927; // a day number where q is whole
    const SimulationState before = StepAt(turn - 0.25);
    const SimulationState after = StepAt(turn + 0.25);
    EXPECT_GT(before.AnomalyPhase, 0.99);
    EXPECT_LT(before.AnomalyPhase, 0.995766);
    EXPECT_GE(after.AnomalyPhase, -0.004234);
    EXPECT_LT(after.AnomalyPhase, 0.0);
    EXPECT_NEAR(Degrees(before.MeanAnomaly), 358.5, 0.5);
    EXPECT_NEAR(Degrees(after.MeanAnomaly), -1.5, 0.5);
    EXPECT_LE(std::abs(before.MeanX - after.MeanX), 2);
    EXPECT_LE(std::abs(before.MeanY - after.MeanY), 2);
}

// At phase 0 both anomalies coincide and both marks stand right of the
// centre on the horizontal through it.
TEST_F(OrbitStepTest, PhaseZeroPutsBothBodiesOnTheHorizontal)
{
    const double dayNumber = 365.26 * (1927 + 0.004234);
    const SimulationState& s = StepAt(dayNumber);
    EXPECT_NEAR(s.AnomalyPhase, 0.0, 1e-9);
    EXPECT_NEAR(s.MeanAnomaly, s.TrueAnomaly, 1e-6);
    EXPECT_GT(s.MeanX, 216 + 130);
    EXPECT_EQ(s.MeanY, 216);
    EXPECT_EQ(s.TrueY, 216);
}

// A pixel that falls exactly halfway goes to the even neighbour: a planet at
// -pi/2 (sin is exactly -1) with radius 0.5 stands at cx + 0.5.
TEST_F(OrbitStepTest, HalfwayPixelsRoundToEven)
{
    SimulationState& s = Simulation();
    s.TrueAnomaly = -std::numbers::pi / 2;
    s.TrueRadius = 0.5;
    ComputePlanetPixel();
    EXPECT_EQ(s.TrueX, 216); // 216.5
    s.AreaWidth = 435;
    ComputePlanetPixel();
    EXPECT_EQ(s.TrueX, 218); // 217.5
}

// The planet's vertical offset carries the factor 0.75, so its halfway
// pixels come from other radii than the horizontal ones: with the anomaly at
// 0 (cos exactly 1) or pi (cos exactly -1) and a radius of 2, 6, 138 or 142,
// the offset is 1.5, 4.5, 103.5 or 106.5. Each row rounds to the even
// neighbour; truncating fails the rows that go up, rounding halves up fails
// those that go down.
TEST_F(OrbitStepTest, HalfwayPlanetRowsRoundToEven)
{
    constexpr double pi = std::numbers::pi;
    const struct {
        int areaHeight;
        double anomaly;
        double radius;
        double exactRow;
        int row;
    } cases[] = {
        {433, 0, 2, 214.5, 214},    {433, 0, 6, 211.5, 212},
        {433, pi, 2, 217.5, 218},   {433, pi, 6, 220.5, 220},
        {431, 0, 2, 213.5, 214},    {431, pi, 2, 216.5, 216},
        {433, 0, 138, 112.5, 112},  {433, 0, 142, 109.5, 110},
        {433, pi, 138, 319.5, 320}, {433, pi, 142, 322.5, 322},
    };
    SimulationState& s = Simulation();
    for (const auto& c : cases) {
        s.AreaHeight = c.areaHeight;
        s.TrueAnomaly = c.anomaly;
        s.TrueRadius = c.radius;
        // The case is really halfway, as the product computes the row.
        ASSERT_EQ(c.areaHeight / 2 - std::cos(s.TrueAnomaly) * c.radius * 0.75, c.exactRow);
        ComputePlanetPixel();
        EXPECT_EQ(s.TrueY, c.row) << "planet row from " << c.exactRow;
        EXPECT_EQ(s.TrueX, 216) << "planet column at row " << c.exactRow;
    }
}

TEST_F(OrbitStepTest, FallingDayNumbersRunBackwards)
{
    const SimulationState a = StepAt(703812.5);
    const SimulationState b = StepAt(703811.5);
    EXPECT_LT(Degrees(b.MeanAnomaly), Degrees(a.MeanAnomaly));
}

} // namespace
