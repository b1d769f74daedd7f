// The needle step on a new gauge (297 by 209, scale 0 to 1) whose geometry
// is computed again with its default rims: centre (148, 191), R = 175. At
// Value 0.5 the needle stands upright on column 148 with its tip at row 20
// and its head reaching down to row 40.
#include "KeplerControls/meter.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

constexpr TColor kShadow = clGreen;
constexpr TColor kSecondary = clRed;

class NeedleStep : public ::testing::Test {
protected:
    void SetUp() override
    {
        m.SetBounds(0, 0, 297, 209);
        m.SetValue(0.5);
    }
    TColor At(int x, int y) const { return m.Face().Pixel(x, y); }
    int Count(TColor c) const
    {
        int n = 0;
        for (int y = 0; y < m.height(); ++y)
            for (int x = 0; x < m.width(); ++x)
                n += At(x, y) == c;
        return n;
    }
    TMeter m;
};

TEST_F(NeedleStep, UprightNeedle)
{
    for (int y = 40; y <= 150; y += 10)
        EXPECT_EQ(At(148, y), clBlack) << "row " << y;
    EXPECT_EQ(At(148, 20), clBlack) << "tip";
    EXPECT_EQ(At(148, 32), clSilver) << "inside the head";
}

// Offsets 3 and 2 put the shadow 3 pixels left of and 2 above the needle,
// under it: the needle's own pixels keep their colours.
TEST_F(NeedleStep, ShadowLiesLeftAndAboveUnderTheNeedle)
{
    m.NeedleLayout().SetShadowColor(kShadow);
    m.NeedleLayout().SetShadowDx(3);
    m.NeedleLayout().SetShadowDy(2);
    for (int y = 40; y <= 150; y += 10) {
        EXPECT_EQ(At(145, y), kShadow) << "shadow shaft, row " << y;
        EXPECT_EQ(At(148, y), clBlack) << "needle shaft, row " << y;
    }
    EXPECT_EQ(At(145, 18), kShadow) << "shadow tip";
    EXPECT_EQ(At(148, 32), clSilver) << "needle head over the shadow's head";
    EXPECT_EQ(At(148, 20), clBlack) << "needle tip";
}

// Both needles upright: the secondary one, drawn first, shows only where its
// larger head sticks out.
TEST_F(NeedleStep, SecondaryNeedleLiesUnderTheMainOne)
{
    TNeedleLayout& sec = m.NeedleLayoutSec();
    sec.SetColorOutline(kSecondary);
    sec.SetColorBody(kSecondary);
    sec.SetHeadSize(40);
    sec.SetHeadMidLeng(40);
    sec.SetVisible(true);
    m.SetValueSec(0.5);
    for (int y = 42; y <= 150; y += 10)
        EXPECT_EQ(At(148, y), clBlack) << "row " << y;
    EXPECT_EQ(At(148, 32), clSilver);
    EXPECT_EQ(At(148, 50), clBlack);
    EXPECT_EQ(At(145, 50), kSecondary) << "the larger head beside the main shaft";
    sec.SetVisible(false);
    EXPECT_EQ(Count(kSecondary), 0);
}

// A handler that sets NeedleDrawn suppresses both needles; what it draws
// stays, except where the rims cover it.
TEST_F(NeedleStep, HandlerThatDrawsTheNeedlesSuppressesBoth)
{
    m.NeedleLayoutSec().SetVisible(true);
    int calls = 0;
    m.OnBeforeDrawNeedle = [&](QObject* sender, TCanvas& canvas, bool& drawn) {
        ++calls;
        EXPECT_EQ(sender, &m);
        EXPECT_FALSE(drawn);
        canvas.SetPixel(100, 100, kSecondary);
        canvas.SetPixel(4, 100, kSecondary); // under the left rim
        drawn = true;
    };
    m.Paint();
    EXPECT_EQ(calls, 1);
    for (int y = 20; y <= 150; y += 2)
        EXPECT_NE(At(148, y), clBlack) << "no main needle, row " << y;
    EXPECT_NE(At(148, 32), clSilver) << "no needle head";
    EXPECT_NE(At(145, 50), clBlack) << "no secondary needle";
    EXPECT_EQ(At(100, 100), kSecondary);
    EXPECT_EQ(At(4, 100), ColorToRGB(clBtnFace));
}

TEST_F(NeedleStep, HandlerThatLeavesNeedleDrawnFalseGetsTheNeedles)
{
    m.OnBeforeDrawNeedle = [](QObject*, TCanvas&, bool&) {};
    m.Paint();
    EXPECT_EQ(At(148, 100), clBlack);
}

// Visible gates only the range events of the main needle.
TEST_F(NeedleStep, InvisibleMainNeedleIsStillDrawn)
{
    m.NeedleLayout().SetVisible(false);
    EXPECT_EQ(At(148, 100), clBlack);
    EXPECT_EQ(At(148, 32), clSilver);
}

// Painting does not clamp: a secondary value of 2 loaded on a scale from -1
// to 1 points straight right, past the end of the scale at 45 degrees.
TEST(NeedleStepLoaded, LoadedSecondaryValueBeyondTheScale)
{
    TMeter m;
    m.BeginLoading();
    m.SetBounds(0, 0, 297, 209);
    m.SetMeterMinValue(-1);
    m.SetMeterMaxValue(1);
    m.SetValueSec(2);
    m.NeedleLayoutSec().SetVisible(true);
    m.NeedleLayoutSec().SetColorOutline(kSecondary);
    m.Loaded();
    // The centre is (148, 191); the needle runs along row 191 to the right.
    EXPECT_EQ(m.Face().Pixel(200, 191), kSecondary);
    EXPECT_EQ(m.Face().Pixel(290, 191), ColorToRGB(clBtnFace)) << "the right rim covers the tip";
}

// OnMeterRendered comes after the lamps: what it draws shows on them.
TEST(MeterRendered, HandlerDrawsOverTheLamps)
{
    TMeter m;
    int calls = 0;
    m.OnMeterRendered = [&](QObject* sender, TCanvas& canvas) {
        ++calls;
        EXPECT_EQ(sender, &m);
        canvas.SetPixel(22, 20, kSecondary); // inside the low lamp
    };
    m.SetValue(0.5);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(m.Face().Pixel(22, 20), kSecondary);
}

} // namespace
