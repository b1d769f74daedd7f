#include "start_date.h"
#include "simulation_state.h"

#include "local_date.h"
#include "rounding.h"

namespace Kepler {

double DayNumberOfDate(int year, int month, int day)
{
    double y;
    double m;
    if (month >= 3) {
        y = year;
        m = month + 1;
    } else {
        y = year - 1;
        m = month + 13;
    }
    const double b = IntPart(y / 400) + 2 - IntPart(y / 100);
    y = y - 100;
    // The month factor is exactly 30.6 (its double lies just above), so the
    // whole products 153, 306 and 459 truncate to themselves.
    return IntPart(365.25 * y) + IntPart(30.6 * m) + day - 50.5 + b;
}

void ComputeStartDayNumber(const TLocalDate& today)
{
    SimulationState& s = Simulation();
    s.StartYear = today.Year;
    s.StartMonth = today.Month;
    s.StartDay = today.Day;
    s.DayNumber = DayNumberOfDate(s.StartYear, s.StartMonth, s.StartDay);
}

} // namespace Kepler
