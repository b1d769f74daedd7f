// The seven outline points of a needle.
#include "meter_test_support.h"
#include "needle_outline.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A thick needle pointing right: the shaft's sides lie half the thickness
// above and below the axis, the head flanks spread by the head angle.
TEST(NeedleOutline, ThickNeedlePointingRight)
{
    TMeterPaintValues pv;
    pv.R = 104; // len = 100
    pv.cx = 200;
    pv.cy = 100;
    TNeedleLayout n;
    n.SetPercentNeedleLength(100);
    n.SetThickness(4);
    n.SetHeadSize(10);
    n.SetHeadAngle(90);
    n.SetHeadMidLeng(5);
    // At 0 degrees: ex = 0, ey = 2; the flanks lie 45 degrees off the shaft.
    const std::vector<TPoint> expected{{293, 107}, {300, 100}, {293, 93}, {295, 98},
                                       {200, 98}, {200, 102}, {295, 102}};
    EXPECT_EQ(NeedleOutline(n, 0, pv), expected);
}

} // namespace
