#include "canvas_test_support.h"

#include <gtest/gtest.h>

#include <QString>
#include <deque>

using namespace Kepler;

namespace {

using Rows = std::vector<std::string>;

std::string Describe(const Rows& rows)
{
    std::string s = "\n";
    for (const std::string& r : rows)
        s += r + "\n";
    return s;
}

TEST(Canvas, NewCanvasDefaults)
{
    TBitmap b(2, 2);
    const TCanvas& c = b.Canvas();
    EXPECT_EQ(c.Pen().Color(), clBlack);
    EXPECT_EQ(c.Brush().Color(), clWhite);
    EXPECT_EQ(c.Brush().Style(), bsSolid);
    EXPECT_EQ(c.CopyMode(), cmSrcCopy);
    EXPECT_TRUE(c.Font().SameAs(TFont()));
}

TEST(Canvas, BrushColourMakesAClearBrushSolid)
{
    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), bsSolid);
}

// Columns 2..6 and rows 3..5: the right and bottom edges are excluded, the
// outline is the pen, the one interior row the brush.
TEST(CanvasRectangle, CoversTheBoxLessItsRightAndBottomEdge)
{
    const Rows expected = {
        "..........", "..........", "..........", "..#####...", "..#ooo#...",
        "..#####...", "..........", "..........", "..........", "..........",
    };
    SmallCanvas normal;
    normal.Canvas().Rectangle(2, 3, 7, 6);
    EXPECT_EQ(Picture(normal.Bitmap), expected) << Describe(Picture(normal.Bitmap));

    SmallCanvas swapped;
    swapped.Canvas().Rectangle(7, 6, 2, 3);
    EXPECT_EQ(Picture(swapped.Bitmap), expected) << Describe(Picture(swapped.Bitmap));
}

TEST(CanvasRectangle, ClearBrushLeavesTheInsideAlone)
{
    SmallCanvas s;
    s.Canvas().Brush().SetStyle(bsClear);
    s.Canvas().Rectangle(1, 1, 5, 5);
    EXPECT_EQ(s.At(1, 1), '#');
    EXPECT_EQ(s.At(4, 4), '#');
    EXPECT_EQ(s.At(2, 2), '.');
    EXPECT_EQ(s.At(3, 3), '.');
    EXPECT_EQ(s.At(5, 5), '.');
}

TEST(CanvasRectangle, EmptyAndThinBoxes)
{
    SmallCanvas s;
    s.Canvas().Rectangle(3, 1, 3, 8); // no width
    s.Canvas().Rectangle(1, 4, 8, 4); // no height
    EXPECT_EQ(Picture(s.Bitmap), Rows(10, ".........."));

    s.Canvas().Rectangle(5, 1, 6, 4); // one column: all outline
    EXPECT_EQ(s.At(5, 1), '#');
    EXPECT_EQ(s.At(5, 3), '#');
    EXPECT_EQ(s.At(5, 4), '.');
}

TEST(CanvasFillRect, BrushOnlyWithTheSameEdges)
{
    SmallCanvas s;
    s.Canvas().FillRect({1, 1, 4, 3});
    EXPECT_EQ(s.At(1, 1), 'o');
    EXPECT_EQ(s.At(3, 2), 'o');
    EXPECT_EQ(s.At(4, 2), '.');
    EXPECT_EQ(s.At(3, 3), '.');
}

struct Extent {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
};

Extent PaintedExtent(const TBitmap& b)
{
    Extent e;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != clWhite) {
                e.Left = std::min(e.Left, x);
                e.Right = std::max(e.Right, x);
                e.Top = std::min(e.Top, y);
                e.Bottom = std::max(e.Bottom, y);
            }
    return e;
}

