// The seven outline points of a needle, on the main window's gauge.
#include "main_window_gauge.h"
#include "needle_outline.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

class NeedleOutlineTest : public ::testing::Test {
protected:
    void SetUp() override { LoadMainWindowGauge(m); }
    std::vector<TPoint> OutlineAt(double value) const
    {
        const TMeterPaintValues pv = ComputePaintValues(m.width(), m.height(), m.FaceSettings(), m.FaceValues());
        return NeedleOutline(m.NeedleLayout(), pv.ScaleAngle(value), pv);
    }
    TMeter m;
};

TEST_F(NeedleOutlineTest, GaugeGeometryIsTheOneTheOutlinesAssume)
{
    ExpectMainGaugeGeometry(m);
}

// Upright at 0: the head's narrow flanks and the one-pixel shaft all round
// onto column 52. The shaft's ends come from 51.5 and 52.5, both rounded to
// the even 52, so the polygon has no area.
TEST_F(NeedleOutlineTest, UprightNeedleCollapsesOntoOneColumn)
{
    const std::vector<TPoint> expected{{52, 30}, {52, 24}, {52, 30}, {52, 30}, {52, 69}, {52, 69}, {52, 30}};
    EXPECT_EQ(OutlineAt(0), expected);
}

TEST_F(NeedleOutlineTest, TipsAtBothEndsOfTheScale)
{
    const struct {
        double value;
        TPoint tip;
    } cases[] = {{1, {84, 37}}, {-1, {20, 37}}, {0, {52, 24}}};
    for (const auto& c : cases) {
        const std::vector<TPoint> outline = OutlineAt(c.value);
        ASSERT_EQ(outline.size(), 7u);
        EXPECT_EQ(outline[1], c.tip) << "value " << c.value;
        // The shaft starts at the centre on both sides.
        EXPECT_EQ(outline[4], (TPoint{52, 69})) << "value " << c.value;
        EXPECT_EQ(outline[5], (TPoint{52, 69})) << "value " << c.value;
    }
}

} // namespace
