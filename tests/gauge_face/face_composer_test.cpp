// The face composer apart from any widget: a face composed from a kept layer
// equals one composed from scratch, pixel for pixel, whatever changed since
// the last composition; every change of what the kept layer shows composes
// it again, and nothing else does.
#include "first_difference.h"
#include "plain_test_platform.h"
#include "KeplerControls/meter_face.h"
#include "system_colors.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

// A test-name-safe form of a case description.
std::string CaseName(const char* description)
{
    std::string s;
    for (const char* p = description; *p; ++p)
        s += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return s;
}

// System colours of a desktop whose button face the test may change.
struct TestSystemColors : TSystemColors {
    TColor ButtonFace = RGB(240, 240, 240);
    std::uint64_t Changes = 0;
    TColor Resolve(TColor c) const override { return c == clBtnFace ? ButtonFace : clBlack; }
    std::uint64_t Version() const override { return Changes; }
};

// A gauge without a widget: its settings, values and events, one composer
// that keeps its layer and one that composes every face from scratch.
struct Gauge {
    int W = 297;
    int H = 209;
    TMeterSettings s;
    TMeterValues v;
    TMeterFaceEvents e;
    TBitmap picture;
    TMeterFaceComposer cached;
    TMeterFaceComposer fresh;
    TBitmap cachedFace;
    TBitmap freshFace;
    TestSystemColors colors;
    TPlainTestPlatform platform;

    Gauge()
    {
        platform.Colors = &colors;
        fresh.SetCaching(false);
        s.FScaleBkVis = true; // the bands too
        s.FCaption = std::string(1, 'V');
        // A picture loaded, not yet named.
        picture.SetSize(40, 30);
        picture.Canvas().Brush().SetColor(RGB(10, 200, 30));
        picture.Canvas().Pen().SetColor(RGB(10, 200, 30));
        picture.Canvas().Rectangle(0, 0, 40, 30);
    }

    ~Gauge() = default;
    Gauge(const Gauge&) = delete;
    Gauge& operator=(const Gauge&) = delete;

    void Geometry() { CalcMeterGeometry(s, W, H); }

    // Composes with both; the cached face is checked against the fresh one.
    ::testing::AssertionResult ComposeBoth()
    {
        const bool a = cached.Compose(W, H, s, v, e, cachedFace);
        const bool b = fresh.Compose(W, H, s, v, e, freshFace);
        if (a != b)
            return ::testing::AssertionFailure() << "one composed, the other did not";
        const std::string diff = FirstDifference(cachedFace, freshFace);
        if (!diff.empty())
            return ::testing::AssertionFailure() << "faces differ at " << diff;
        return ::testing::AssertionSuccess();
    }
};

struct Change {
    const char* name;
    bool staticLayer; // whether the kept layer shows it
    std::function<void(Gauge&)> apply;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const Change& c, std::ostream* os) { *os << c.name; }

