// The brush of polygons and ellipses against references written here from
// the drawing rules alone:
// - a polygon's outline is its edges drawn as lines (one pixel per step along
//   the longer axis, the other coordinate nearest the exact line, a half
//   rounding up); its fill is exactly what that outline encloses: the pixels
//   not on it that cannot be reached from outside by steps to the left, right,
//   up or down without crossing it;
// - an ellipse holds the pixels whose centres lie inside the ellipse
//   inscribed in its box; its middle row(s) always reach the box's sides and
//   its middle column(s) its top and bottom.
#include "canvas_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>

using namespace Kepler;

namespace {

using Rows = std::vector<std::string>;
using Pixel = std::pair<int, int>;

std::string Describe(const Rows& rows)
{
    std::string s = "\n";
    for (const std::string& r : rows)
        s += r + "\n";
    return s;
}

// Floor of a / b for b > 0.
std::int64_t FloorDivide(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

std::set<Pixel> EdgePixels(TPoint a, TPoint b)
{
    std::set<Pixel> out;
    const std::int64_t dx = b.X - a.X, dy = b.Y - a.Y;
    if (dx == 0 && dy == 0) {
        out.insert({a.X, a.Y});
        return out;
    }
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    for (std::int64_t k = 0; k <= steps; ++k) {
        // Position k steps along the longer axis; the other coordinate is
        // start + k * minor / steps rounded half up.
        const std::int64_t major = (xMajor ? a.X : a.Y) + k * ((xMajor ? dx : dy) > 0 ? 1 : -1);
        const std::int64_t minorDelta = xMajor ? dy : dx;
        const std::int64_t minor = (xMajor ? a.Y : a.X) + FloorDivide(2 * k * minorDelta + steps, 2 * steps);
        out.insert(xMajor ? Pixel{int(major), int(minor)} : Pixel{int(minor), int(major)});
    }
    return out;
}

// The expected picture of Polygon(points) on a white w by h bitmap with
// every point inside it.
Rows ExpectedPolygon(const std::vector<TPoint>& points, int w, int h)
{
    std::set<Pixel> outline;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const std::set<Pixel> e = EdgePixels(points[i], points[(i + 1) % points.size()]);
        outline.insert(e.begin(), e.end());
    }
    // Flood from a ring one pixel outside the bitmap.
    std::set<Pixel> outside;
    std::vector<Pixel> todo = {{-1, -1}};
    while (!todo.empty()) {
        const Pixel p = todo.back();
        todo.pop_back();
        if (p.first < -1 || p.second < -1 || p.first > w || p.second > h || outline.count(p)
            || !outside.insert(p).second)
            continue;
        todo.insert(todo.end(), {{p.first + 1, p.second},
                                 {p.first - 1, p.second},
                                 {p.first, p.second + 1},
                                 {p.first, p.second - 1}});
    }
    Rows rows(std::size_t(h), std::string(std::size_t(w), '.'));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rows[std::size_t(y)][std::size_t(x)] = outline.count({x, y}) ? '#' : outside.count({x, y}) ? '.' : 'o';
    return rows;
}

Rows DrawnPolygon(const std::vector<TPoint>& points, int w, int h)
{
    SmallCanvas s(w, h);
    s.Canvas().Polygon(points);
    return Picture(s.Bitmap);
}

// GCC 12 at -O3 (Release) takes the insertion of "(" in front of a fresh
// string for an overlapping copy of absurd size and warns under -Wrestrict;
// the strings never overlap. Warnings are errors, so that one warning is
// switched off for this function alone.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
std::string PointList(const std::vector<TPoint>& points)
{
    std::string s;
    for (const TPoint& p : points)
        s += "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ") ";
    return s;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

struct ShapeCase {
    const char* Name;
    std::vector<TPoint> Points;
};

// Edges of every slope, both senses of travel, thin and wide shapes.
const ShapeCase kShapes[] = {
    {"shallow triangle", {{1, 1}, {14, 4}, {2, 9}}},
    {"the same backwards", {{2, 9}, {14, 4}, {1, 1}}},
    {"steep triangle", {{3, 0}, {7, 15}, {1, 12}}},
    {"diamond", {{8, 1}, {15, 8}, {8, 15}, {1, 8}}},
    {"slanted quadrilateral", {{2, 2}, {13, 4}, {11, 14}, {1, 11}}},
    {"needle head", {{3, 13}, {12, 2}, {5, 14}, {7, 10}, {4, 12}}},
    {"thin sliver", {{0, 0}, {15, 7}, {14, 8}}},
    {"arrow", {{1, 8}, {8, 1}, {8, 5}, {15, 5}, {15, 11}, {8, 11}, {8, 15}}},
};

TEST(CanvasPolygonFill, TableOfShapesFillsExactlyTheOutlinedInside)
{
    for (const ShapeCase& c : kShapes) {
        const Rows drawn = DrawnPolygon(c.Points, 16, 16);
        EXPECT_EQ(drawn, ExpectedPolygon(c.Points, 16, 16))
            << c.Name << Describe(drawn) << "expected" << Describe(ExpectedPolygon(c.Points, 16, 16));
    }
}

TEST(CanvasPolygonFill, RandomTrianglesFillExactlyTheOutlinedInside)
{
    std::mt19937 gen(20261210);
    std::uniform_int_distribution<int> coord(0, 19);
    int mismatches = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::vector<TPoint> t = {{coord(gen), coord(gen)}, {coord(gen), coord(gen)}, {coord(gen), coord(gen)}};
        const Rows drawn = DrawnPolygon(t, 20, 20);
        const Rows expected = ExpectedPolygon(t, 20, 20);
        if (drawn != expected && ++mismatches <= 3)
            ADD_FAILURE() << PointList(t) << Describe(drawn) << "expected" << Describe(expected);
    }
    EXPECT_EQ(mismatches, 0);
}

