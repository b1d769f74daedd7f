// The main window's gauge composed by the face library alone, from plain
// settings: the pixels the drawing rules fix, as the window's own tests
// check them on the widget. Text comes from a block engine: every byte a
// 4 by 11 block, so the labels' places can be seen.
#include "plain_test_platform.h"
#include "KeplerControls/meter_face.h"
#include "text_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Kepler;

namespace {

constexpr TColor kGray = 0x808080;
constexpr TColor kLabel = clGreen;

// Each byte a block 4 pixels wide, 9 above and 2 below the baseline.
struct BlockText : TTextEngine {
    TTextMetrics LineMetrics(const TFont&) const override { return {9, 2}; }
    int TextWidth(const TFont&, const std::string& text) const override { return 4 * int(text.size()); }
    void DrawText(TBitmap& target, int x, int y, const TFont& font, const std::string& text) const override
    {
        for (int row = y - 9; row < y + 2; ++row)
            for (int col = x; col < x + TextWidth(font, text); ++col)
                target.SetPixel(col, row, font.Color());
    }
};

void SetNeedle(TNeedleStyle& n, int headSize, int headAngle, int headMidLeng, bool visible)
{
    n.SetHeadSize(headSize);
    n.SetHeadAngle(headAngle);
    n.SetHeadMidLeng(headMidLeng);
    n.SetThickness(1);
    n.SetColorBody(clSilver);
    n.SetColorOutline(clBlack);
    n.SetPercentNeedleLength(100);
    n.SetVisible(visible);
}

// The window's gauge: 105 by 87, its geometry computed while the rims still
// had the constructor's values, then rims of 3 and the window's settings.
TMeterSettings MainWindowGauge()
{
    TMeterSettings s;
    CalcMeterGeometry(s, 105, 87);
    s.FTRim = s.FBRim = s.FSRim = 3;
    s.FSizeAnchor = 8;
    s.FColorBakGHigh = clBlue;
    s.FLimWatHighOn = s.FLimWatLowOn = false;
    s.FMinValue = s.FLowThreshold = -1;
    s.FMaxValue = s.FHighThreshold = 1;
    s.FNrTicks = 2;
    s.FShortTicks = false;
    s.FScaleBkVis = true;
    s.FFont.SetColor(kLabel);
    SetNeedle(s.FNeedleLayout, 6, 6, 6, true);
    SetNeedle(s.FNeedle2Layout, 5, 30, 20, false);
    return s;
}

class MainWindowFace : public ::testing::Test {
protected:
    void SetUp() override { platform.Text = &text; }

    // The face at a value; without needles when a handler takes them over.
    const TBitmap& Face(double value, bool needles = true)
    {
        TMeterValues v;
        v.FValue = value;
        TMeterFaceEvents e;
        if (!needles)
            e.OnBeforeDrawNeedle = [](TCanvas&, bool& drawn) { drawn = true; };
        e.OnBeforeDrawScaleLabel = [this](TCanvas&, std::string& label, int x, int y) {
            labels.push_back(label + " " + std::to_string(x) + " " + std::to_string(y));
        };
        labels.clear();
        EXPECT_TRUE(composer.Compose(105, 87, s, v, e, face));
        return face;
    }
    TColor At(int x, int y) const { return face.Pixel(x, y); }

