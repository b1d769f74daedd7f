// The main window's gauge after the needle, rim, anchor and lamp steps:
// which pixels the needle, the rims, the bevel line and the half cap own.
#include "main_window_gauge.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

constexpr TColor kGray = 0x808080;

class MainWindowGaugeFace : public ::testing::Test {
protected:
    void SetUp() override { LoadMainWindowGauge(m); }
    TColor At(int x, int y) const { return m.Face().Pixel(x, y); }
    TMeter m;
    const TColor btnFace = ColorToRGB(clBtnFace);
};

// At 0 the needle is its black outline on column 52 from the tip at row 24
// down to row 60; the half cap covers it from row 61 (the top of the anchor
// box) on. The polygon has no area, so its neighbours are not black.
TEST_F(MainWindowGaugeFace, NeedleAtZeroIsColumn52FromRow24)
{
    m.SetValue(0);
    for (int y = 24; y <= 60; ++y)
        EXPECT_EQ(At(52, y), clBlack) << "row " << y;
    EXPECT_NE(At(52, 23), clBlack);
    EXPECT_NE(At(52, 62), clBlack);
    for (int y = 50; y <= 60; ++y) { // below the label "0.0"
        EXPECT_NE(At(51, y), clBlack) << "row " << y;
        EXPECT_NE(At(53, y), clBlack) << "row " << y;
    }
}

// At +1 and -1 the needle leans 45 degrees to either side; the upright
// column is free again.
TEST_F(MainWindowGaugeFace, NeedleSwingsToBothEnds)
{
    const struct {
        double value;
        int tipX, tipY;
        int midX, midY; // a point on the shaft, halfway to the centre
    } cases[] = {{1, 84, 37, 68, 53}, {-1, 20, 37, 36, 53}};
    for (const auto& c : cases) {
        m.SetValue(c.value);
        EXPECT_EQ(At(c.tipX, c.tipY), clBlack) << "value " << c.value;
        bool shaft = false; // the outline crosses this row within two pixels
        for (int x = c.midX - 2; x <= c.midX + 2; ++x)
            shaft = shaft || At(x, c.midY) == clBlack;
        EXPECT_TRUE(shaft) << "value " << c.value;
        EXPECT_NE(At(52, 40), clBlack) << "value " << c.value;
    }
}

// Rims 3 in the button face colour, each cut by the bevel line: gray on
// row 3 and column 2, white on row 84 and column 102. The outermost ring
// belongs to the frame and is not looked at.
TEST_F(MainWindowGaugeFace, RimsAndBevelLine)
{
    const struct {
        int x, y;
        TColor color;
        const char* what;
    } pixels[] = {
        {1, 40, btnFace, "left rim"},
        {2, 40, kGray, "left bevel, in the column the left rim leaves free"},
        {50, 2, btnFace, "top rim"},
        {50, 3, kGray, "top bevel, first row below the top rim"},
        {102, 3, kGray, "top bevel reaches the right bevel's column"},
        {103, 40, btnFace, "right rim"},
        {102, 40, clWhite, "right bevel, first column of the right rim"},
        {30, 84, clWhite, "bottom bevel left of the foot"},
        {80, 84, clWhite, "bottom bevel right of the foot"},
        {30, 85, btnFace, "bottom rim"},
        {2, 84, clWhite, "bottom-left corner of the bevel"},
    };
    m.SetValue(0);
    for (const auto& p : pixels)
        EXPECT_EQ(At(p.x, p.y), p.color) << p.what << " at (" << p.x << ", " << p.y << ")";
}

// mlCirc90 with a covered anchor and no picture: a half cap on a foot of
// columns 44 to 59 and rows 69 to 83. The bevel path runs around the foot:
// its left edge white, its right edge gray, and the bottom line stops there.
TEST_F(MainWindowGaugeFace, HalfCapOnAFoot)
{
    m.SetValue(0);
    for (int y = 69; y <= 83; ++y) {
        EXPECT_EQ(At(44, y), clWhite) << "foot's left edge, row " << y;
        EXPECT_EQ(At(59, y), kGray) << "foot's right edge, row " << y;
        EXPECT_EQ(At(52, y), btnFace) << "inside the foot, row " << y;
    }
    EXPECT_EQ(At(52, 84), btnFace) << "the bottom bevel line stops at the foot";
    EXPECT_EQ(At(52, 61), clWhite) << "top of the white semicircle";
    EXPECT_EQ(At(52, 65), btnFace) << "inside the half disc";
    // The gray eighth from 0 to 45 degrees lies on the right; the left part
    // of the rim is white only.
    bool grayRight = false, grayLeft = false, whiteLeft = false;
    for (int y = 61; y <= 68; ++y) {
        for (int x = 55; x <= 60; ++x)
            grayRight = grayRight || At(x, y) == kGray;
        for (int x = 43; x <= 48; ++x) {
            grayLeft = grayLeft || At(x, y) == kGray;
            whiteLeft = whiteLeft || At(x, y) == clWhite;
        }
    }
    EXPECT_TRUE(grayRight);
    EXPECT_TRUE(whiteLeft);
    EXPECT_FALSE(grayLeft);
}

// Both lamps are switched off: nothing black or gray in their squares.
TEST_F(MainWindowGaugeFace, NoLamps)
{
    for (double v : {0.0, 1.0, -1.0}) {
        m.SetValue(v);
        for (int left : {11, 84})
            for (int y = 11; y <= 20; ++y)
                for (int x = left; x <= left + 9; ++x) {
                    const TColor c = At(x, y);
                    EXPECT_TRUE(c != clBlack && c != kGray) << "(" << x << ", " << y << ") at " << v;
                }
    }
}

} // namespace
