// Round tick spacings from a range and a wanted number of ticks.
#include "meter_test_support.h"
#include "meter_ticks.h"

#include <cmath>
#include <tuple>

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

struct SpacingCase {
    const char* what;
    int n;
    double min, max;
    long double step;
    int subDivisions;
    long double first;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const SpacingCase& c, std::ostream* os) { *os << c.what; }

const SpacingCase kSpacingCases[] = {
    {"quotient exactly 1", 1, 0, 1, 1, 5, 0},
    {"main window gauge, quotient 1", 2, -1, 1, 1, 5, -1},
    {"quotient exactly 2 counts as below 2", 1, 0, 2, 1, 5, 0},
    {"quotient exactly 5 counts as below 5", 1, 0, 5, 2, 4, 0},
    {"quotient exactly 10", 1, 0, 10, 10, 5, 0},
    {"new gauge 0 to 1 with 3 ticks", 3, 0, 1, 0.2L, 4, 0},
    {"logarithmic 1 to 5 uses the linear spacing", 2, 1, 5, 1, 5, 1},
    {"quotient 7 gives 5", 1, 0, 7, 5, 5, 0},
    {"quotient 0.3 gives 0.2", 2, 0, 0.6, 0.2L, 4, 0},
    {"quotient 0.03 gives 0.02", 20, 0, 0.6, 0.02L, 4, 0},
    {"negative minimum steps up to the grid", 2, -7.3, 2.7, 2, 4, -6},
    {"a minimum just above a grid value keeps it", 2, -6.001, 3.999, 2, 4, -6},
    {"a large range", 4, 0, 1e12, 2e11L, 4, 0},
};

class TickSpacingTest : public ::testing::TestWithParam<SpacingCase> {};

TEST_P(TickSpacingTest, PicksOneTwoOrFiveTimesAPowerOfTen)
{
    const SpacingCase& c = GetParam();
    const TTickSpacing s = CalcTickSpacing(c.n, c.max, c.min);
    EXPECT_NEAR(s.TickStep, c.step, c.step * 1e-17L);
    EXPECT_EQ(s.SubDivisions, c.subDivisions);
    EXPECT_NEAR(s.FirstTick, c.first, c.step * 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(Quotients, TickSpacingTest, ::testing::ValuesIn(kSpacingCases),
                         [](const auto& info) { return CaseName(info.param.what); });

// Round quotients must give exactly round steps, or the labels drift.
TEST(TickSpacingTest, ExactQuotientsGiveExactSteps)
{
    EXPECT_EQ(CalcTickSpacing(1, 1, 0).TickStep, 1.0L);
    EXPECT_EQ(CalcTickSpacing(1, 2, 0).TickStep, 1.0L);
    EXPECT_EQ(CalcTickSpacing(1, 10, 0).TickStep, 10.0L);
    EXPECT_EQ(CalcTickSpacing(2, 1, -1).FirstTick, -1.0L);
}

// Degenerate input (only raw values while loading can be so) must not give
// a step that later loops could never finish with.
TEST(TickSpacingTest, DegenerateRangesGiveAUsableStep)
{
    for (const auto& [n, max, min] : {std::tuple{2, 1.0, 1.0}, {2, 0.0, 1.0}, {0, 1.0, 0.0}}) {
        const TTickSpacing s = CalcTickSpacing(n, max, min);
        EXPECT_GT(s.TickStep, 0);
        EXPECT_TRUE(std::isfinite(static_cast<double>(s.FirstTick)));
    }
}

} // namespace
