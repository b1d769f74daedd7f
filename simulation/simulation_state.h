#pragma once
#include "local_date.h"

#include <cstdint>

namespace Kepler {

// The one program-wide record of the simulation. It lives from start-up to
// exit, is zero before InitSimulationState runs, and is touched only by the
// user-interface thread.
struct SimulationState {
    std::int32_t AreaWidth = 0;
    std::int32_t AreaHeight = 0;
    std::uint16_t StartYear = 0;
    std::uint16_t StartMonth = 0;
    std::uint16_t StartDay = 0;
    double DayNumber = 0;
    double StepDays = 0;
    double OrbitScale = 0;
    char16_t RunState = 0; // 'L' while running, 'E' once a stop was requested

    // Orbit step results, recomputed every cycle and read later in the same
    // cycle (a run reads TrueAnomaly and TrueRadius after its wait).
    double AnomalyPhase = 0;
    double EccPerTurn = 0;
    double CentreEquation = 0;
    double Eccentricity = 0;
    double EccFactor = 0; // 1 - e^2
    double MeanAnomaly = 0; // radians, shifted by -pi/2
    double TrueAnomaly = 0; // radians, shifted by -pi/2
    double MeanRadius = 0;
    double TrueRadius = 0;
    std::int32_t MeanX = 0;
    std::int32_t MeanY = 0;
    std::int32_t TrueX = 0;
    std::int32_t TrueY = 0;
};

inline constexpr char16_t RunStateRunning = u'L';
inline constexpr char16_t RunStateStopped = u'E';

// The program's instance.
SimulationState& Simulation();

// Sets the drawing area to 433 by 433, takes today's local date as the start
// date, sets the step to one day and the orbit scale to 140 pixels. Called
// once, before any window.
void InitSimulationState(const TLocalDate& today);

} // namespace Kepler
