// A face composed over the kept layers, where only what the needles and the
// lamps touch is drawn again, against one composed from scratch: the same
// pixels after any run of changes, whatever lies over the needles (cover
// pictures that AND and OR, lamps, frames, rims far out), whatever became of
// the face in between (drawn on elsewhere, another bitmap) and whichever
// handlers come and go.
#include "first_difference.h"
#include "plain_test_platform.h"
#include "KeplerControls/meter_face.h"
#include "system_colors.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <random>
#include <string>

using namespace Kepler;

namespace {

struct TestSystemColors : TSystemColors {
    TColor ButtonFace = RGB(240, 240, 240);
    std::uint64_t Changes = 0;
    TColor Resolve(TColor c) const override { return c == clBtnFace ? ButtonFace : RGB(90, 90, 90); }
    std::uint64_t Version() const override { return Changes; }
};

// Pixels no picture file would give: the mask keeps some bits of the dial
// and the cover adds others, so the anchor is neither opaque nor clear.
void Stripes(TBitmap& b, int w, int h, std::uint32_t seed)
{
    b.SetSize(w, h);
    std::mt19937 random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor choices[] = {clBlack, clWhite, TColor(random() & 0xFFFFFF), 0x0000FF00, 0x00F0F0F0};
            b.SetPixel(x, y, choices[random() % 5]);
        }
}

// One gauge, two composers: one keeps its layers, one composes from scratch.
struct Pair {
    int W = 297;
    int H = 209;
    TMeterSettings s;
    TMeterValues v;
    TMeterFaceEvents e;
    TBitmap cover, mask;
    TMeterFaceComposer kept;
    TMeterFaceComposer fresh;
    TBitmap keptFace, otherFace, freshFace;
    TestSystemColors colors;
    TPlainTestPlatform platform;
    int composed = 0; // faces composed by both

    Pair()
    {
        platform.Colors = &colors;
        fresh.SetCaching(false);
        Stripes(cover, 21, 15, 1);
        Stripes(mask, 21, 15, 2);
    }

    void Geometry() { CalcMeterGeometry(s, W, H); }