const Change kChanges[] = {
    // What the kept layer shows.
    {"ColorBakG", true, [](Gauge& g) { g.s.FColorBakG = clCream; }},
    {"ColorScale", true, [](Gauge& g) { g.s.FColorScale = clRed; }},
    {"ColorSclBkLow", true, [](Gauge& g) { g.s.FLowThreshold = 0.3, g.s.FColorBakGLow = clBlue; }},
    {"ColorSclBkNorm", true, [](Gauge& g) { g.s.FColorBakGNorm = clGreen; }},
    {"ColorSclBkHigh", true, [](Gauge& g) { g.s.FHighThreshold = 0.7, g.s.FColorBakGHigh = clYellow; }},
    {"ScaleBkWidth", true, [](Gauge& g) { g.s.FScaleBakWidth = 40; }},
    {"ScaleBkVisible", true, [](Gauge& g) { g.s.FScaleBkVis = false; }},
    {"ScaleVisible", true, [](Gauge& g) { g.s.FScaleVis = false; }},
    {"MeterScaleLine", true, [](Gauge& g) { g.s.FScaleLine = false; }},
    {"MeterShortTicks", true, [](Gauge& g) { g.s.FShortTicks = false; }},
    {"MeterNrTicks", true, [](Gauge& g) { g.s.FNrTicks = 7; }},
    {"MeterDecPlaces", true, [](Gauge& g) { g.s.FDecPlaces = 3; }},
    {"MeterMinValue", true, [](Gauge& g) { g.s.FMinValue = -2; }},
    {"MeterMaxValue", true, [](Gauge& g) { g.s.FMaxValue = 3; }},
    {"Logarithmic", true, [](Gauge& g) { g.s.FMinValue = 1, g.s.FMaxValue = 1000, g.s.FLogarithmic = true; }},
    {"ThresholdLow", true, [](Gauge& g) { g.s.FLowThreshold = 0.25; }},
    {"ThresholdHigh", true, [](Gauge& g) { g.s.FHighThreshold = 0.75; }},
    {"Caption", true, [](Gauge& g) { g.s.FCaption = "Volt"; }},
    {"FontCaption", true, [](Gauge& g) { g.s.FFontCaption.SetHeight(-20); }},
    {"FontCaption colour", true, [](Gauge& g) { g.s.FFontCaption.SetColor(clRed); }},
    {"Font", true, [](Gauge& g) { g.s.FFont.SetHeight(-16); }},
    {"Font style", true, [](Gauge& g) { g.s.FFont.SetStyle(fsBold); }},
    {"Font colour", true, [](Gauge& g) { g.s.FFont.SetColor(clBlue); }},
    {"BackGroundImg", true, [](Gauge& g) { g.s.BackGroundPicture = &g.picture; }},
    {"BackGroundImg read again", true,
     [](Gauge& g) {
         g.s.BackGroundPicture = &g.picture;
         g.ComposeBoth();
         g.picture.SetPixel(3, 3, clRed);
     }},
    {"BkgndFillMode", true,
     [](Gauge& g) {
         g.s.BackGroundPicture = &g.picture;
         g.ComposeBoth();
         g.s.FBGFillMode = bfTile;
     }},
    {"MeterLayout", true, [](Gauge& g) { g.s.FMeterLayout = mlCirc270, g.Geometry(); }},
    {"size", true, [](Gauge& g) { g.W = 150, g.H = 120, g.Geometry(); }},
    {"rims at the next resize", true, [](Gauge& g) { g.s.FSRim = 30, g.Geometry(); }},
    {"system colours", true,
     [](Gauge& g) {
         // A system colour on the face resolves through the registered source.
         g.s.FColorBakG = clBtnFace;
         g.ComposeBoth();
         g.colors.ButtonFace = RGB(12, 34, 56);
         ++g.colors.Changes;
     }},
    {"Caption in UTF-8", true, [](Gauge& g) { g.s.FCaption = "Grad \xc2\xb0" "C \xc3\xa4"; }},
    {"label handler assigned", true,
     [](Gauge& g) { g.e.OnBeforeDrawScaleLabel = [](TCanvas&, std::string&, int, int) {}; }},
    // What is drawn over it on every composition.
    {"Value", false, [](Gauge& g) { g.v.FValue = 0.6; }},
    {"ValueSec", false, [](Gauge& g) { g.s.FNeedle2Layout.SetVisible(true), g.v.FValue2 = 0.3; }},
    {"limit flags", false, [](Gauge& g) { g.v.FOFL = true, g.v.FUFL = true; }},
    {"NeedleLayout", false, [](Gauge& g) { g.s.FNeedleLayout.SetThickness(5); }},
    {"ColorCover", false, [](Gauge& g) { g.s.FColorCover = clGreen; }},
    {"rims", false, [](Gauge& g) { g.s.FTRim = 30, g.s.FSRim = 2; }},
    {"AnchorSize", false, [](Gauge& g) { g.s.FSizeAnchor = 40; }},
    {"AnchorCovered", false, [](Gauge& g) { g.s.FAnchorCovrd = false; }},
    {"FrameStyle", false, [](Gauge& g) { g.s.FFrameStyle = fsEmbossed; }},
    {"ColorScheme", false, [](Gauge& g) { g.s.FColGrayLine = clBtnShadow, g.s.FColWhiteLine = clBtnHighlight; }},
    {"lamps", false, [](Gauge& g) { g.s.FLimWatLowOn = false, g.s.FLimWatActCol = clBlue; }},
    {"needle handler", false,
     [](Gauge& g) {
         g.e.OnBeforeDrawNeedle = [](TCanvas& c, bool& drawn) {
             c.Brush().SetColor(clRed);
             c.Rectangle(100, 100, 200, 200);
             drawn = true;
         };
     }},
    {"render handler", false,
     [](Gauge& g) { g.e.OnMeterRendered = [](TCanvas& c) { c.LineTo(296, 208); }; }},
};

