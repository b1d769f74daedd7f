#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

namespace Kepler {

// Integer results beyond the 32-bit range stop at its ends instead of
// wrapping: sums are formed 64 bits wide and then saturated.

constexpr std::int32_t SaturateToInt32(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

constexpr std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b)
{
    return SaturateToInt32(std::int64_t(a) + std::int64_t(b));
}

constexpr std::int32_t SaturatingSub(std::int32_t a, std::int32_t b)
{
    return SaturateToInt32(std::int64_t(a) - std::int64_t(b));
}

} // namespace Kepler
