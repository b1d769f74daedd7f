// Scale background bands, their skip rule, and the full circle of mlCirc360.
#include "dial_model.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A new gauge (297 by 209) turned to a full circle: the geometry is
// recomputed with the default rims, R 87.5 around (148, 104).
class FullCircleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowBodyOnly(m);
        m.SetMeterLayout(mlCirc360);
        m.SetColorSclBkNorm(clOrange);
        m.SetScaleBkVisible(true);
    }
    TMeter m;
};

// With the thresholds on Min and Max, the normal band runs from Max all the
// way round to Min, the same direction: a full ring from 88 out to 92.
TEST_F(FullCircleTest, NormalBandBetweenMinAndMaxIsAFullRing)
{
    m.SetThresholdLow(0);
    m.SetThresholdHigh(1);
    m.Paint();
    ASSERT_EQ(m.ScaleRadius(), 87.5);
    for (int deg = 0; deg < 360; deg += 5) {
        const TPoint p = PolarPixel(m, deg, 90);
        EXPECT_EQ(FacePixel(m, p.X, p.Y), clOrange) << deg << " degrees";
    }
    EXPECT_EQ(CountPixels(m, clLime), 0);
    EXPECT_EQ(CountPixels(m, clRed), 0);
}

// The scale line runs all the way round: every pixel of the dial as the
// model draws it, the line a whole circle from Max round to Min. That the
// circle is there at all is checked on the face as well: its box, radius
// 88 about (148, 104), is touched on all four sides.
TEST_F(FullCircleTest, ScaleLineIsAFullCircle)
{
    m.SetScaleBkVisible(false);
    m.SetAnchorCovered(false);
    m.Paint();
    ExpectDialAsModelled(m, DialModel(m, LinearDialTicks(0, 0.05, 20, 4, 1)).WithoutNeedles());
    const TRect box{148 - 88, 104 - 88, 148 + 88 + 1, 104 + 88};
    EXPECT_TRUE(BoxHasColor(m, {box.Left, box.Top, box.Right, box.Top + 1}, clNavy)) << "top";
    EXPECT_TRUE(BoxHasColor(m, {box.Left, box.Bottom - 1, box.Right, box.Bottom}, clNavy)) << "bottom";
    EXPECT_TRUE(BoxHasColor(m, {box.Left, box.Top, box.Left + 1, box.Bottom}, clNavy)) << "left";
    EXPECT_TRUE(BoxHasColor(m, {box.Right - 1, box.Top, box.Right, box.Bottom}, clNavy)) << "right";
}

// Thresholds inside the scale: three bands in their colours, low from Min
// clockwise to the low threshold, and so on.
TEST_F(FullCircleTest, ThreeBandsInOrder)
{
    m.SetThresholdLow(0.25);
    m.SetThresholdHigh(0.75);
    m.Paint();
    // Min and Max sit at the bottom (270 degrees); values grow clockwise.
    EXPECT_EQ(FacePixel(m, PolarPixel(m, 200, 90).X, PolarPixel(m, 200, 90).Y), clLime);
    EXPECT_EQ(FacePixel(m, PolarPixel(m, 90, 90).X, PolarPixel(m, 90, 90).Y), clOrange);
    EXPECT_EQ(FacePixel(m, PolarPixel(m, 340, 90).X, PolarPixel(m, 340, 90).Y), clRed);
    // Inside the ring the disc blanks the wedges.
    EXPECT_EQ(FacePixel(m, PolarPixel(m, 90, 80).X, PolarPixel(m, 90, 80).Y), clWhite);
}

// Equal thresholds inside the scale: the normal band has no width and
// leaves no radius line between the low and the high band.
TEST_F(FullCircleTest, EqualThresholdsLeaveOutTheNormalBand)
{
    m.SetThresholdHigh(0.5);
    m.SetThresholdLow(0.5);
    m.Paint();
    ASSERT_EQ(m.ThresholdLow(), m.ThresholdHigh());
    EXPECT_EQ(CountPixels(m, clOrange), 0);
}

// ScaleBkWidth reaches inward in percent of the radius.
TEST_F(FullCircleTest, BandWidthReachesInward)
{
    m.SetThresholdLow(0);
    m.SetThresholdHigh(1);
    m.SetScaleBkWidth(50);
    m.Paint();
    EXPECT_EQ(FacePixel(m, PolarPixel(m, 90, 50).X, PolarPixel(m, 90, 50).Y), clOrange);
    EXPECT_EQ(FacePixel(m, PolarPixel(m, 90, 40).X, PolarPixel(m, 90, 40).Y), clWhite);
}

// On the full circle, a band that goes (nearly) all the way round still
// shows as the whole ring, while the sliver beside it is left out.
TEST_F(FullCircleTest, NearlyFullBandStaysAWholeRing)
{
    m.SetColorSclBkHigh(RGB(1, 2, 3));
    m.SetThresholdLow(0);
    m.SetThresholdHigh(0.99999);
    m.Paint();
    for (int deg = 0; deg < 360; deg += 5) {
        const TPoint p = PolarPixel(m, deg, 90);
        EXPECT_EQ(FacePixel(m, p.X, p.Y), clOrange) << deg << " degrees";
    }
    EXPECT_EQ(CountPixels(m, RGB(1, 2, 3)), 0);
}

} // namespace
