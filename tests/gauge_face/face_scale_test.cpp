// The face at a screen's pixel ratio, without Qt: the settings of a face r
// times the size, the pictures scaled with it, and the composer that keeps
// its layer per ratio. At ratio 1 nothing changes.
#include "plain_test_platform.h"
#include "KeplerControls/meter_face.h"
#include "meter_face_scale.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Kepler;

namespace {

bool SamePixels(const TBitmap& a, const TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

struct LengthCase {
    int length;
    double ratio;
    int scaled;   // ScaledLength
    int position; // ScaledPosition
};

class ScaledLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(ScaledLengthTest, LengthsRoundAndPositionsTakeThePixelUnderTheCentre)
{
    const LengthCase& c = GetParam();
    EXPECT_EQ(ScaledLength(c.length, c.ratio), c.scaled);
    EXPECT_EQ(ScaledPosition(c.length, c.ratio), c.position);
}

INSTANTIATE_TEST_SUITE_P(Table, ScaledLengthTest,
                         ::testing::Values(LengthCase{52, 1, 52, 52}, LengthCase{-7, 1, -7, -7},
                                           LengthCase{INT_MAX, 1, INT_MAX, INT_MAX},
                                           LengthCase{52, 2, 104, 105}, LengthCase{69, 2, 138, 139},
                                           LengthCase{105, 1.5, 158, 158}, LengthCase{52, 1.5, 78, 78},
                                           LengthCase{3, 1.5, 5, 5}, LengthCase{1, 1.25, 1, 1},
                                           LengthCase{-3, 2, -6, -5},
                                           LengthCase{INT_MAX / 2 + 1, 3, INT_MAX, INT_MAX},
                                           LengthCase{INT_MIN / 2, 3, INT_MIN, INT_MIN}));

// At ratio 1 the settings are the settings; the fonts lose only their
// change handlers.
TEST(ScaledSettingsTest, RatioOneChangesNothing)
{
    TMeterSettings s;
    s.FFont.SetHeight(17);
    bool called = false;
    s.FFont.OnChange = [&called] { called = true; };
    const TMeterSettings d = ScaledMeterSettings(s, 1);
    EXPECT_TRUE(static_cast<const TMeterKeptLayerSettings&>(d) == s);
    EXPECT_EQ(d.FSRim, s.FSRim);
    EXPECT_EQ(d.FSizeAnchor, s.FSizeAnchor);
    EXPECT_EQ(d.FNeedleLayout, s.FNeedleLayout);
    EXPECT_FALSE(d.FFont.OnChange);
    EXPECT_FALSE(called);
}

// Every length scales, angles and percentages stay, the ratio is recorded,
// and the gauge's own fonts never hear of it.
TEST(ScaledSettingsTest, LengthsFontsAndGeometryScale)
{
    TMeterSettings s;
    s.FTRim = 3;
    s.FBRim = 4;
    s.FSRim = 5;
    s.FSizeAnchor = 8;
    s.FNeedleLayout.SetHeadSize(6);
    s.FNeedleLayout.SetHeadMidLeng(7);
    s.FNeedleLayout.SetThickness(1);
    s.FNeedleLayout.SetShadowDx(3);
    s.FNeedleLayout.SetShadowDy(-2);
    s.FNeedleLayout.SetHeadAngle(30);
    s.FNeedleLayout.SetPercentNeedleLength(80);
    s.FNeedle2Layout.SetHeadSize(9);
    s.FFont.SetHeight(-11);
    s.FFontCaption.SetHeight(0); // the default size
    bool called = false;
    s.FFont.OnChange = [&called] { called = true; };
    s.FFontCaption.OnChange = [&called] { called = true; };
    s.FMeterRadius = 48.783;
    s.FMeterCenterX = 52;
    s.FMeterCenterY = 69;

    const TMeterSettings d = ScaledMeterSettings(s, 2);
    EXPECT_FALSE(called);
    EXPECT_EQ(d.FPixelRatio, 2);
    EXPECT_EQ(d.FTRim, 6);
    EXPECT_EQ(d.FBRim, 8);
    EXPECT_EQ(d.FSRim, 10);
    EXPECT_EQ(d.FSizeAnchor, 16);
    EXPECT_EQ(d.FNeedleLayout.HeadSize(), 12);
    EXPECT_EQ(d.FNeedleLayout.HeadMidLeng(), 14);
    EXPECT_EQ(d.FNeedleLayout.Thickness(), 1); // all outline, as at ratio 1
    EXPECT_EQ(d.FNeedleLayout.ShadowDx(), 6);
    EXPECT_EQ(d.FNeedleLayout.ShadowDy(), -4);
    EXPECT_EQ(d.FNeedleLayout.HeadAngle(), 30);
    EXPECT_EQ(d.FNeedleLayout.PercentNeedleLength(), 80);
    EXPECT_EQ(d.FNeedle2Layout.HeadSize(), 18);
    EXPECT_EQ(d.FFont.Height(), -22);
    EXPECT_EQ(d.FFont.Name(), s.FFont.Name());
    EXPECT_EQ(d.FFontCaption.Height(), 2 * TFont::DefaultHeight);
    EXPECT_DOUBLE_EQ(d.FMeterRadius, 97.566);
    EXPECT_EQ(d.FMeterCenterX, 105);
    EXPECT_EQ(d.FMeterCenterY, 139);
    EXPECT_EQ(d.FMeterAngle, s.FMeterAngle);

    // A cell height (positive) scales as well, keeping its sign.
    s.FFont.SetHeight(14);
    EXPECT_EQ(ScaledMeterSettings(s, 1.5).FFont.Height(), 21);
    // A wider body: what lies between the outlines doubles.
    s.FNeedleLayout.SetThickness(4);
    EXPECT_EQ(ScaledMeterSettings(s, 2).FNeedleLayout.Thickness(), 7);
    s.FNeedleLayout.SetThickness(0);
    EXPECT_EQ(ScaledMeterSettings(s, 2).FNeedleLayout.Thickness(), 0);
}

// Pictures: nearest pixel for the cover and its mask, area average for the
// background; at whole ratios both give squares of the picture's pixels.
TEST(ScalePictureTest, WholeRatiosRepeatPixelsFractionalOnesBlendTheSmoothOne)
{
    TBitmap picture(2, 1);
    picture.SetPixel(0, 0, clBlack);
    picture.SetPixel(1, 0, clWhite);
    TBitmap nearest, smooth;
    ScalePicture(picture, 2, nearest);
    SmoothScalePicture(picture, 2, smooth);
    ASSERT_EQ(nearest.Width(), 4);
    ASSERT_EQ(nearest.Height(), 2);
    EXPECT_TRUE(SamePixels(nearest, smooth));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(nearest.Pixel(x, y), x < 2 ? clBlack : clWhite) << x << ", " << y;

    ScalePicture(picture, 1.5, nearest);
    SmoothScalePicture(picture, 1.5, smooth);
    ASSERT_EQ(smooth.Width(), 3);
    ASSERT_EQ(smooth.Height(), 2);
    EXPECT_EQ(nearest.Pixel(1, 0), clBlack); // its centre lies on picture pixel 0
    EXPECT_EQ(smooth.Pixel(0, 0), clBlack);
    EXPECT_EQ(smooth.Pixel(1, 0), RGB(128, 128, 128)); // half of each, 127.5 rounded up
    EXPECT_EQ(smooth.Pixel(2, 0), clWhite);
}

// A gauge without a widget, composed at ratios.
struct ScaledGauge {
    TMeterSettings s;
    TMeterValues v;
    TMeterFaceEvents e;
    TPlainTestPlatform platform;
    TBitmap cover;
    TBitmap mask;

    ScaledGauge()
    {
        s.FScaleBkVis = true;
        // A 6 by 4 cover: red, opaque everywhere.
        cover.SetSize(6, 4);
        cover.Canvas().Brush().SetColor(clRed);
        cover.Canvas().FillRect({0, 0, 6, 4});
        mask.SetSize(6, 4);
        mask.Canvas().Brush().SetColor(clBlack);
        mask.Canvas().FillRect({0, 0, 6, 4});
    }
};

// At ratio 1 the face is the plain composer's, pixel for pixel.
TEST(ScaledFaceComposerTest, RatioOneIsThePlainFace)
{
    ScaledGauge g;
    TScaledFaceComposer scaled;
    TMeterFaceComposer plain;
    TBitmap a, b;
    ASSERT_TRUE(scaled.Compose(297, 209, 1, g.s, g.v, g.e, a));
    ASSERT_TRUE(plain.Compose(297, 209, g.s, g.v, g.e, b));
    EXPECT_TRUE(SamePixels(a, b));
}

// The face is round(r W) by round(r H); the layer that does not move is
// kept while only the values change and composed anew for another ratio.
TEST(ScaledFaceComposerTest, KeepsItsLayerPerRatio)
{
    ScaledGauge g;
    TScaledFaceComposer scaled;
    TBitmap face;
    ASSERT_TRUE(scaled.Compose(297, 209, 2, g.s, g.v, g.e, face));
    EXPECT_EQ(face.Width(), 594);
    EXPECT_EQ(face.Height(), 418);
    EXPECT_EQ(scaled.Composer().StaticCompositions(), 1);
    g.v.FValue = 0.7;
    ASSERT_TRUE(scaled.Compose(297, 209, 2, g.s, g.v, g.e, face));
    EXPECT_EQ(scaled.Composer().StaticCompositions(), 1);
    ASSERT_TRUE(scaled.Compose(297, 209, 1.5, g.s, g.v, g.e, face));
    EXPECT_EQ(face.Width(), 446);
    EXPECT_EQ(face.Height(), 314);
    EXPECT_EQ(scaled.Composer().StaticCompositions(), 2);
}

// The cover picture is drawn at r times its size, centred on the scaled
// dial centre.
TEST(ScaledFaceComposerTest, CoverScalesWithTheFace)
{
    ScaledGauge g;
    g.s.AnchorPicture = &g.cover;
    g.s.AnchorMask = &g.mask;
    TScaledFaceComposer scaled;
    TBitmap face;
    ASSERT_TRUE(scaled.Compose(297, 209, 2, g.s, g.v, g.e, face));
    const int cx = ScaledPosition(g.s.FMeterCenterX, 2), cy = ScaledPosition(g.s.FMeterCenterY, 2);
    // 12 by 8 from (cx - 6, cy - 4).
    for (int y = cy - 4; y < cy + 4; ++y)
        for (int x = cx - 6; x < cx + 6; ++x)
            if (face.Pixel(x, y) != clRed)
                ADD_FAILURE() << x << ", " << y << " is not the cover's";
    EXPECT_NE(face.Pixel(cx - 7, cy), clRed);
    EXPECT_NE(face.Pixel(cx + 6, cy), clRed);
}

// A value change at a ratio redraws only where the needles were and are,
// with the lamps and the part over the needles at their scaled places: the
// faces equal those composed from scratch, with and without a cover, while
// the needles swing across the thresholds and switch the lamps.
TEST(ScaledFaceComposerTest, ValueChangesAtARatioEqualFacesComposedWhole)
{
    for (const double ratio : {1.5, 2.0, 3.0}) {
        for (const bool withCover : {false, true}) {
            ScaledGauge g;
            g.s.FLowThreshold = 0.3;
            g.s.FHighThreshold = 0.7;
            g.s.FNeedle2Layout.SetVisible(true);
            if (withCover) {
                g.s.AnchorPicture = &g.cover;
                g.s.AnchorMask = &g.mask;
            }
            TScaledFaceComposer kept;
            TScaledFaceComposer whole;
            whole.Composer().SetCaching(false);
            TBitmap a, b;
            for (const double value : {0.5, 0.1, 0.95, 0.0, 1.0, 0.31, 0.69, 0.5}) {
                g.v.FValue = value;
                g.v.FValue2 = 1 - value;
                g.v.FUFL = value < g.s.FLowThreshold;
                g.v.FOFL = value > g.s.FHighThreshold;
                ASSERT_TRUE(kept.Compose(297, 209, ratio, g.s, g.v, g.e, a));
                ASSERT_TRUE(whole.Compose(297, 209, ratio, g.s, g.v, g.e, b));
                EXPECT_TRUE(SamePixels(a, b)) << "ratio " << ratio << (withCover ? ", cover" : "")
                                              << ", value " << value;
            }
        }
    }
}

} // namespace
