#include "meter_ticks.h"

#include "decimal_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

namespace Kepler {

// ---------------------------------------------------------------------------
// Value to scale fraction and back

double ScaleFraction(double v, double min, double max, bool logarithmic)
{
    if (logarithmic && v > 0 && min > 0 && max > 0) {
        const double span = std::log(max) - std::log(min);
        return span == 0 ? 0.5 : (std::log(v) - std::log(min)) / span;
    }
    const double span = max - min;
    return span == 0 ? 0.5 : (v - min) / span;
}

double ScaleValueAt(double f, double min, double max, bool logarithmic)
{
    if (logarithmic && min > 0 && max > 0)
        return std::exp(std::log(min) + f * (std::log(max) - std::log(min)));
    return min + f * (max - min);
}

// ---------------------------------------------------------------------------
// Tick spacing and label text

namespace {

// Powers of ten up to 10^22 are exact even in a double, and products and
// quotients of exact values are rounded once.
constexpr long double ExactPowersOfTen[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                            1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L,
                                            1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L};
constexpr int LargestExactPower = 22;

// The decimal exponent of q > 0: the k with 10^k <= q < 10^(k+1). The
// binary exponent gives it to within one; comparisons settle it.
int DecimalExponent(long double q)
{
    int binary = 0;
    std::frexp(q, &binary); // q = m * 2^binary, 0.5 <= m < 1
    // floor((binary - 1) * log10(2)) in integers.
    const long long scaled = static_cast<long long>(binary - 1) * 30103;
    int k = static_cast<int>(scaled >= 0 ? scaled / 100000 : -((-scaled + 99999) / 100000));
    while (PowerOfTen(k + 1) <= q)
        ++k;
    while (PowerOfTen(k) > q)
        --k;
    return k;
}

// A quotient within this factor above a round number counts as that
// number: 10^(1e-10), a hair in the decimal logarithm.
constexpr long double RoundTolerance = 1.000000000230258509325914058956225814L;

} // namespace

long double PowerOfTen(int k)
{
    if (k < 0)
        return 1 / PowerOfTen(-k);
    long double p = 1;
    for (; k > LargestExactPower; k -= LargestExactPower)
        p *= ExactPowersOfTen[LargestExactPower];
    return p * ExactPowersOfTen[k];
}

TTickSpacing CalcTickSpacing(int NrTicks, long double Max, long double Min)
{
    TTickSpacing s;
    if (NrTicks < 1 || !std::isfinite(Min) || !std::isfinite(Max) || !(Min < Max))
        return s;
    const long double q = (Max - Min) / NrTicks;
    if (!(q > 0) || !std::isfinite(q))
        return s;

    // q = mantissa * 10^exponent with the mantissa in [1, 10).
    int exponent = DecimalExponent(q);
    const long double mantissa = q / PowerOfTen(exponent);
    // Just below the next power of ten counts as that power.
    const bool nextPower = mantissa * RoundTolerance > 10;
    if (nextPower)
        ++exponent;
    int base; // 1, 2 or 5: the largest not above the mantissa
    if (nextPower || mantissa < 2 * RoundTolerance) {
        base = 1;
        s.SubDivisions = 5;
    } else if (mantissa < 5 * RoundTolerance) {
        base = 2;
        s.SubDivisions = 4;
    } else {
        base = 5;
        s.SubDivisions = 5;
    }
    // One rounding at most while the power is exact.
    s.TickStep = exponent < 0 ? base / PowerOfTen(-exponent) : base * PowerOfTen(exponent);

    // Step up by repeated addition, as a multiple would round differently.
    long double first = (std::trunc(Min / s.TickStep) - 1) * s.TickStep;
    // "More than 0.001 steps below Min", compared without rounding 0.001:
    // an exact step must not fall on the other side of a boundary it meets.
    while ((Min - first) * 1000 > s.TickStep) {
        const long double next = first + s.TickStep;
        if (next == first) // the step is lost in the magnitude
            break;
        first = next;
    }
    s.FirstTick = first;
    return s;
}

std::vector<long double> LinearMainTicks(const TTickSpacing& sp, long double Max)
{
    std::vector<long double> ticks;
    for (int i = 0; i < MaxMainTicks; ++i) {
        long double v = i * sp.TickStep + sp.FirstTick;
        // A step a hair off its round value can leave the zero tick just
        // below zero, which would read "-0.0".
        if (std::fabs(v) < 1e-9L * sp.TickStep)
            v = 0;
        ticks.push_back(v);
        // Up to 0.001 steps beyond Max, compared as for the first tick.
        if (!(((i + 1) * sp.TickStep + sp.FirstTick - Max) * 1000 <= sp.TickStep))
            break;
    }
    return ticks;
}

namespace {

// The mantissa with the decimals and a power of ten: "1.5E+36".
std::string Scientific(const TDecimalDigits& digits, int decimals)
{
    const TDecimalDigits d = RoundDecimalDigits(digits, decimals + 1);
    std::string s(1, d.Digits[0]);
    if (decimals > 0)
        s.append(1, '.').append(d.Digits, 1);
    char exponent[8];
    const auto r = std::to_chars(exponent, exponent + sizeof exponent, std::abs(d.Exponent));
    s.append(1, 'E').append(1, d.Exponent < 0 ? '-' : '+');
    if (r.ptr - exponent < 2)
        s.append(1, '0');
    return s.append(exponent, r.ptr);
}

} // namespace

std::string FormatTickLabel(long double v, int Decimals)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    const int decimals = std::clamp(Decimals, 0, 18);
    const long double magnitude = std::fabs(v);
    const TDecimalDigits d = SignificantDecimalDigits(magnitude, 18);
    // Beyond this the fixed form would be dozens of zeros long.
    const std::string body = magnitude > 6.6e35L ? Scientific(d, decimals) : FixedDecimalText(d, decimals);
    return v < 0 ? "-" + body : body;
}

} // namespace Kepler