// The needle of a 297 by 209 gauge with the half sweep at 0.3: no brush
// pixel outside the outline, none missing inside the head.
TEST(CanvasPolygonFill, GaugeNeedleHasNoHoles)
{
    const std::vector<TPoint> needle = {{90, 102}, {74, 89}, {81, 108}, {86, 105}, {148, 191}, {148, 191}, {86, 105}};
    SmallCanvas s(200, 200);
    s.Canvas().Polygon(needle);
    EXPECT_EQ(Picture(s.Bitmap), ExpectedPolygon(needle, 200, 200));
}

// The reference ellipse rule, in doubled coordinates relative to the box
// centre so that it stays in integers.
bool InEllipse(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h)
{
    const std::int64_t dx = 2 * x + 1 - w, dy = 2 * y + 1 - h;
    if (std::llabs(dx) <= 1 || std::llabs(dy) <= 1)
        return true;
    return dx * dx * h * h + dy * dy * w * w < w * w * h * h;
}

TEST(CanvasEllipseFill, EveryBoxUpTo40FollowsTheCentreRule)
{
    int mismatches = 0;
    for (int w = 1; w <= 40; ++w)
        for (int h = 1; h <= 40; ++h) {
            SmallCanvas s(w + 4, h + 4);
            s.Canvas().Pen().SetColor(kBrush);
            s.Canvas().Ellipse(2, 2, 2 + w, 2 + h);
            const Rows p = Picture(s.Bitmap);
            for (int y = 0; y < h + 4; ++y)
                for (int x = 0; x < w + 4; ++x) {
                    const bool inBox = x >= 2 && y >= 2 && x < 2 + w && y < 2 + h;
                    const bool expected = inBox && InEllipse(x - 2, y - 2, w, h);
                    if ((p[std::size_t(y)][std::size_t(x)] != '.') != expected && ++mismatches <= 3)
                        ADD_FAILURE() << w << " x " << h << " at " << x - 2 << "," << y - 2 << Describe(p);
                }
        }
    EXPECT_EQ(mismatches, 0);
}

// Even-sized boxes lose the corner pixels whose centres lie outside.
TEST(CanvasEllipseFill, EvenBoxesLeaveTheirCornersOut)
{
    {
        SmallCanvas s(4, 4);
        s.Canvas().Ellipse(0, 0, 4, 4);
        const Rows expected = {".##.", "#oo#", "#oo#", ".##."};
        EXPECT_EQ(Picture(s.Bitmap), expected) << Describe(Picture(s.Bitmap));
    }
    {
        SmallCanvas s(4, 12);
        s.Canvas().Ellipse(0, 0, 4, 12);
        const Rows expected = {".##.", ".##.", "#oo#", "#oo#", "#oo#", "#oo#",
                               "#oo#", "#oo#", "#oo#", "#oo#", ".##.", ".##."};
        EXPECT_EQ(Picture(s.Bitmap), expected) << Describe(Picture(s.Bitmap));
    }
    {
        SmallCanvas s(12, 4);
        s.Canvas().Ellipse(0, 0, 12, 4);
        const Rows expected = {"..########..", "##oooooooo##", "##oooooooo##", "..########.."};
        EXPECT_EQ(Picture(s.Bitmap), expected) << Describe(Picture(s.Bitmap));
    }
}

// Pies and arcs share the ellipse: the whole-sweep pie equals the ellipse.
TEST(CanvasEllipseFill, LargeEvenPieMatchesTheRule)
{
    SmallCanvas s(120, 100);
    s.Canvas().Pen().SetColor(kBrush);
    s.Canvas().Pie(0, 0, 120, 100, 120, 50, 120, 50);
    const Rows p = Picture(s.Bitmap);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(p[std::size_t(y)][std::size_t(x)] != '.', InEllipse(x, y, 120, 100)) << x << "," << y;
}

} // namespace
