// The tick spacing built from 1, 2 or 5 and an exact power of ten gives the
// same scales as the formula through exp and log that the desktop has
// always used, over thousands of ranges: the same steps, first ticks and
// subdivisions and the same labels at every main tick.
#include "meter_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

// The spacing as the desktop computed it before: the decimal logarithm of
// the quotient split into exponent and mantissa, and the step as
// exp(e * ln 10). Exact enough where long double's exp and log are.
TTickSpacing SpacingThroughExpAndLog(int NrTicks, long double Max, long double Min)
{
    TTickSpacing s;
    const long double ln10 = std::log(10.0L);
    long double t = std::log((Max - Min) / NrTicks) / ln10;
    long double h = t - std::trunc(t);
    if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
        h = 0;
        t = std::nearbyint(t); // halves cannot occur here: t is within 1e-10 of a whole number
    }
    if (t < 0 && h != 0)
        t = t - 1;
    if (h < 0)
        h = h + 1;
    constexpr long double L2 = 0.30102999566398119520L;
    constexpr long double L5 = 0.69897000433601880480L;
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
    long double first = (std::trunc(Min / s.TickStep) - 1) * s.TickStep;
    while (Min - first > 0.001L * s.TickStep)
        first = first + s.TickStep;
    s.FirstTick = first;
    return s;
}

// The main ticks as the desktop drew them before: up to 0.001 steps
// beyond Max, with 0.001 rounded.
std::vector<long double> MainTicksBefore(const TTickSpacing& sp, long double max)
{
    std::vector<long double> ticks;
    for (int i = 0; i < 1000; ++i) {
        long double v = i * sp.TickStep + sp.FirstTick;
        if (std::fabs(v) < 1e-9L * sp.TickStep)
            v = 0;
        ticks.push_back(v);
        if (!((i + 1) * sp.TickStep + sp.FirstTick - max <= 0.001L * sp.TickStep))
            break;
    }
    return ticks;
}

// What a linear scale shows: each main tick's place (as the double the face
// draws it at) and its labels with 0 to 4 decimals, and the places of the
// short ticks.
std::string Scale(const TTickSpacing& sp, const std::vector<long double>& ticks, double min, double max)
{
    std::ostringstream out;
    out << "subdivisions " << sp.SubDivisions << " step " << static_cast<double>(sp.TickStep) << ":";
    for (const long double v : ticks) {
        out << ' ' << static_cast<double>(v);
        for (int d = 0; d <= 4; ++d)
            out << '|' << FormatTickLabel(v, d);
    }
    out << " short:";
    const double ss = static_cast<double>(sp.TickStep / sp.SubDivisions);
    const double start0 = static_cast<double>(sp.FirstTick - sp.TickStep);
    for (int i = 0; i < 5000; ++i) {
        const double v = i * ss + start0;
        if (!(v < min))
            out << ' ' << v;
        if (!((i + 1) * ss + start0 - max <= 0.001 * ss))
            break;
    }
    return out.str();
}

struct Range {
    int n;
    double min, max;
};

// Spans of many mantissas over twenty decades, each from zero, from a
// negative minimum, centred on zero and from an odd offset, with 1 to 21
// ticks; then spans from a fixed pseudo-random sequence.
std::vector<Range> Ranges()
{
    std::vector<Range> ranges;
    const double mantissas[] = {1, 1.2, 1.5, 2, 2.5, 3, 3.3, 4, 4.5, 5, 6, 7, 7.5, 8, 9, 9.99};
    for (int e = -10; e <= 10; ++e)
        for (double m : mantissas) {
            const double span = m * std::pow(10.0, e);
            for (int n = 1; n <= 21; n += 2)
                for (double min : {0.0, -span, -span / 2, 0.37 * span - 1.3})
                    ranges.push_back({n, min, min + span});
        }
    std::uint64_t x = 88172645463325252u;
    for (int i = 0; i < 5000; ++i) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        const double span = double(x % 100000 + 1) * std::pow(10.0, int(x >> 40) % 13 - 8);
        const double min = (double(x >> 20 & 0xFFFF) - 32768) * span / 4096;
        ranges.push_back({int(x >> 50) % 21 + 1, min, min + span});
    }
    return ranges;
}