class FaceComposerChange : public ::testing::TestWithParam<Change> {};

TEST_P(FaceComposerChange, KeptLayerGivesTheSameFaceAndIsComposedAgainOnlyWhenItShowsTheChange)
{
    const Change& c = GetParam();
    Gauge g;
    ASSERT_TRUE(g.ComposeBoth());
    ASSERT_TRUE(g.ComposeBoth());
    EXPECT_EQ(g.cached.StaticCompositions(), 1) << "an unchanged gauge reuses its layer";
    c.apply(g);
    const int before = g.cached.StaticCompositions();
    EXPECT_TRUE(g.ComposeBoth());
    EXPECT_EQ(g.cached.StaticCompositions() - before, c.staticLayer ? 1 : 0);
    EXPECT_TRUE(g.ComposeBoth()) << "once more, unchanged";
}

INSTANTIATE_TEST_SUITE_P(Table, FaceComposerChange, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return CaseName(info.param.name); });

// While a label handler is assigned, labels and caption are composed every
// time: the handler sees every label of every face, and what it changes
// shows as it would without a kept layer.
TEST(FaceComposerTest, LabelHandlerRunsOnEveryFace)
{
    Gauge g;
    int calls = 0;
    g.e.OnBeforeDrawScaleLabel = [&](TCanvas& c, std::string& text, int x, int y) {
        ++calls;
        text = std::string(1, '<').append(text).append(1, '>');
        c.Pen().SetColor(clRed); // the ticks after it are red
        c.Rectangle(x, y, x + 3, y + 3);
    };
    ASSERT_TRUE(g.ComposeBoth()); // 6 labels in each of the two
    g.v.FValue = 0.5;
    ASSERT_TRUE(g.ComposeBoth());
    EXPECT_EQ(calls, 24);
    EXPECT_EQ(g.cached.StaticCompositions(), 1);
}

// The handlers receive the canvas as a composition from scratch leaves it.
TEST(FaceComposerTest, HandlersSeeTheCanvasAsWithoutAKeptLayer)
{
    Gauge g;
    std::vector<std::string> seen;
    g.e.OnBeforeDrawNeedle = [&](TCanvas& c, bool&) {
        seen.push_back(std::to_string(c.Pen().Color()) + " " + std::to_string(c.Brush().Color()) + " "
                       + std::to_string(c.Brush().Style()) + " " + std::to_string(c.PenPos().X) + ","
                       + std::to_string(c.PenPos().Y) + " " + c.Font().Name() + " "
                       + std::to_string(c.Font().Height()) + " " + std::to_string(c.CopyMode()));
    };
    ASSERT_TRUE(g.ComposeBoth());
    ASSERT_TRUE(g.ComposeBoth());
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(seen[2], seen[1]);
    EXPECT_EQ(seen[3], seen[1]);
}

// Without a dial nothing is composed and no event is raised.
TEST(FaceComposerTest, NoDialNoFace)
{
    Gauge g;
    g.W = 40;
    g.H = 30;
    g.Geometry();
    int events = 0;
    g.e.OnMeterRendered = [&](TCanvas&) { ++events; };
    EXPECT_FALSE(g.cached.Compose(g.W, g.H, g.s, g.v, g.e, g.cachedFace));
    EXPECT_TRUE(g.cachedFace.Empty());
    EXPECT_EQ(events, 0);
}

} // namespace