    BlockText text;
    TPlainTestPlatform platform;
    TMeterSettings s = MainWindowGauge();
    TMeterFaceComposer composer;
    TBitmap face;
    std::vector<std::string> labels;
    const TColor btnFace = ColorToRGB(clBtnFace);
};

TEST_F(MainWindowFace, GeometryOfTheConstructorsRims)
{
    EXPECT_EQ(s.FMeterAngle, 90);
    EXPECT_NEAR(s.FMeterRadius, 48.783, 5e-4);
    EXPECT_EQ(s.FMeterCenterX, 52);
    EXPECT_EQ(s.FMeterCenterY, 69);
}

// fsRaised with csBWG: white up the left and along the top, gray down the
// right and back along the bottom.
TEST_F(MainWindowFace, RaisedFrame)
{
    Face(0, false);
    for (int y = 1; y <= 86; ++y)
        EXPECT_EQ(At(0, y), clWhite) << "column 0, row " << y;
    for (int x = 0; x <= 103; ++x)
        EXPECT_EQ(At(x, 0), clWhite) << "row 0, column " << x;
    for (int y = 0; y <= 85; ++y)
        EXPECT_EQ(At(104, y), kGray) << "column 104, row " << y;
    for (int x = 1; x <= 104; ++x)
        EXPECT_EQ(At(x, 86), kGray) << "row 86, column " << x;
}

// Straight up from the centre: the orange ring, then the scale line and the
// main tick at 90 degrees (rows 20 to 27; its end point, row 28, stays white).
// The 45 degree tick runs from (86, 35) towards (81, 40), end point excluded.
// The bands on the scale's ends have no width and are not drawn.
TEST_F(MainWindowFace, RingScaleLineAndTicks)
{
    Face(0, false);
    EXPECT_EQ(At(52, 15), clWhite);
    for (int y = 16; y <= 19; ++y)
        EXPECT_EQ(At(52, y), clOrange) << "row " << y;
    for (int y = 20; y <= 27; ++y)
        EXPECT_EQ(At(52, y), clNavy) << "row " << y;
    EXPECT_EQ(At(52, 28), clWhite);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(At(86 - k, 35 + k), clNavy) << "step " << k;
    EXPECT_EQ(At(81, 40), clWhite);
    for (int y = 0; y < 87; ++y)
        for (int x = 0; x < 105; ++x)
            ASSERT_TRUE(At(x, y) != clLime && At(x, y) != clBlue) << x << ", " << y;
}

// Each label centred R - dx and R - dy from the centre, the insets measured
// on "1.0" (12 by 11 blocks): dx 21, dy 20.5; the label's box begins half
// its size up and to the left of that point.
TEST_F(MainWindowFace, LabelsCentredByTheInsetRule)
{
    Face(0, false);
    EXPECT_EQ(labels, (std::vector<std::string>{"-1.0 24 44", "0.0 46 36", "1.0 66 44"}));
    for (int y = 36; y <= 46; ++y)
        for (int x = 46; x <= 57; ++x)
            ASSERT_EQ(At(x, y), kLabel) << x << ", " << y;
    EXPECT_EQ(At(45, 40), clWhite);
    EXPECT_EQ(At(58, 40), clWhite);
    EXPECT_EQ(At(50, 35), clWhite);
    EXPECT_EQ(At(50, 47), clWhite);
}

// At 0 the needle is its black outline on column 52 from the tip at row 24
// down to row 60, where the half cap begins; at +1 and -1 its tip lies at
// (84, 37) and (20, 37).
TEST_F(MainWindowFace, Needle)
{
    Face(0);
    for (int y = 24; y <= 60; ++y)
        EXPECT_EQ(At(52, y), clBlack) << "row " << y;
    EXPECT_NE(At(52, 23), clBlack);
    EXPECT_NE(At(52, 62), clBlack);
    for (int y = 50; y <= 60; ++y) {
        EXPECT_NE(At(51, y), clBlack) << "row " << y;
        EXPECT_NE(At(53, y), clBlack) << "row " << y;
    }
    Face(1);
    EXPECT_EQ(At(84, 37), clBlack);
    EXPECT_NE(At(52, 40), clBlack);
    Face(-1);
    EXPECT_EQ(At(20, 37), clBlack);
}

// Rims of 3 in the button face, the bevel line, and the half cap on its
// foot (columns 44 to 59, rows 69 to 83) with a white left and a gray right
// edge; no lamps.
TEST_F(MainWindowFace, RimsBevelHalfCapAndNoLamps)
{
    Face(0);
    const struct {
        int x, y;
        TColor color;
    } pixels[] = {
        {1, 40, btnFace},  {2, 40, kGray},     {50, 2, btnFace},  {50, 3, kGray},   {102, 3, kGray},
        {103, 40, btnFace}, {102, 40, clWhite}, {30, 84, clWhite}, {80, 84, clWhite}, {30, 85, btnFace},
        {2, 84, clWhite},  {52, 84, btnFace},  {52, 61, clWhite}, {52, 65, btnFace},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(At(p.x, p.y), p.color) << "(" << p.x << ", " << p.y << ")";
    for (int y = 69; y <= 83; ++y) {
        EXPECT_EQ(At(44, y), clWhite) << "row " << y;
        EXPECT_EQ(At(59, y), kGray) << "row " << y;
        EXPECT_EQ(At(52, y), btnFace) << "row " << y;
    }
    for (int left : {11, 84})
        for (int y = 11; y <= 20; ++y)
            for (int x = left; x <= left + 9; ++x)
                EXPECT_TRUE(At(x, y) != clBlack && At(x, y) != kGray) << x << ", " << y;
}

} // namespace
