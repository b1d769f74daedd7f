#include "injected_platform.h"
#include "run_loop.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Kepler;

namespace {

struct WaitCase {
    std::uint32_t Start;
    int DelayMs;
    // How far a message wakes a sleeping wait early; 0: nothing wakes it.
    std::uint32_t WakeAfterMs;
    std::uint32_t EndTick;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const WaitCase& c, std::ostream* os)
{
    *os << "from tick " << c.Start << ", delay " << c.DelayMs << " ms, woken every " << c.WakeAfterMs
           << " ms";
}

class WaitTest : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitTest, ReturnsOnceMoreThanTheDelayHasPassed)
{
    const WaitCase& c = GetParam();
    InjectedPlatform platform;
    platform.Tick = c.Start;
    std::vector<int> sleeps;
    platform.OnWaitForMessages = [&](int ms) {
        sleeps.push_back(ms);
        platform.Tick += c.WakeAfterMs ? c.WakeAfterMs : std::uint32_t(ms);
    };

    WaitWithMessages(c.DelayMs);

    EXPECT_EQ(platform.Tick, c.EndTick);
    EXPECT_GT(std::uint32_t(platform.Tick - c.Start), std::uint32_t(c.DelayMs));
    // Messages are handled before every check, and the wait sleeps between
    // checks instead of spinning: one pass per sleep, plus the last one.
    EXPECT_EQ(platform.ProcessCalls, int(sleeps.size()) + 1);
    ASSERT_FALSE(sleeps.empty());
    EXPECT_EQ(sleeps.front(), c.DelayMs + 1);
}

INSTANTIATE_TEST_SUITE_P(Waits, WaitTest,
    ::testing::Values(
        WaitCase{1000, 0, 0, 1001},
        WaitCase{1000, 500, 0, 1501},
        // Woken every 7 ms: the first check past 500 ms is at 504.
        WaitCase{1000, 500, 7, 1504},
        // Across the counter's wrap from 2^32 - 1 to 0.
        WaitCase{4294967290u, 20, 0, 15},
        WaitCase{4294967290u, 20, 1, 15},
        WaitCase{4294967295u, 0, 0, 0}));

TEST(WaitTest, TimeThatPassedWhileHandlingMessagesCounts)
{
    InjectedPlatform platform;
    platform.Tick = 4294967290u;
    // A long message handler (a nested run, an open box) outlasts the delay.
    platform.OnProcess = [&](int) { platform.Tick += 30; };
    WaitWithMessages(20);
    EXPECT_EQ(platform.ProcessCalls, 1);
    EXPECT_EQ(platform.WaitCalls, 0);
    EXPECT_EQ(platform.Tick, 24u);
}

} // namespace
