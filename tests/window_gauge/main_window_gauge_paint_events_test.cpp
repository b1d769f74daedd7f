// Handlers that change the main window's gauge while it paints, and paints
// that draw nothing.
#include "main_window_gauge.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

// A label handler changes a property: the gauge repaints inside the paint.
// The outer paint goes on with its own canvas and settings, and its face,
// copied last, is what shows.
TEST(NestedPaintTest, OuterPaintsFaceIsShown)
{
    TMeter m;
    LoadMainGaugeBody(m);
    const int before = PaintCount(m);
    int calls = 0;
    m.OnBeforeDrawScaleLabel = [&](QObject*, TCanvas&, QString&, int, int) {
        if (++calls == 1)
            m.SetColorScale(clRed); // paints again, raising this event again
    };
    m.Paint();
    EXPECT_EQ(PaintCount(m), before + 2);
    EXPECT_EQ(calls, 6); // three labels in each paint
    // The outer paint had set its navy pen before the change.
    for (int y = 20; y <= 27; ++y)
        EXPECT_EQ(FacePixel(m, 52, y), clNavy) << "row " << y;
    EXPECT_EQ(FacePixel(m, 86 - 1, 35 + 1), clNavy);
}

// A handler may replace or clear itself while it runs.
TEST(NestedPaintTest, HandlerMayClearItself)
{
    TMeter m;
    LoadMainGaugeBody(m);
    int calls = 0;
    m.OnBeforeDrawScaleLabel = [&](QObject*, TCanvas&, QString& text, int, int) {
        ++calls;
        text.clear();
        m.OnBeforeDrawScaleLabel = nullptr;
    };
    m.Paint();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(m.OnBeforeDrawScaleLabel);
}

// A handler that widens the scale while the ticks are drawn must not make
// this paint draw millions of ticks: it keeps the range it started with.
TEST(NestedPaintTest, RangeChangedByAHandlerDoesNotStretchThisPaint)
{
    TMeter m;
    LoadMainGaugeBody(m);
    std::vector<QString> outer;
    int depth = 0;
    m.OnBeforeDrawScaleLabel = [&](QObject*, TCanvas&, QString& text, int, int) {
        if (depth == 0)
            outer.push_back(text);
        ++depth;
        m.SetMeterNrTicks(21);
        m.SetMeterMaxValue(1e9);
        --depth;
    };
    m.Paint();
    EXPECT_EQ(outer, (std::vector<QString>{"-1.0", "0.0", "1.0"}));
}

// No room for a dial: nothing is drawn, no event is raised, the face stays.
TEST(EmptyPaintTest, NoRadiusDrawsNothing)
{
    TMeter m;
    LoadMainGaugeBody(m);
    m.SetRimSide(60); // geometry is recomputed at the next resize only
    m.SetBounds(494, 128, 105, 86);
    ASSERT_LE(m.ScaleRadius(), 0);
    const TColor corner = FacePixel(m, 104, 86);
    int events = 0;
    m.OnBeforeDrawScaleLabel = [&](QObject*, TCanvas&, QString&, int, int) { ++events; };
    m.OnMeterRendered = [&](QObject*, TCanvas&) { ++events; };
    m.Paint();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(FacePixel(m, 104, 86), corner);
}

} // namespace
