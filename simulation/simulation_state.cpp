#include "simulation_state.h"

#include "start_date.h"

namespace Kepler {

SimulationState& Simulation()
{
    static SimulationState state;
    return state;
}

void InitSimulationState(const TLocalDate& today)
{
    SimulationState& s = Simulation();
    s.AreaWidth = 433;
    s.AreaHeight = 433;
    ComputeStartDayNumber(today);
    s.StepDays = 1;
    s.OrbitScale = 140;
}

} // namespace Kepler
