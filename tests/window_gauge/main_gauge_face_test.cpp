// The main window's gauge: frame, band ring, scale, main ticks and labels,
// pixel by pixel where the pixels are fixed by the drawing rules.
#include "main_window_gauge.h"
#include "rounding.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

class MainGaugeFaceTest : public ::testing::Test {
protected:
    void SetUp() override { LoadMainGaugeBody(m); }
    TMeter m;
};

// Geometry from the constructor's rims, not the window's rims of 3.
TEST_F(MainGaugeFaceTest, PaintsWithTheGeometryOfTheConstructorsRims)
{
    ExpectMainGaugeGeometry(m);
    ASSERT_EQ(m.Face().Width(), 105);
    ASSERT_EQ(m.Face().Height(), 87);
}

// fsRaised with csBWG: white up the left and along the top, gray down the
// right and back along the bottom; the corners go to the line drawn first.
TEST_F(MainGaugeFaceTest, RaisedFrameIsWhiteTopLeftAndGrayBottomRight)
{
    for (int y = 1; y <= 86; ++y)
        EXPECT_EQ(FacePixel(m, 0, y), clWhite) << "column 0, row " << y;
    for (int x = 0; x <= 103; ++x)
        EXPECT_EQ(FacePixel(m, x, 0), clWhite) << "row 0, column " << x;
    for (int y = 0; y <= 85; ++y)
        EXPECT_EQ(FacePixel(m, 104, y), clGray) << "column 104, row " << y;
    for (int x = 1; x <= 104; ++x)
        EXPECT_EQ(FacePixel(m, x, 86), clGray) << "row 86, column " << x;
}

// Straight up from the centre: the ring's rows, then the scale line and the
// main tick at 90 degrees (rows 20 to 27; its end point, row 28, stays white).
TEST_F(MainGaugeFaceTest, ColumnAboveTheCentreShowsRingScaleLineAndTick)
{
    EXPECT_EQ(FacePixel(m, 52, 15), clWhite);
    for (int y = 16; y <= 19; ++y)
        EXPECT_EQ(FacePixel(m, 52, y), clOrange) << "row " << y;
    for (int y = 20; y <= 27; ++y)
        EXPECT_EQ(FacePixel(m, 52, y), clNavy) << "row " << y;
    EXPECT_EQ(FacePixel(m, 52, 28), clWhite);
}

// The normal band is an orange ring between radius 49 and 53 over the
// quarter from 45 to 135 degrees; outside it the face is white.
TEST_F(MainGaugeFaceTest, NormalBandIsAnOrangeQuarterRing)
{
    for (int deg = 48; deg <= 132; deg += 2) {
        for (double r : {50.5, 51.5})
            EXPECT_EQ(FacePixel(m, PolarPixel(m, deg, r).X, PolarPixel(m, deg, r).Y), clOrange)
                << deg << " degrees, radius " << r;
        const TPoint outside = PolarPixel(m, deg, 54.5);
        EXPECT_EQ(FacePixel(m, outside.X, outside.Y), clWhite) << deg << " degrees, radius 54.5";
    }
    for (int deg : {40, 140}) {
        const TPoint p = PolarPixel(m, deg, 51);
        EXPECT_EQ(FacePixel(m, p.X, p.Y), clWhite) << deg << " degrees, beyond the band";
    }
}

// Both thresholds sit on the scale's ends: the low and high bands have no
// width and are not drawn at all, not even as a radius line.
TEST_F(MainGaugeFaceTest, ZeroWidthBandsLeaveNoPixel)
{
    EXPECT_EQ(CountPixels(m, clLime), 0);
    EXPECT_EQ(CountPixels(m, clBlue), 0);
}

// The 45 degree tick runs from (86, 35) towards (81, 40), end point excluded.
TEST_F(MainGaugeFaceTest, MainTickAt45DegreesIsEightPixelsInward)
{
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(FacePixel(m, 86 - k, 35 + k), clNavy) << "step " << k;
    EXPECT_EQ(FacePixel(m, 81, 40), clWhite);
}

// Three labels, each centred R - dx and R - dy from the centre with the
// insets measured on the label of Max ("1.0") in the gauge's font. The font
// here is not Windows' Tahoma, so the positions are checked by the rule.
TEST_F(MainGaugeFaceTest, ThreeLabelsCentredByTheInsetRule)
{
    const std::vector<SeenLabel> seen = PaintAndRecordLabels(m);
    ASSERT_EQ(Texts(seen), (std::vector<QString>{"-1.0", "0.0", "1.0"}));

    const TextMetrics max = MeasureText(m.Font(), "1.0");
    const double dx = max.width / 2.0 + 15;
    const double dy = max.height / 2.0 + 15;
    const double R = m.ScaleRadius();
    const TColor ink = ColorToRGB(m.Font().Color());
    const int angles[] = {135, 90, 45};
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const double a = angles[i] * std::numbers::pi / 180;
        const int X = RoundHalfEven(52 + (R - dx) * std::cos(a));
        const int Y = RoundHalfEven(69 - (R - dy) * std::sin(a));
        const TextMetrics own = MeasureText(m.Font(), seen[i].text);
        EXPECT_EQ(seen[i].chartX, X - own.width / 2) << seen[i].text.toStdString();
        EXPECT_EQ(seen[i].chartY, Y - own.height / 2) << seen[i].text.toStdString();
        // The text is really drawn there, in the font's colour.
        const TRect box{seen[i].chartX, seen[i].chartY, seen[i].chartX + own.width,
                        seen[i].chartY + own.height};
        EXPECT_TRUE(BoxHasColor(m, box, ink)) << seen[i].text.toStdString();
    }
}

// The label "0.0" over the middle tick, in pixel rows: the insets take the
// classic line height of the 11 pixel Tahoma (13, so dy = 21.5), its centre
// row is Round(69 - (48.783 - 21.5)) = 42, its top 42 - 13 div 2 = 36 and its
// baseline 36 + 11 = 47: the digits fill rows 39 to 46.
TEST_F(MainGaugeFaceTest, MiddleLabelPixelRows)
{
    const std::vector<SeenLabel> seen = PaintAndRecordLabels(m);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1].chartY, 36);
    const TColor ink = ColorToRGB(m.Font().Color());
    int top = 99, bottom = -1;
    // Columns of "0.0" only: "-1.0" ends left of them, "1.0" starts right.
    for (int y = 29; y < 56; ++y)
        for (int x = 45; x < 61; ++x)
            if (FacePixel(m, x, y) == ink) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(top, 39);
    EXPECT_EQ(bottom, 46);
}

} // namespace
