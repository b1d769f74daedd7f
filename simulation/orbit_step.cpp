#include "orbit_step.h"
#include "simulation_state.h"

#include "rounding.h"

#include <cmath>
#include <numbers>

namespace Kepler {

// The arithmetic follows the textbook model step by step; every numbered
// result is stored as a double before the next step reads it, so the screen
// shows exactly these numbers.

void ComputeOrbitStep()
{
    SimulationState& s = Simulation();
    constexpr double pi = std::numbers::pi;
    const int cx = s.AreaWidth / 2;
    const int cy = s.AreaHeight / 2;

    const double q = s.DayNumber / 365.26;
    s.AnomalyPhase = (q - IntPart(q)) - 0.004234;
    s.EccPerTurn = 0.002666 + (s.DayNumber / 5490020000.0) * (-1);
    s.CentreEquation = std::sin(s.AnomalyPhase * 2 * pi) * (s.EccPerTurn * 720)
                       + std::sin(s.AnomalyPhase * 4 * pi) * 0.02;
    s.Eccentricity = s.EccPerTurn * 2 * pi;
    s.EccFactor = 1 - s.Eccentricity * s.Eccentricity;
    s.MeanAnomaly = s.AnomalyPhase * 2 * pi - pi / 2;
    // The equation of centre is in degrees and is divided by 2 pi, not
    // converted: the readouts show this enlarged difference on purpose.
    s.TrueAnomaly = s.CentreEquation / (2 * pi) + s.MeanAnomaly;
    s.MeanRadius = (s.EccFactor / (std::cos(s.MeanAnomaly) * s.Eccentricity + 1)) * s.OrbitScale;
    s.TrueRadius = (s.EccFactor / (std::cos(s.TrueAnomaly) * s.Eccentricity + 1)) * s.OrbitScale;
    s.MeanX = RoundHalfEven(cx - std::sin(s.MeanAnomaly) * s.MeanRadius);
    s.MeanY = RoundHalfEven(cy - std::cos(s.MeanAnomaly) * s.MeanRadius);
}

void ComputePlanetPixel()
{
    SimulationState& s = Simulation();
    const int cx = s.AreaWidth / 2;
    const int cy = s.AreaHeight / 2;
    // Only the planet's vertical offset is flattened, to the orbit's 0.75.
    s.TrueX = RoundHalfEven(cx - std::sin(s.TrueAnomaly) * s.TrueRadius);
    s.TrueY = RoundHalfEven(cy - std::cos(s.TrueAnomaly) * s.TrueRadius * 0.75);
}

} // namespace Kepler
