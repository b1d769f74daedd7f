#include "canvas_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace Kepler;

namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet PenPixels(const TBitmap& b)
{
    PixelSet s;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) == kPen)
                s.insert({x, y});
    return s;
}

struct LineCase {
    const char* Direction;
    TPoint End;
    PixelSet Expected;
};

// From (5, 5) three steps in each of the eight directions: the start and the
// two pixels after it are painted, the end point is not.
TEST(CanvasLine, EndPointLeftOutInAllEightDirections)
{
    const LineCase cases[] = {
        {"right", {8, 5}, {{5, 5}, {6, 5}, {7, 5}}},
        {"down-right", {8, 8}, {{5, 5}, {6, 6}, {7, 7}}},
        {"down", {5, 8}, {{5, 5}, {5, 6}, {5, 7}}},
        {"down-left", {2, 8}, {{5, 5}, {4, 6}, {3, 7}}},
        {"left", {2, 5}, {{5, 5}, {4, 5}, {3, 5}}},
        {"up-left", {2, 2}, {{5, 5}, {4, 4}, {3, 3}}},
        {"up", {5, 2}, {{5, 5}, {5, 4}, {5, 3}}},
        {"up-right", {8, 2}, {{5, 5}, {6, 4}, {7, 3}}},
    };
    for (const LineCase& c : cases) {
        SmallCanvas s;
        s.Canvas().MoveTo(5, 5);
        s.Canvas().LineTo(c.End.X, c.End.Y);
        EXPECT_EQ(PenPixels(s.Bitmap), c.Expected) << c.Direction;
        EXPECT_EQ(s.Canvas().PenPos(), c.End) << c.Direction;
    }
}

// A shallow line has one pixel per column, the start's column through the
// column before the end, and drawing it backwards covers the same path with
// the other end left out.
TEST(CanvasLine, ShallowLineIsTheSamePathBothWays)
{
    SmallCanvas forward;
    forward.Canvas().MoveTo(1, 1);
    forward.Canvas().LineTo(8, 4);
    SmallCanvas backward;
    backward.Canvas().MoveTo(8, 4);
    backward.Canvas().LineTo(1, 1);

    PixelSet f = PenPixels(forward.Bitmap);
    PixelSet b = PenPixels(backward.Bitmap);
    EXPECT_EQ(f.size(), 7u);
    EXPECT_EQ(b.size(), 7u);
    EXPECT_FALSE(f.count({8, 4}));
    EXPECT_FALSE(b.count({1, 1}));
    f.insert({8, 4});
    b.insert({1, 1});
    EXPECT_EQ(f, b);
    // One pixel per column, each step moving by at most one row.
    int lastY = 1;
    for (int x = 1; x <= 8; ++x) {
        int count = 0;
        for (int y = 0; y < 10; ++y)
            if (f.count({x, y})) {
                ++count;
                EXPECT_LE(std::abs(y - lastY), 1) << "column " << x;
                lastY = y;
            }
        EXPECT_EQ(count, 1) << "column " << x;
    }
}

TEST(CanvasLine, ZeroLengthPaintsNothingAndLinesChain)
{
    SmallCanvas s;
    s.Canvas().MoveTo(3, 3);
    s.Canvas().LineTo(3, 3);
    EXPECT_TRUE(PenPixels(s.Bitmap).empty());

    // A closed path of lines paints every corner exactly once, as each line
    // starts where the previous one left off.
    s.Canvas().MoveTo(1, 1);
    s.Canvas().LineTo(4, 1);
    s.Canvas().LineTo(4, 4);
    s.Canvas().LineTo(1, 4);
    s.Canvas().LineTo(1, 1);
    EXPECT_EQ(PenPixels(s.Bitmap).size(), 12u);
    EXPECT_EQ(s.At(4, 4), '#');
    EXPECT_EQ(s.At(2, 2), '.');
}

// System colours are resolved when drawn.
TEST(CanvasLine, SystemPenColourIsResolved)
{
    TBitmap b(4, 1);
    b.Canvas().Pen().SetColor(clBtnShadow);
    b.Canvas().MoveTo(0, 0);
    b.Canvas().LineTo(4, 0);
    EXPECT_EQ(b.Pixel(3, 0), ColorToRGB(clBtnShadow));
}

} // namespace
