#pragma once

// Reads the local date and stores it with its day number.
void ComputeStartDayNumber();

// The day number of a calendar date: a Gregorian day count whose days begin
// at .5 (the astronomical Julian Day at 0 h minus 1757570).
double DayNumberOfDate(int year, int month, int day);
