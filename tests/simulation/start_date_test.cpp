#include "local_date.h"
#include "simulation_state.h"
#include "start_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace Kepler;

namespace {

struct DateCase {
    int Year, Month, Day;
    double DayNumber;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const DateCase& c, std::ostream* os) { *os << c.Year << "-" << c.Month << "-" << c.Day; }

class DayNumberTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DayNumberTest, MatchesTheCalendar)
{
    const DateCase c = GetParam();
    EXPECT_EQ(DayNumberOfDate(c.Year, c.Month, c.Day), c.DayNumber);
}

INSTANTIATE_TEST_SUITE_P(Dates, DayNumberTest,
    ::testing::Values(
        DateCase{1999, 12, 31, 693973.5}, DateCase{2000, 1, 1, 693974.5},
        DateCase{2000, 2, 29, 694033.5}, DateCase{2000, 3, 1, 694034.5},
        DateCase{2024, 2, 28, 702798.5}, DateCase{2024, 2, 29, 702799.5},
        DateCase{2024, 3, 1, 702800.5}, DateCase{2025, 12, 31, 703470.5},
        DateCase{2026, 1, 1, 703471.5}, DateCase{2026, 12, 8, 703812.5},
        // 2100 is no leap year: the century term changes across this boundary.
        DateCase{2100, 2, 28, 730557.5}, DateCase{2100, 3, 1, 730558.5}),
    [](const ::testing::TestParamInfo<DateCase>& info) {
        const DateCase& c = info.param;
        return std::to_string(c.Year) + "_" + std::to_string(c.Month) + "_" + std::to_string(c.Day);
    });

// The month factor 30.6 lies just above 30.6 as a double, so its whole
// products must not truncate to one less. Months 4, 9 and 14 hit them.
TEST(DayNumber, MonthFactorKeepsWholeProducts)
{
    for (int m : {5, 10, 15})
        EXPECT_EQ(std::trunc(30.6 * m), 30.6 * m) << m;
    // 1 April (M = 5), 1 September (M = 10), 1 February (M = 15) follow their
    // predecessors by exactly one day.
    EXPECT_EQ(DayNumberOfDate(2026, 4, 1) - DayNumberOfDate(2026, 3, 31), 1.0);
    EXPECT_EQ(DayNumberOfDate(2026, 9, 1) - DayNumberOfDate(2026, 8, 31), 1.0);
    EXPECT_EQ(DayNumberOfDate(2026, 2, 1) - DayNumberOfDate(2026, 1, 31), 1.0);
}

TEST(DayNumber, ConsecutiveDatesAreConsecutiveFrom1999To2100)
{
    static const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double previous = DayNumberOfDate(1999, 1, 1) - 1;
    for (int y = 1999; y <= 2100; ++y) {
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        for (int m = 1; m <= 12; ++m) {
            const int n = daysIn[m - 1] + (m == 2 && leap ? 1 : 0);
            for (int d = 1; d <= n; ++d) {
                const double dn = DayNumberOfDate(y, m, d);
                ASSERT_EQ(dn, previous + 1) << y << "-" << m << "-" << d;
                previous = dn;
            }
        }
    }
}

class StartDateTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Simulation() = SimulationState{};
    }
};

TEST_F(StartDateTest, SetUpTakesTheGivenDate)
{
    InitSimulationState(TLocalDate{2026, 12, 8});
    const SimulationState& s = Simulation();
    EXPECT_EQ(s.AreaWidth, 433);
    EXPECT_EQ(s.AreaHeight, 433);
    EXPECT_EQ(s.StartYear, 2026);
    EXPECT_EQ(s.StartMonth, 12);
    EXPECT_EQ(s.StartDay, 8);
    EXPECT_EQ(s.DayNumber, 703812.5);
    EXPECT_EQ(s.StepDays, 1.0);
    EXPECT_EQ(s.OrbitScale, 140.0);
    EXPECT_EQ(s.RunState, 0);
}

// The source gives only the calendar date, so a start at 00:01 and one at
// 23:59 cannot differ; the real source must agree with the system's date.
TEST_F(StartDateTest, RealSourceGivesAPlausibleDate)
{
    const TLocalDate d = CurrentLocalDate();
    EXPECT_GE(d.Year, 2000);
    EXPECT_GE(d.Month, 1);
    EXPECT_LE(d.Month, 12);
    EXPECT_GE(d.Day, 1);
    EXPECT_LE(d.Day, 31);
}

} // namespace