// Two ranges meet a boundary exactly, where the rounding of the old exp
// decided the side: from -499.5 to 499.5 in one tick, the ticks at -500
// and 500 lie exactly 0.001 steps beyond the ends and belong to the scale;
// the 20-tick range's tick at -0.00085 has a first dropped digit of 5 and
// rounds to "-0.0009". The exact step gives both as the rules say; the old
// one, a hair small, lost the outer ticks and wrote "-0.0008".
bool KnownBoundaryRange(const Range& r)
{
    return (r.n == 1 && r.min == -499.5 && r.max == 499.5) || (r.n == 20 && r.min > -0.000916 && r.min < -0.000915);
}

TEST(TickSpacingExact, AgreesWithTheFormulaThroughExpAndLogOnEveryRange)
{
    const std::vector<Range> ranges = Ranges();
    ASSERT_GT(ranges.size(), 10000u);
    int differences = 0, boundaries = 0;
    for (const Range& r : ranges) {
        const TTickSpacing exactSpacing = CalcTickSpacing(r.n, r.max, r.min);
        const TTickSpacing oldSpacing = SpacingThroughExpAndLog(r.n, r.max, r.min);
        const std::string exact = Scale(exactSpacing, LinearMainTicks(exactSpacing, r.max), r.min, r.max);
        const std::string old = Scale(oldSpacing, MainTicksBefore(oldSpacing, r.max), r.min, r.max);
        if (KnownBoundaryRange(r)) {
            ++boundaries;
            EXPECT_NE(exact, old);
        } else if (exact != old && ++differences <= 5) {
            ADD_FAILURE() << r.n << " ticks from " << r.min << " to " << r.max << ":\n  " << exact << "\n  "
                          << old;
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(boundaries, 2);
}

// The exact step on the two boundary ranges, as the rules define them.
TEST(TickSpacingExact, BoundariesFallWhereTheRulesPutThem)
{
    const TTickSpacing one = CalcTickSpacing(1, 499.5, -499.5);
    EXPECT_EQ(one.FirstTick, -500.0L);
    EXPECT_EQ(LinearMainTicks(one, 499.5), (std::vector<long double>{-500, 0, 500}));
    EXPECT_EQ(FormatTickLabel(-0.00085L, 4), "-0.0009");
}

// Round steps come out exactly round: 1, 2 or 5 times a power of ten as
// the nearest long double, whatever the magnitude.
TEST(TickSpacingExact, StepsAreExactlyRound)
{
    struct Case {
        int n;
        double min, max;
        long double step;
    };
    const Case cases[] = {
        {3, 0, 1, 0.2L},         {2, 0, 0.6, 0.2L},   {20, 0, 0.6, 0.02L}, {1, 0, 7e-7, 5e-7L},
        {4, 0, 1e12, 2e11L},     {1, 0, 3e20, 2e20L}, {2, -1, 1, 1.0L},    {1, 0, 1e-3, 1e-3L},
        {5, 0, 1.5e-300, 2e-301L},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalcTickSpacing(c.n, c.max, c.min).TickStep, c.step) << c.n << " " << c.min << " " << c.max;
}

// Powers of ten as the nearest long double, without exp: the exact ones
// and their reciprocals alike.
TEST(TickSpacingExact, PowersOfTenAreTheNearest)
{
    const long double expected[] = {1e-22L, 1e-15L, 1e-7L, 1e-1L, 1e0L, 1e1L, 1e7L, 1e15L, 1e22L};
    const int exponents[] = {-22, -15, -7, -1, 0, 1, 7, 15, 22};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(PowerOfTen(exponents[i]), expected[i]) << exponents[i];
    EXPECT_EQ(PowerOfTen(44), 1e22L * 1e22L);
}

} // namespace
