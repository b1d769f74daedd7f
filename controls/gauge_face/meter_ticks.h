#pragma once
#include <string>
#include <vector>

namespace Kepler {

// The scale's arithmetic: where a value lies on it, where its ticks go and
// what its labels say.

// Where a value lies on the gauge's scale, as a fraction: 0 at the minimum,
// 1 at the maximum. A logarithmic scale falls back to the linear mapping
// whenever a logarithm would meet a non-positive number. A scale whose bounds
// are equal (only raw loaded values can make it so) puts every value in the
// middle instead of dividing by zero.
double ScaleFraction(double v, double min, double max, bool logarithmic);

// The value at a fraction of the scale; the inverse of ScaleFraction.
double ScaleValueAt(double f, double min, double max, bool logarithmic);

// 10^k by multiplication and division alone, never through exp: exact (or
// rounded once) for |k| up to 22, and as near as a few roundings allow
// beyond.
long double PowerOfTen(int k);

// Main tick placement of a scale: the first main tick, the spacing of main
// ticks (1, 2 or 5 times a power of ten) and how many short-tick intervals
// divide one main interval (4 or 5).
struct TTickSpacing {
    long double FirstTick = 0;
    long double TickStep = 1;
    int SubDivisions = 5;
};

// Picks the largest round spacing that fits at least NrTicks times into the
// range, and the first multiple of it at the minimum (within 0.001 steps).
// The spacing is made of 1, 2 or 5 and a power of ten by plain arithmetic,
// never through exp and log, so that it comes out the same wherever long
// double's exp and log are less exact than its arithmetic; a quotient within
// a factor 10^(1e-10) above 1, 2, 5 or 10 times a power of ten counts as that
// round number. Expects NrTicks >= 1 and Min < Max; anything else gives the
// spacing of the range 0 to 1 so callers never loop forever.
TTickSpacing CalcTickSpacing(int NrTicks, long double Max, long double Min);

// No sane scale comes near this; it only bounds loops on absurd ranges.
constexpr int MaxMainTicks = 20000;

// The main ticks of a linear scale (and of a logarithmic one within one
// decade): FirstTick and every step after it up to 0.001 steps beyond Max.
// At least one.
std::vector<long double> LinearMainTicks(const TTickSpacing& sp, long double Max);

// A label in fixed-point notation with Decimals digits after a ".": the value
// taken to 18 significant digits, rounded at the last shown decimal with
// halves up in magnitude, "-" before any value below zero (also "-0.0").
// Independent of the locale; plain ASCII, so valid UTF-8. Magnitudes above
// 6.6e35 are written as a mantissa with Decimals decimals and a power of ten
// ("1.5E+36") instead of dozens of zeros; infinities and NaN as "INF",
// "-INF" and "NAN".
std::string FormatTickLabel(long double v, int Decimals);

} // namespace Kepler
