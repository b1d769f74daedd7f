#include "saturating.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Kepler;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Saturating, StopsAtTheEndsOfThe32BitRange)
{
    EXPECT_EQ(SaturatingAdd(2, 3), 5);
    EXPECT_EQ(SaturatingAdd(kMax, 1), kMax);
    EXPECT_EQ(SaturatingAdd(kMax - 1, 1), kMax);
    EXPECT_EQ(SaturatingAdd(kMin, -1), kMin);
    EXPECT_EQ(SaturatingAdd(kMax, kMin), -1);
    EXPECT_EQ(SaturatingSub(kMin, 1), kMin);
    EXPECT_EQ(SaturatingSub(kMax, -1), kMax);
    EXPECT_EQ(SaturatingSub(0, kMin), kMax);
    EXPECT_EQ(SaturatingSub(-5, 3), -8);
    EXPECT_EQ(SaturateToInt32(std::int64_t(kMax) + 1), kMax);
    EXPECT_EQ(SaturateToInt32(std::int64_t(kMin) - 1), kMin);
    EXPECT_EQ(SaturateToInt32(-7), -7);
}

} // namespace