    ::testing::AssertionResult Compose(TBitmap& face)
    {
        const bool a = kept.Compose(W, H, s, v, e, face);
        const bool b = fresh.Compose(W, H, s, v, e, freshFace);
        if (a != b)
            return ::testing::AssertionFailure() << "one composed, the other did not";
        if (!a)
            return ::testing::AssertionSuccess();
        ++composed;
        const std::string diff = FirstDifference(face, freshFace);
        if (!diff.empty())
            return ::testing::AssertionFailure() << "faces differ at " << diff;
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult Compose() { return Compose(keptFace); }
};

// What lies over the needles, in turn; the values then swing across the
// scale and beyond it, lighting and darkening the lamps.
struct Overlay {
    const char* name;
    void (*apply)(Pair&);
    // Settings given after the geometry was computed, as rims given later
    // are drawn with the geometry of before.
    void (*late)(Pair&) = nullptr;
};

const Overlay kOverlays[] = {
    {"a new gauge", [](Pair&) {}},
    {"the main window's gauge",
     [](Pair& p) {
         p.W = 105, p.H = 87;
         p.s.FMinValue = -1, p.s.FLowThreshold = -1;
         p.s.FSRim = p.s.FTRim = p.s.FBRim = 3;
         p.s.FSizeAnchor = 8;
         p.s.FLimWatHighOn = p.s.FLimWatLowOn = false;
         p.s.FNeedleLayout.SetHeadSize(6), p.s.FNeedleLayout.SetHeadAngle(6);
         p.s.FNeedleLayout.SetHeadMidLeng(6), p.s.FNeedleLayout.SetThickness(1);
     }},
    {"a cover picture that ANDs and ORs",
     [](Pair& p) {
         p.s.AnchorPicture = &p.cover;
         p.s.AnchorMask = &p.mask;
         p.s.FNeedleLayout.SetThickness(7);
     }},
    {"a round cap, shadows and a second needle",
     [](Pair& p) {
         p.s.FMeterLayout = mlCirc300;
         p.s.FNeedleLayout.SetShadowDx(4), p.s.FNeedleLayout.SetShadowDy(-3);
         p.s.FNeedle2Layout.SetVisible(true), p.s.FNeedle2Layout.SetThickness(3);
         p.s.FNeedle2Layout.SetShadowDx(-2), p.s.FNeedle2Layout.SetShadowColor(clBtnFace);
     }},
    {"needles reaching over the rims and the lamps",
     [](Pair& p) {
         p.s.FNeedleLayout.SetPercentNeedleLength(140), p.s.FNeedleLayout.SetThickness(9);
         p.s.FTRim = 30, p.s.FSRim = 25, p.s.FBRim = 2;
         p.s.FColorCover = clBtnFace;
     }},
    {"embossed frame, system lines, no anchor",
     [](Pair& p) {
         p.s.FFrameStyle = fsEmbossed;
         p.s.FColGrayLine = clBtnShadow, p.s.FColWhiteLine = clBtnHighlight;
         p.s.FAnchorCovrd = false;
     }},
    {"simple frame on a coloured face", [](Pair& p) { p.s.FFrameStyle = fsSimple, p.s.FColorBakG = clCream; }},
    {"lamps half outside", [](Pair&) {}, [](Pair& p) { p.s.FTRim = -5, p.s.FSRim = -14; }},
    {"lamps far outside", [](Pair&) {}, [](Pair& p) { p.s.FTRim = 2147483600, p.s.FSRim = -2147483600; }},
    {"lamps over each other", [](Pair& p) { p.W = 60; }, [](Pair& p) { p.s.FSRim = 17; }},
    {"lamps partly over each other", [](Pair& p) { p.W = 60; }, [](Pair& p) { p.s.FSRim = 15; }},
};

class KeptLayersOverlay : public ::testing::TestWithParam<Overlay> {};

void PrintTo(const Overlay& o, std::ostream* os) { *os << o.name; }

TEST_P(KeptLayersOverlay, ValuesAndLampsGiveTheFaceFromScratch)
{
    Pair p;
    GetParam().apply(p);
    p.Geometry();
    if (GetParam().late)
        GetParam().late(p);
    const double span = p.s.FMaxValue - p.s.FMinValue;
    const double values[] = {0.5, 1, 0, 0.25, 1.3, -0.4, 0.999, 0.001, 0.5, 0.75};
    for (double f : values) {
        p.v.FValue = p.s.FMinValue + f * span;
        p.v.FValue2 = p.s.FMaxValue - f * span;
        p.v.FOFL = p.v.FValue >= p.s.FHighThreshold;
        p.v.FUFL = p.v.FValue <= p.s.FLowThreshold;
        ASSERT_TRUE(p.Compose()) << "at " << f;
    }
    EXPECT_EQ(p.composed, 10) << "a dial fits";
}

INSTANTIATE_TEST_SUITE_P(Table, KeptLayersOverlay, ::testing::ValuesIn(kOverlays), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

// A face drawn on elsewhere, or another bitmap, is composed whole again.
TEST(KeptLayersFace, DrawnOnElsewhereOrAnotherBitmap)
{
    Pair p;
    p.Geometry();
    ASSERT_TRUE(p.Compose());
    p.keptFace.SetPixel(150, 100, clRed); // where no needle comes
    p.v.FValue = 0.9;
    EXPECT_TRUE(p.Compose());
    p.v.FValue = 0.1;
    EXPECT_TRUE(p.Compose(p.otherFace));
    EXPECT_TRUE(p.Compose());
    p.keptFace.Canvas().Pen().SetColor(clRed);
    p.keptFace.Canvas().MoveTo(0, 0);
    p.keptFace.Canvas().LineTo(296, 208);
    EXPECT_TRUE(p.Compose());
}

// A long run of changes of every kind, drawn at random: each face is the
// one from scratch.
TEST(KeptLayersFace, RandomChangesGiveTheFaceFromScratch)
{
    Pair p;
    p.Geometry();
    std::mt19937 random(34);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const auto fraction = [&] { return double(pick(1601)) / 1000 - 0.3; };
    const TColor colours[] = {clRed, clNavy, clBtnFace, clWhite, clBlack, clLime, clBtnShadow};
    const auto colour = [&] { return colours[pick(7)]; };
    for (int step = 0; step < 2500; ++step) {
        const int what = pick(100);
        std::string did;
        if (what < 40) {
            did = "values";
            p.v.FValue = p.s.FMinValue + fraction() * (p.s.FMaxValue - p.s.FMinValue);
            if (pick(3) == 0)
                p.v.FValue2 = p.s.FMinValue + fraction() * (p.s.FMaxValue - p.s.FMinValue);
        } else if (what < 55) {
            did = "flags";
            p.v.FOFL = pick(2), p.v.FUFL = pick(2);
        } else if (what < 65) {
            did = "needle";
            TNeedleStyle& n = pick(2) ? p.s.FNeedleLayout : p.s.FNeedle2Layout;
            switch (pick(7)) {
            case 0: n.SetThickness(pick(12)); break;
            case 1: n.SetShadowDx(pick(13) - 6), n.SetShadowDy(pick(13) - 6); break;
            case 2: n.SetHeadSize(pick(30)), n.SetHeadAngle(pick(90)); break;
            case 3: n.SetPercentNeedleLength(40 + pick(120)); break;
            case 4: n.SetColorBody(colour()), n.SetColorOutline(colour()), n.SetShadowColor(colour()); break;
            case 5: n.SetVisible(!n.Visible()); break;
            default: n.SetHeadMidLeng(pick(30)); break;
            }
        } else if (what < 85) {
            did = "overlay";
            switch (pick(10)) {
            case 0: p.s.FColorCover = colour(); break;
            case 1: p.s.FAnchorCovrd = !p.s.FAnchorCovrd; break;
            case 2: p.s.FSizeAnchor = pick(60) - 5; break;
            case 3:
                p.s.AnchorPicture = p.s.AnchorPicture ? nullptr : &p.cover;
                p.s.AnchorMask = p.s.AnchorPicture ? &p.mask : nullptr;
                break;
            case 4: p.s.FFrameStyle = TFrameStyle(pick(6)); break;
            case 5: p.s.FLimWatHighOn = pick(2), p.s.FLimWatLowOn = pick(2); break;
            case 6: p.s.FLimWatActCol = colour(), p.s.FLimWatPsvCol = colour(); break;
            case 7: p.s.FColGrayLine = colour(), p.s.FColWhiteLine = colour(); break;
            case 8: p.s.FSRim = pick(40) - 5, p.s.FTRim = pick(40) - 5, p.s.FBRim = pick(40) - 5; break;
            default:
                // The pictures' pixels change, not the pictures named.
                Stripes(p.cover, 15 + pick(10), 11 + pick(8), unsigned(step));
                Stripes(p.mask, p.cover.Width(), p.cover.Height(), unsigned(step) + 7);
                break;
            }
        } else if (what < 90) {
            did = "static";
            switch (pick(3)) {
            case 0: p.s.FColorScale = colour(); break;
            case 1: p.s.FScaleBkVis = !p.s.FScaleBkVis; break;
            default: p.s.FColorBakG = colour(); break;
            }
        } else if (what < 93) {
            did = "layout or size";
            if (pick(2))
                p.s.FMeterLayout = TMeterLayout(pick(6));
            else
                p.W = 40 + pick(300), p.H = 30 + pick(250);
            p.Geometry();
        } else if (what < 95) {
            did = "system colours";
            p.colors.ButtonFace = RGB(pick(256), 200, 100);
            ++p.colors.Changes;
        } else if (what < 97) {
            did = "handler";
            if (p.e.OnBeforeDrawNeedle)
                p.e.OnBeforeDrawNeedle = nullptr;
            else
                p.e.OnBeforeDrawNeedle = [](TCanvas& c, bool&) { c.Rectangle(20, 20, 60, 40); };
        } else {
            did = "drawn on";
            p.keptFace.SetPixel(pick(p.W), pick(p.H), colour());
        }
        ASSERT_TRUE(p.Compose()) << "step " << step << " after " << did;
    }
    EXPECT_GT(p.composed, 2000);
}

} // namespace
