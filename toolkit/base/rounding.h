#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace Kepler {

// Every pixel coordinate computed from a floating-point value goes through
// these helpers. Results are saturated to the 32-bit range so that absurd
// inputs give an off-screen coordinate instead of undefined behaviour.

namespace detail {
template <typename F>
std::int32_t SaturateToInt32(F v)
{
    if (std::isnan(v))
        return 0;
    if (v >= F(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (v <= F(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}
} // namespace detail

// Nearest integer, an exact half going to the even neighbour
// (215.5 -> 216, 216.5 -> 216, -0.5 -> 0).
inline std::int32_t RoundHalfEven(double v)
{
    double r = std::round(v);                  // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5)   // exact half: pick the even one
        r = 2.0 * std::round(v / 2.0);
    return detail::SaturateToInt32(r);
}
inline std::int32_t RoundHalfEven(long double v)
{
    long double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5L)
        r = 2.0L * std::round(v / 2.0L);
    return detail::SaturateToInt32(r);
}

// Integer part, truncated toward zero.
inline std::int32_t TruncToInt(double v) { return detail::SaturateToInt32(std::trunc(v)); }
inline std::int32_t TruncToInt(long double v) { return detail::SaturateToInt32(std::trunc(v)); }

// Integer part as a floating value (Int(x) of the formulas).
inline double IntPart(double v) { return std::trunc(v); }

} // namespace Kepler
