// The canvas's ellipses, pies, arcs, lines and polygons against the rules as
// first written (reference_raster_rules.h): thousands of generated shapes,
// small and large, inside, across and far beyond the bitmap, must come out
// pixel for pixel the same.
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "reference_raster_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace Kepler;

namespace {

// A bitmap and its twin, both filled with the same background.
struct TTwins {
    TBitmap Canvas;
    TBitmap Model;
    TTwins(int w, int h, TColor background) : Canvas(w, h), Model(w, h)
    {
        for (TBitmap* b : {&Canvas, &Model}) {
            b->Canvas().Brush().SetColor(background);
            b->Canvas().FillRect({0, 0, w, h});
        }
    }
    // Where the two differ first, or "" when they are equal.
    std::string FirstDifference() const
    {
        for (int y = 0; y < Canvas.Height(); ++y)
            for (int x = 0; x < Canvas.Width(); ++x)
                if (Canvas.Pixel(x, y) != Model.Pixel(x, y)) {
                    std::ostringstream s;
                    s << "pixel (" << x << ", " << y << ") " << std::hex << Canvas.Pixel(x, y) << " instead of "
                      << Model.Pixel(x, y);
                    return s.str();
                }
        return {};
    }
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : FRandom(seed) {}
    int Int(int from, int to) { return std::uniform_int_distribution<int>(from, to)(FRandom); }
    bool Chance(int percent) { return Int(0, 99) < percent; }
    TColor Colour() { return TColor(Int(0, 0xFFFFFF)); }
    // A coordinate near a bitmap of size n, now and then far away.
    int Coordinate(int n, int far)
    {
        if (Chance(10))
            return Int(-far, far);
        return Int(-n / 2 - 3, n + n / 2 + 3);
    }

private:
    std::mt19937 FRandom;
};

struct TCase {
    int W, H;
    KeplerReference::TDrawing Drawing;
    TColor Background;
};

TCase NewCase(Generator& g, int maxSize)
{
    TCase c;
    c.W = g.Int(1, maxSize);
    c.H = g.Int(1, maxSize);
    c.Drawing.Pen = g.Colour();
    c.Drawing.Brush = g.Colour();
    c.Drawing.BrushSolid = g.Chance(70);
    c.Background = g.Colour();
    return c;
}

void Prepare(TCanvas& canvas, const TCase& c)
{
    canvas.Pen().SetColor(c.Drawing.Pen);
    canvas.Brush().SetColor(c.Drawing.Brush);
    canvas.Brush().SetStyle(c.Drawing.BrushSolid ? bsSolid : bsClear);
}

std::string Describe(const char* what, const std::vector<int>& args, const TCase& c)
{
    std::ostringstream s;
    s << what << "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        s << (i ? ", " : "") << args[i];
    s << ") on " << c.W << "x" << c.H << (c.Drawing.BrushSolid ? ", solid brush" : ", clear brush");
    return s.str();
}

// Sizes of bitmap, reach of the boxes and of the far points.
struct TRange {
    int MaxSize;
    int Far;
    int Cases;
};

const TRange Ranges[] = {{24, 40, 3000}, {64, 2000, 1500}, {400, 1 << 20, 300}};

// A box, or a line's two ends, for `count` arguments: the first corner
// anywhere in reach, the second now and then within 3 pixels of it (thin
// boxes, short lines), the remaining arguments left to the caller.
std::vector<int> NewBox(Generator& g, const TCase& c, const TRange& range, int thinChance, std::size_t count)
{
    std::vector<int> a(count);
    a[0] = g.Coordinate(c.W, range.Far);
    a[1] = g.Coordinate(c.H, range.Far);
    a[2] = g.Chance(thinChance) ? a[0] + g.Int(-3, 3) : g.Coordinate(c.W, range.Far);
    a[3] = g.Chance(thinChance) ? a[1] + g.Int(-3, 3) : g.Coordinate(c.H, range.Far);
    return a;
}

TEST(RasterRulesAgainstTheirModel, PiesAndArcsPutTheSamePixels)
{
    Generator g(20261211);
    for (const TRange& range : Ranges)
        for (int i = 0; i < range.Cases; ++i) {
            const TCase c = NewCase(g, range.MaxSize);
            // Thin boxes and boxes of every size.
            std::vector<int> a = NewBox(g, c, range, 15, 8);
            // Rays: through points near the box, far off, on the centre's
            // row or column, through the centre itself, or both the same.
            const int mx = int((std::int64_t(a[0]) + a[2]) / 2), my = int((std::int64_t(a[1]) + a[3]) / 2);
            for (int k = 4; k < 8; k += 2) {
                switch (g.Int(0, 5)) {
                case 0: a[k] = mx; a[k + 1] = g.Coordinate(c.H, range.Far); break;
                case 1: a[k] = g.Coordinate(c.W, range.Far); a[k + 1] = my; break;
                case 2: a[k] = mx + g.Int(-1, 1); a[k + 1] = my + g.Int(-1, 1); break;
                default: a[k] = g.Coordinate(c.W, range.Far); a[k + 1] = g.Coordinate(c.H, range.Far); break;
                }
            }
            if (g.Chance(5)) {
                a[6] = a[4];
                a[7] = a[5];
            }
            const bool pie = g.Chance(50);
            TTwins t(c.W, c.H, c.Background);
            TCanvas& canvas = t.Canvas.Canvas();
            Prepare(canvas, c);
            if (pie)
                canvas.Pie(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
            else
                canvas.Arc(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
            KeplerReference::DrawEllipticSector(t.Model, c.Drawing, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7],
                                                pie);
            const std::string difference = t.FirstDifference();
            ASSERT_EQ(difference, "") << Describe(pie ? "Pie" : "Arc", a, c);
        }
}

TEST(RasterRulesAgainstTheirModel, EllipsesPutTheSamePixels)
{
    Generator g(4711);
    for (const TRange& range : Ranges)
        for (int i = 0; i < range.Cases; ++i) {
            const TCase c = NewCase(g, range.MaxSize);
            const std::vector<int> a = NewBox(g, c, range, 15, 4);
            TTwins t(c.W, c.H, c.Background);
            Prepare(t.Canvas.Canvas(), c);
            t.Canvas.Canvas().Ellipse(a[0], a[1], a[2], a[3]);
            KeplerReference::Ellipse(t.Model, c.Drawing, a[0], a[1], a[2], a[3]);
            ASSERT_EQ(t.FirstDifference(), "") << Describe("Ellipse", a, c);
        }
}

TEST(RasterRulesAgainstTheirModel, LinesPutTheSamePixels)
{
    Generator g(1609);
    for (const TRange& range : Ranges)
        for (int i = 0; i < range.Cases; ++i) {
            const TCase c = NewCase(g, range.MaxSize);
            const std::vector<int> a = NewBox(g, c, range, 20, 4);
            TTwins t(c.W, c.H, c.Background);
            TCanvas& canvas = t.Canvas.Canvas();
            Prepare(canvas, c);
            canvas.MoveTo(a[0], a[1]);
            canvas.LineTo(a[2], a[3]);
            KeplerReference::Line(t.Model, c.Drawing, a[0], a[1], a[2], a[3]);
            ASSERT_EQ(t.FirstDifference(), "") << Describe("Line", a, c);
        }
}

TEST(RasterRulesAgainstTheirModel, PolygonsPutTheSamePixels)
{
    Generator g(1618);
    for (const TRange& range : Ranges)
        for (int i = 0; i < range.Cases; ++i) {
            const TCase c = NewCase(g, range.MaxSize);
            std::vector<TPoint> points(std::size_t(g.Int(1, 8)));
            std::vector<int> a;
            for (TPoint& p : points) {
                p = {g.Coordinate(c.W, range.Far), g.Coordinate(c.H, range.Far)};
                a.push_back(p.X);
                a.push_back(p.Y);
            }
            TTwins t(c.W, c.H, c.Background);
            Prepare(t.Canvas.Canvas(), c);
            t.Canvas.Canvas().Polygon(points);
            KeplerReference::Polygon(t.Model, c.Drawing, points);
            ASSERT_EQ(t.FirstDifference(), "") << Describe("Polygon", a, c);
        }
}

} // namespace
