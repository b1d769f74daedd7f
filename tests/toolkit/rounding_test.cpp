#include "rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace Kepler;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct RoundCase {
    double In;
    std::int32_t Out;
};

// Exact halves go to the even neighbour; everything else to the nearest
// integer; values beyond the int range stop at its ends.
TEST(RoundHalfEven, Table)
{
    const RoundCase cases[] = {
        {215.5, 216},  {216.5, 216},   {-0.5, 0},     {0.5, 0},    {1.5, 2},
        {2.5, 2},      {3.5, 4},       {-1.5, -2},    {-2.5, -2},  {-3.5, -4},
        {2.4999, 2},   {2.5001, 3},    {-2.5001, -3}, {48.783, 49}, {0.0, 0},
        {0.49999999999999994, 0},      {1e300, kMax}, {-1e300, kMin},
        {2147483647.4, kMax},          {-2147483648.4, kMin},
        {std::numeric_limits<double>::infinity(), kMax},
        {-std::numeric_limits<double>::infinity(), kMin},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const RoundCase& c : cases)
        EXPECT_EQ(RoundHalfEven(c.In), c.Out) << "RoundHalfEven(" << c.In << ")";
}

TEST(RoundHalfEven, LongDoubleAgreesOnHalves)
{
    EXPECT_EQ(RoundHalfEven(215.5L), 216);
    EXPECT_EQ(RoundHalfEven(216.5L), 216);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(1e30L), kMax);
}

TEST(TruncToInt, TowardZeroAndSaturating)
{
    const RoundCase cases[] = {
        {2.9, 2}, {-2.9, -2}, {0.99, 0}, {-0.99, 0}, {1e20, kMax}, {-1e20, kMin},
    };
    for (const RoundCase& c : cases)
        EXPECT_EQ(TruncToInt(c.In), c.Out) << "TruncToInt(" << c.In << ")";
    EXPECT_EQ(IntPart(-3.7), -3.0);
    EXPECT_EQ(IntPart(3.7), 3.0);
}

} // namespace
