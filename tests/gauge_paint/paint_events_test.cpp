// Extreme ranges: bounded ticks and short labels.
#include "paint_test_support.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// Values and bounds at the ends of the double range still give a bounded
// number of ticks and short labels.
TEST(ExtremeRangeTest, HugeRangesPaintWithShortLabels)
{
    TMeter m;
    ShowBodyOnly(m);
    m.SetMeterMaxValue(1.7e308);
    m.SetMeterMinValue(-1.7e308);
    const std::vector<SeenLabel> seen = PaintAndRecordLabels(m);
    ASSERT_FALSE(seen.empty());
    EXPECT_LT(seen.size(), 100u);
    for (const SeenLabel& l : seen)
        EXPECT_LT(l.text.size(), 16) << l.text.toStdString();
}

TEST(ExtremeRangeTest, TinyRangeFarFromZero)
{
    TMeter m;
    ShowBodyOnly(m);
    m.SetMeterMaxValue(1e15 + 0.5);
    m.SetMeterMinValue(1e15);
    const std::vector<SeenLabel> seen = PaintAndRecordLabels(m);
    EXPECT_FALSE(seen.empty());
    EXPECT_LT(seen.size(), 100u);
}

} // namespace
