#include "meter_ticks.h"

#include "rounding.h"

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

TTickSpacing CalcTickSpacing(int NrTicks, long double Max, long double Min)
{
    TTickSpacing s;
    if (NrTicks < 1 || !std::isfinite(Min) || !std::isfinite(Max) || !(Min < Max))
        return s;

    const long double ln10 = std::log(10.0L);
    long double t = std::log((Max - Min) / NrTicks) / ln10;
    long double h = t - std::trunc(t);
    // A quotient a hair off a power of ten counts as that power.
    if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
        h = 0;
        t = RoundHalfEven(t);
    }
    if (t < 0 && h != 0)
        t = t - 1;
    if (h < 0)
        h = h + 1;
    // Now trunc(t) is the decimal exponent and h the log of the mantissa.

    constexpr long double L2 = 0.30102999566398119520L; // log10(2)
    constexpr long double L5 = 0.69897000433601880480L; // log10(5)
    long double e;
    if (h < L2 + 1e-10L) {
        e = std::trunc(t);
        s.SubDivisions = 5;
    } else if (h < L5 + 1e-10L) {
        e = std::trunc(t) + L2;
        s.SubDivisions = 4;
    } else {
        e = std::trunc(t) + L5;
        s.SubDivisions = 5;
    }
    s.TickStep = std::exp(e * ln10);

    // Step up by repeated addition, as a multiple would round differently.
    long double first = (std::trunc(Min / s.TickStep) - 1) * s.TickStep;
    while (Min - first > 0.001L * s.TickStep) {
        const long double next = first + s.TickStep;
        if (next == first) // the step is lost in the magnitude
            break;
        first = next;
    }
    s.FirstTick = first;
    return s;
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

QString FormatTickLabel(long double v, int Decimals)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const int decimals = std::clamp(Decimals, 0, 18);
    const long double magnitude = std::fabs(v);
    const TDecimalDigits d = SignificantDecimalDigits(magnitude, 18);
    // Beyond this the fixed form would be dozens of zeros long.
    const std::string body = magnitude > 6.6e35L ? Scientific(d, decimals) : FixedDecimalText(d, decimals);
    return (v < 0 ? QStringLiteral("-") : QString()) + QString::fromLatin1(body);
}

} // namespace Kepler