// True when the white pixels reachable from the border never touch a brush
// pixel: the outline closes around the fill without gaps.
bool OutlineIsClosed(const TBitmap& b)
{
    const int w = b.Width(), h = b.Height();
    std::vector<char> seen(std::size_t(w * h), 0);
    std::deque<std::pair<int, int>> todo;
    for (int x = 0; x < w; ++x)
        todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
    for (int y = 0; y < h; ++y)
        todo.insert(todo.end(), {{0, y}, {w - 1, y}});
    while (!todo.empty()) {
        auto [x, y] = todo.front();
        todo.pop_front();
        if (x < 0 || y < 0 || x >= w || y >= h || seen[std::size_t(y * w + x)])
            continue;
        seen[std::size_t(y * w + x)] = 1;
        const TColor c = b.Pixel(x, y);
        if (c == kBrush)
            return false;
        if (c != clWhite)
            continue;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    return true;
}

// For every size from 1 to 12 in each direction, an ellipse in the box
// (2, 2, 2 + w, 2 + h) reaches exactly the columns 2..w+1 and rows 2..h+1, is
// mirror-symmetric both ways, and its outline has no gap the fill leaks out of.
TEST(CanvasEllipse, BoundingPixelsSymmetryAndClosedOutline)
{
    for (int w = 1; w <= 12; ++w)
        for (int h = 1; h <= 12; ++h) {
            SmallCanvas s(16, 16);
            s.Canvas().Ellipse(2, 2, 2 + w, 2 + h);
            const Rows pic = Picture(s.Bitmap);
            const Extent e = PaintedExtent(s.Bitmap);
            SCOPED_TRACE(testing::Message() << w << " x " << h << Describe(pic));
            EXPECT_EQ(e.Left, 2);
            EXPECT_EQ(e.Top, 2);
            EXPECT_EQ(e.Right, 1 + w);
            EXPECT_EQ(e.Bottom, 1 + h);
            for (int y = 2; y < 2 + h; ++y)
                for (int x = 2; x < 2 + w; ++x) {
                    const char c = pic[std::size_t(y)][std::size_t(x)];
                    ASSERT_EQ(c, pic[std::size_t(y)][std::size_t(3 + w - x)]) << x << "," << y;
                    ASSERT_EQ(c, pic[std::size_t(3 + h - y)][std::size_t(x)]) << x << "," << y;
                }
            EXPECT_TRUE(OutlineIsClosed(s.Bitmap));
        }
}

TEST(CanvasEllipse, SmallCircleShape)
{
    SmallCanvas s(5, 5);
    s.Canvas().Ellipse(0, 0, 5, 5);
    const Rows expected = {".###.", "#ooo#", "#ooo#", "#ooo#", ".###."};
    EXPECT_EQ(Picture(s.Bitmap), expected) << Describe(Picture(s.Bitmap));
}

TEST(CanvasEllipse, SwappedCornersAndClearBrush)
{
    SmallCanvas a, b;
    a.Canvas().Ellipse(1, 2, 9, 8);
    b.Canvas().Ellipse(9, 8, 1, 2);
    EXPECT_EQ(Picture(a.Bitmap), Picture(b.Bitmap));

    SmallCanvas clear;
    clear.Canvas().Brush().SetStyle(bsClear);
    clear.Canvas().Ellipse(1, 2, 9, 8);
    EXPECT_EQ(clear.At(5, 5), '.');
    EXPECT_EQ(clear.At(1, 5), '#');
}

// Start and end on the same ray, even at different distances from the
// centre, give the whole ellipse.
TEST(CanvasPie, SameRayGivesTheWholeEllipse)
{
    SmallCanvas ellipse, pie, arc, outline;
    ellipse.Canvas().Ellipse(0, 0, 10, 10);
    pie.Canvas().Pie(0, 0, 10, 10, 10, 5, 7, 5);
    EXPECT_EQ(Picture(pie.Bitmap), Picture(ellipse.Bitmap)) << Describe(Picture(pie.Bitmap));

    outline.Canvas().Brush().SetStyle(bsClear);
    outline.Canvas().Ellipse(0, 0, 10, 10);
    arc.Canvas().Arc(0, 0, 10, 10, 3, 0, 1, -5); // both up-left, (-2, -5) from the centre
    EXPECT_EQ(Picture(arc.Bitmap), Picture(outline.Bitmap)) << Describe(Picture(arc.Bitmap));
}

// From the right ray counterclockwise to the left ray runs over the top: the
// upper half, rows 0..4 of the box (0, 0, 10, 10) whose centre is (5, 5), with
// the two radii along row 4; swapping the rays gives the lower half.
TEST(CanvasPie, CounterclockwiseOverTheTop)
{
    SmallCanvas upper;
    upper.Canvas().Pie(0, 0, 10, 10, 10, 5, 0, 5);
    SmallCanvas ellipse;
    ellipse.Canvas().Ellipse(0, 0, 10, 10);
    const Rows u = Picture(upper.Bitmap);
    const Rows full = Picture(ellipse.Bitmap);
    SCOPED_TRACE(Describe(u));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(u[y][x] == '.', full[y][x] == '.') << x << "," << y;
    EXPECT_EQ(u[4], "##########");
    EXPECT_EQ(u[2][5], 'o');
    for (int y = 5; y < 10; ++y)
        EXPECT_EQ(u[y], "..........");

    SmallCanvas lower;
    lower.Canvas().Pie(0, 0, 10, 10, 0, 5, 10, 5);
    const Rows l = Picture(lower.Bitmap);
    EXPECT_EQ(l[4], "..........") << Describe(l);
    EXPECT_EQ(l[5], "##########") << Describe(l);
    EXPECT_EQ(l[7][5], 'o');
}

// A quarter from the right ray to the upward ray fills the upper right only.
TEST(CanvasPie, QuarterStaysInItsQuadrant)
{
    SmallCanvas s;
    s.Canvas().Pie(0, 0, 10, 10, 10, 5, 5, 0);
    const Rows p = Picture(s.Bitmap);
    SCOPED_TRACE(Describe(p));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (x < 5 || y > 4) {
                EXPECT_EQ(p[y][x], '.') << x << "," << y;
            }
    EXPECT_EQ(p[2][7], 'o');
    EXPECT_EQ(p[4][9], '#');
    EXPECT_EQ(p[0][5], '#');
}

// The arc of the 16 x 16 box from the right ray to the 45 degree ray keeps to
// the first eighth: every pixel centre lies at or above the horizontal and at
// or below the diagonal through the centre (8, 8); nothing else is drawn.
TEST(CanvasArc, EighthOfACircle)
{
    SmallCanvas s(16, 16);
    s.Canvas().Arc(0, 0, 16, 16, 16, 8, 16, 0);
    int count = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (s.At(x, y) != '.') {
                ++count;
                EXPECT_EQ(s.At(x, y), '#');
                const double dx = x + 0.5 - 8, up = 8 - (y + 0.5);
                EXPECT_GE(up, 0) << x << "," << y;
                EXPECT_LE(up, dx) << x << "," << y;
            }
    EXPECT_GE(count, 3);
    EXPECT_EQ(s.At(15, 7), '#');
    EXPECT_EQ(s.At(15, 8), '.');
}

TEST(CanvasArc, UpperHalfIsPenOnly)
{
    SmallCanvas s, outline;
    s.Canvas().Arc(0, 0, 10, 10, 10, 5, 0, 5);
    outline.Canvas().Brush().SetStyle(bsClear);
    outline.Canvas().Ellipse(0, 0, 10, 10);
    const Rows p = Picture(s.Bitmap);
    const Rows o = Picture(outline.Bitmap);
    SCOPED_TRACE(Describe(p));
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(p[y], o[y]);
    for (int y = 5; y < 10; ++y)
        EXPECT_EQ(p[y], "..........");
}

// Two squares in one polygon: the region they share is crossed twice and so
// stays empty under even-odd filling, the parts covered once are filled.
TEST(CanvasPolygon, EvenOddLeavesTheOverlapEmpty)
{
    SmallCanvas s(12, 12);
    s.Canvas().Polygon({{1, 1}, {7, 1}, {7, 7}, {1, 7}, {1, 1}, {4, 4}, {10, 4}, {10, 10}, {4, 10}, {4, 4}});
    const Rows p = Picture(s.Bitmap);
    SCOPED_TRACE(Describe(p));
    EXPECT_EQ(p[5][5], '.'); // inside both squares
    EXPECT_EQ(p[6][6], '.');
    EXPECT_EQ(p[2][5], 'o'); // first square only
    EXPECT_EQ(p[8][8], 'o'); // second square only
    EXPECT_EQ(p[1][1], '#');
    EXPECT_EQ(p[7][2], '#'); // edges are outlined including right and bottom
    EXPECT_EQ(p[10][10], '#');
    EXPECT_EQ(p[2][8], '.'); // outside both
}

// A five-pointed star drawn in one stroke: its centre pentagon is enclosed
// twice and stays empty; the points are filled.
TEST(CanvasPolygon, PentagramHasAHole)
{
    SmallCanvas s(21, 21);
    s.Canvas().Pen().SetColor(kBrush); // fill and outline alike, only the hole counts
    s.Canvas().Polygon({{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}});
    const Rows p = Picture(s.Bitmap);
    SCOPED_TRACE(Describe(p));
    EXPECT_EQ(p[11][10], '.');
    EXPECT_EQ(p[10][9], '.');
    EXPECT_EQ(p[4][10], 'o');  // top point
    EXPECT_EQ(p[8][2], 'o');   // left point
    EXPECT_EQ(p[17][15], 'o'); // lower right point
}

// A polygon without area shows as its outline.
TEST(CanvasPolygon, FlatPolygonIsItsOutline)
{
    SmallCanvas s;
    s.Canvas().Polygon({{5, 3}, {5, 1}, {5, 3}, {5, 8}, {5, 8}, {5, 3}});
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(s.At(5, y), y >= 1 && y <= 8 ? '#' : '.') << y;
}

} // namespace
