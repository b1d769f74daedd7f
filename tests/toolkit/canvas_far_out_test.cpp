#include "canvas_test_support.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Kepler;

namespace {

constexpr int kFar = 2000000000;
constexpr int kMaxInt = std::numeric_limits<int>::max();
constexpr int kMinInt = std::numeric_limits<int>::min();

// Coordinates near the ends of the int range neither overflow nor run long;
// what crosses the bitmap is drawn there.
TEST(CanvasFarOut, LineThroughTheBitmap)
{
    SmallCanvas s;
    s.Canvas().MoveTo(-kFar, -kFar);
    s.Canvas().LineTo(kFar, kFar);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(s.At(i, i), '#') << i;
    s.Canvas().MoveTo(kMinInt, 3);
    s.Canvas().LineTo(kMaxInt, 3);
    EXPECT_EQ(s.At(0, 3), '#');
    EXPECT_EQ(s.At(9, 3), '#');
    EXPECT_EQ(s.Canvas().PenPos(), (TPoint{kMaxInt, 3}));
}

TEST(CanvasFarOut, HugeShapesCoverTheBitmapWithTheirInside)
{
    SmallCanvas rect, ellipse, pie;
    rect.Canvas().Rectangle(-kFar, -kFar, kFar, kFar);
    ellipse.Canvas().Ellipse(kMinInt, kMinInt, kMaxInt, kMaxInt);
    // The bitmap lies just below the centre (0, 0): in the lower half.
    pie.Canvas().Pie(-kFar, -kFar, kFar, kFar, -kFar, 0, kFar, 0);
    const std::vector<std::string> inside(10, "oooooooooo");
    EXPECT_EQ(Picture(rect.Bitmap), inside);
    EXPECT_EQ(Picture(ellipse.Bitmap), inside);
    // Row 0 lies right under the centre line, where both radii run.
    std::vector<std::string> halfPie = inside;
    halfPie[0] = "##########";
    EXPECT_EQ(Picture(pie.Bitmap), halfPie);
}

// Asserts nothing itself: run under AddressSanitizer and
// UndefinedBehaviorSanitizer, it fails on any overflow or stray access.
TEST(CanvasFarOut, SanitizerRunEverythingElse)
{
    SmallCanvas s;
    TCanvas& c = s.Canvas();
    c.Rectangle(kMinInt, kMinInt, kMaxInt, kMaxInt);
    c.Rectangle(kMaxInt, kMaxInt, kMaxInt - 5, kMaxInt - 5);
    c.Ellipse(kFar, kFar, kFar + 10, kFar + 10);
    c.Pie(kMinInt, kMinInt, kMaxInt, kMaxInt, kMaxInt, kMinInt, kMinInt, kMaxInt);
    c.Arc(-kFar, -kFar, kFar, kFar, 0, 0, 0, 0);
    c.Arc(-kFar, 5, kFar, 6, kFar, 5, -kFar, 5);
    c.Polygon({{kMinInt, kMinInt}, {kMaxInt, 0}, {0, kMaxInt}, {kMinInt, kMaxInt}});
    c.FillRect({kMinInt, kMinInt, kMaxInt, kMaxInt});
    c.TextOut(kMaxInt, kMaxInt, "x");
    c.TextOut(kMinInt, kMinInt, "x");
    c.TextOut(-kFar, 0, "x");
    TBitmap src(3, 3);
    c.StretchDraw({kMinInt, kMinInt, kMaxInt, kMaxInt}, src);
    c.StretchDraw({kMaxInt, kMaxInt, kMinInt, kMinInt}, src);
    c.Draw(kMaxInt, kMaxInt, src);
    c.Draw(kMinInt, kMinInt, src);
}

TEST(CanvasFarOut, EmptyBitmapIgnoresDrawing)
{
    TBitmap b;
    TCanvas& c = b.Canvas();
    c.MoveTo(0, 0);
    c.LineTo(5, 5);
    c.Rectangle(0, 0, 5, 5);
    c.Ellipse(0, 0, 5, 5);
    c.Pie(0, 0, 5, 5, 5, 2, 0, 2);
    c.Polygon({{0, 0}, {4, 0}, {0, 4}});
    c.TextOut(0, 0, "x");
    TBitmap src(2, 2);
    c.Draw(0, 0, src);
    EXPECT_GT(c.TextWidth("x"), 0);
    EXPECT_TRUE(b.Empty());
}

} // namespace
