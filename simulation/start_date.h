#pragma once
#include "local_date.h"

namespace Kepler {

// Stores today's local date with its day number.
void ComputeStartDayNumber(const TLocalDate& today);

// The day number of a calendar date: a Gregorian day count whose days begin
// at .5 (the astronomical Julian Day at 0 h minus 1757570).
double DayNumberOfDate(int year, int month, int day);

} // namespace Kepler
