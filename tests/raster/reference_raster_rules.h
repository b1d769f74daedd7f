#pragma once
// The raster rules for ellipses, pies, arcs, lines and polygons as they were
// first written, kept as the model the canvas's faster arithmetic is held
// to: wide integers, long double and a division for every pixel. Slow but
// plain; the canvas must put exactly these pixels.
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "pixel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace KeplerReference {

using Kepler::TBitmap;
using Kepler::TColor;
using Kepler::TPoint;
using Kepler::PixelOf;

using i64 = std::int64_t;
__extension__ using i128 = __int128;
using Rgb32 = std::uint32_t;

// What a canvas would draw with.
struct TDrawing {
    TColor Pen = 0;
    TColor Brush = 0xFFFFFF;
    bool BrushSolid = true;
};

inline i128 FloorDiv(i128 num, i128 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    i128 q = num / den;
    if (num % den != 0 && num < 0)
        --q;
    return q;
}

inline i128 CeilDiv(i128 num, i128 den) { return -FloorDiv(-num, den); }

// Clipped pixel writes into the bitmap.
class PixelSink {
public:
    explicit PixelSink(TBitmap& bitmap)
        : FBits(bitmap.Bits()), FW(bitmap.Width()), FH(bitmap.Height())
    {
    }
    i64 Width() const { return FW; }
    i64 Height() const { return FH; }
    void Put(i64 x, i64 y, Rgb32 c)
    {
        if (x < 0 || y < 0 || x >= FW || y >= FH)
            return;
        FBits[y * FW + x] = c;
    }
    void Span(i64 y, i64 x1, i64 x2, Rgb32 c)
    {
        for (i64 x = std::max<i64>(x1, 0); x <= std::min<i64>(x2, FW - 1); ++x)
            Put(x, y, c);
    }

private:
    Rgb32* FBits;
    i64 FW;
    i64 FH;
};

// The pixels of the line from (x0, y0) towards (x1, y1), end point excluded,
// restricted to columns 0..w-1 and rows 0..h-1. One pixel per step along the
// longer axis; the other coordinate is the exact line rounded half up, so the
// path does not depend on the direction the line is drawn in.
template <typename Put>
inline void ForEachLinePixel(i64 x0, i64 y0, i64 x1, i64 y1, i64 w, i64 h, Put put)
{
    const i64 dx = x1 - x0;
    const i64 dy = y1 - y0;
    if (dx == 0 && dy == 0)
        return;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    // Along the major axis: from the start up to one step before the end.
    const i64 m0 = xMajor ? x0 : y0;
    const i64 md = xMajor ? dx : dy;
    const i64 n0 = xMajor ? y0 : x0;
    const i64 nd = xMajor ? dy : dx;
    const i64 last = m0 + md - (md > 0 ? 1 : -1);
    const i64 lo = std::max<i64>(std::min(m0, last), 0);
    const i64 hi = std::min<i64>(std::max(m0, last), (xMajor ? w : h) - 1);
    for (i64 m = lo; m <= hi; ++m) {
        // n = n0 + floor((m - m0) * nd / md + 1/2)
        const i128 n = n0 + FloorDiv(i128(2) * (m - m0) * nd + md, i128(2) * md);
        if (n < 0 || n >= (xMajor ? h : w))
            continue;
        if (xMajor)
            put(m, i64(n));
        else
            put(i64(n), m);
    }
}

// A box normalised to left < right, top < bottom (right and bottom excluded).
struct Box {
    i64 Left, Top, Right, Bottom;
    bool Empty() const { return Left == Right || Top == Bottom; }
};

inline Box Normalised(i64 x1, i64 y1, i64 x2, i64 y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

using real = long double;

// The ellipse inscribed in a box: the pixels whose centres lie inside it.
// Its middle row(s) always reach the box's sides and its middle column(s) the
// top and bottom, so even a very thin ellipse spans its box. It is built from
// one quarter, mirrored about the centre pixels of its halves; an even size
// has two centre columns (rows), each half a pixel off the true centre.
class EllipseShape {
public:
    explicit EllipseShape(const Box& box) : FBox(box)
    {
        if (box.Empty())
            return;
        FW = box.Right - box.Left;
        FH = box.Bottom - box.Top;
        FA = (FW - 1) / 2;
        FB = (FH - 1) / 2;
        FLeftCentre = box.Left + FA;
        FRightCentre = box.Right - 1 - FA;
        FTopCentre = box.Top + FB;
        FBottomCentre = box.Bottom - 1 - FB;
    }

    bool Empty() const { return FBox.Empty(); }
    const Box& Bounds() const { return FBox; }

    // Works out the half widths of rows yFrom..yTo once, for shapes whose
    // rows are asked for again and again.
    void CacheRows(i64 yFrom, i64 yTo)
    {
        FCacheTop = std::max(yFrom, FBox.Top);
        const i64 last = std::min(yTo, FBox.Bottom - 1);
        FCache.clear();
        for (i64 y = FCacheTop; y <= last; ++y)
            FCache.push_back(HalfWidth(RowDy(y)));
    }

    // The columns of row y that belong to the ellipse.
    bool RowSpan(i64 y, i64& left, i64& right) const
    {
        if (Empty() || y < FBox.Top || y >= FBox.Bottom)
            return false;
        const i64 cached = y - FCacheTop;
        const i64 hx = cached >= 0 && cached < i64(FCache.size()) ? FCache[std::size_t(cached)]
                                                                  : HalfWidth(RowDy(y));
        left = FLeftCentre - hx;
        right = FRightCentre + hx;
        return true;
    }

    bool Contains(i64 x, i64 y) const
    {
        i64 l = 0, r = -1;
        return RowSpan(y, l, r) && x >= l && x <= r;
    }

private:
    i64 RowDy(i64 y) const
    {
        return std::max<i64>(y <= FTopCentre ? FTopCentre - y : y - FBottomCentre, 0);
    }

    // Largest dx (columns beyond the centre column) whose pixel centre lies
    // inside. In doubled coordinates from the true centre the pixel centre is
    // X = 2dx, Y = 2dy, plus 1 along an even size, and it lies inside when
    // X^2 h^2 + Y^2 w^2 < w^2 h^2. The middle rows keep the full width and
    // every row keeps its centre pixels.
    i64 HalfWidth(i64 dy) const
    {
        if (dy == 0)
            return FA;
        const i64 ex = 1 - FW % 2, ey = 1 - FH % 2;
        const real w = real(FW), h = real(FH);
        const real yy = real(2 * dy + ey) / h;
        const real xMax = w * std::sqrt(std::max(real(0), 1.0L - yy * yy)); // doubled, exclusive
        i64 hx = i64(std::floor((xMax - real(ex)) / 2));
        hx = std::clamp<i64>(hx, 0, FA);
        constexpr i64 exactLimit = i64(1) << 30;
        if (FW <= exactLimit && FH <= exactLimit) {
            const i128 w2 = i128(FW) * FW, h2 = i128(FH) * FH;
            const i128 y2 = i128(2 * dy + ey) * (2 * dy + ey);
            const auto inside = [&](i64 dx) {
                const i128 x = 2 * dx + ex;
                return x * x * h2 + y2 * w2 < w2 * h2;
            };
            while (hx < FA && inside(hx + 1))
                ++hx;
            while (hx > 0 && !inside(hx))
                --hx;
        }
        return hx;
    }

    Box FBox;
    i64 FW = 0, FH = 0;
    i64 FA = 0, FB = 0;
    i64 FLeftCentre = 0, FRightCentre = 0, FTopCentre = 0, FBottomCentre = 0;
    i64 FCacheTop = 0;
    std::vector<i64> FCache;
};

// Walks the rows of an ellipse inside the bitmap, giving for each row its span
// and the part of it that is interior (not on the one-pixel outline). A pixel
// is on the outline when one of its four neighbours lies outside the ellipse.
template <typename Row>
inline void ForEachEllipseRow(const EllipseShape& e, i64 height, Row row)
{
    if (e.Empty())
        return;
    const i64 y0 = std::max<i64>(e.Bounds().Top, 0);
    const i64 y1 = std::min<i64>(e.Bounds().Bottom - 1, height - 1);
    for (i64 y = y0; y <= y1; ++y) {
        i64 l = 0, r = -1, ul = 0, ur = -1, dl = 0, dr = -1;
        e.RowSpan(y, l, r);
        i64 il = 1, ir = 0; // interior, empty unless both neighbours exist
        if (e.RowSpan(y - 1, ul, ur) && e.RowSpan(y + 1, dl, dr)) {
            il = std::max({l + 1, ul, dl});
            ir = std::min({r - 1, ur, dr});
        }
        row(y, l, r, il, ir);
    }
}

// Directions are kept in doubled coordinates, so that box centres and pixel
// centres are integers: the pixel (x, y) has its centre at (2x + 1, 2y + 1),
// a box its centre at (left + right, top + bottom). "Math" vectors have y
// pointing up, which makes counterclockwise on the screen the positive sense.
// Components stay below 2^34, so products are exact in 128 bits.
struct Vec {
    real X, Y;
};

struct IVec {
    i64 X, Y;
};

inline real Cross(Vec a, Vec b) { return a.X * b.Y - a.Y * b.X; }
inline i128 Cross(IVec a, IVec b) { return i128(a.X) * b.Y - i128(a.Y) * b.X; }
inline i128 Dot(IVec a, IVec b) { return i128(a.X) * b.X + i128(a.Y) * b.Y; }

// The part of the plane from ray U counterclockwise to ray E, both ends
// included; equal directions give the whole plane.
class Sector {
public:
    Sector(IVec u, IVec e) : FU(NonZero(u)), FE(NonZero(e))
    {
        FWhole = Cross(FU, FE) == 0 && Dot(FU, FE) > 0;
        FHalfE = Half(FE);
    }

    bool Whole() const { return FWhole; }
    Vec Start() const { return {real(FU.X), real(FU.Y)}; }
    Vec End() const { return {real(FE.X), real(FE.Y)}; }

    bool Contains(IVec v) const
    {
        if (FWhole || (v.X == 0 && v.Y == 0))
            return true;
        const int hv = Half(v);
        if (hv != FHalfE)
            return hv < FHalfE;
        return Cross(v, FE) >= 0;
    }

    // Along the pixel centres of one row (doubled y Y, pixels from..to) each
    // quantity the test looks at is linear in x and changes sign once. The
    // pixels next to those sign changes come back sorted; between them the
    // test has the same outcome for every pixel.
    void RowBreaks(i64 cx2, i64 Y, i64 from, i64 to, std::vector<i64>& breaks) const
    {
        breaks.clear();
        // f(vx) = a * vx + b, with vx = 2x + 1 - cx2.
        const auto add = [&](i128 a, i128 b) {
            if (a == 0)
                return;
            const real root = (-real(b) / real(a) - 1 + real(cx2)) / 2;
            if (!(root > real(from - 4) && root < real(to + 4)))
                return;
            const i64 x = i64(std::floor(root));
            for (i64 k = x - 1; k <= x + 2; ++k)
                if (k >= from && k <= to)
                    breaks.push_back(k);
        };
        add(-i128(FU.Y), i128(FU.X) * Y); // Cross(U, v)
        add(i128(FU.X), i128(FU.Y) * Y);  // Dot(U, v)
        add(i128(FE.Y), -i128(Y) * FE.X); // Cross(v, E)
        add(1, 0);                        // v itself at the centre
        std::sort(breaks.begin(), breaks.end());
        breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    }

private:
    static IVec NonZero(IVec v) { return v.X == 0 && v.Y == 0 ? IVec{1, 0} : v; }

    // 0 when the counterclockwise angle from U to v lies in [0, pi), else 1.
    int Half(IVec v) const
    {
        const i128 c = Cross(FU, v);
        if (c != 0)
            return c > 0 ? 0 : 1;
        return Dot(FU, v) > 0 ? 0 : 1;
    }

    IVec FU, FE;
    bool FWhole = false;
    int FHalfE = 0;
};

// The pixels of the radius along a ray (math direction, doubled) from the
// box centre (cx2, cy2) to the ellipse's edge, clipped to the bitmap: one
// pixel per step along the longer axis, nearest to the ray. Where the ray
// runs exactly between two pixels, the one on the sector's side is taken
// (side +1: counterclockwise of the ray, -1: clockwise).
template <typename Put>
void ForEachRadiusPixel(const EllipseShape& e, i64 cx2, i64 cy2, Vec ray, int side, i64 w, i64 h,
                        Put put)
{
    // Screen direction, y down.
    const real rx = ray.X;
    const real ry = -ray.Y;
    const bool xMajor = std::fabs(rx) >= std::fabs(ry);
    const real md = xMajor ? rx : ry; // along the major axis, never 0
    const real nd = xMajor ? ry : rx;
    const i64 mc2 = xMajor ? cx2 : cy2;
    const i64 nc2 = xMajor ? cy2 : cx2;
    // First pixel whose centre lies on the ray's side of the centre.
    const i64 first = i64(md > 0 ? CeilDiv(mc2 - 1, 2) : FloorDiv(mc2 - 1, 2));
    const i64 limit = (xMajor ? w : h) - 1;
    const i64 lo = md > 0 ? std::max<i64>(first, 0) : 0;
    const i64 hi = md > 0 ? limit : std::min<i64>(first, limit);
    for (i64 m = lo; m <= hi; ++m) {
        const real pm = real(2 * m + 1 - mc2);
        const real n2 = real(nc2) + pm * nd / md; // doubled cross coordinate
        i64 n = i64(std::floor(n2 / 2));
        if (n2 == real(2 * n)) {
            // Exactly between pixels n - 1 and n: keep the sector's side.
            const real pn = real(2 * n + 1 - nc2);
            const Vec v = xMajor ? Vec{pm, -pn} : Vec{pn, -pm};
            if (Cross(ray, v) * side < 0)
                --n;
        }
        const i64 x = xMajor ? m : n;
        const i64 y = xMajor ? n : m;
        if (e.Contains(x, y))
            put(x, y);
    }
}


inline void Ellipse(TBitmap& target, const TDrawing& d, int x1, int y1, int x2, int y2)
{
    EllipseShape e(Normalised(x1, y1, x2, y2));
    PixelSink sink(target);
    e.CacheRows(-1, sink.Height());
    const bool fill = d.BrushSolid;
    const Rgb32 brush = PixelOf(d.Brush);
    const Rgb32 pen = PixelOf(d.Pen);
    ForEachEllipseRow(e, sink.Height(), [&](i64 y, i64 l, i64 r, i64 il, i64 ir) {
        if (il > ir) {
            sink.Span(y, l, r, pen);
            return;
        }
        sink.Span(y, l, il - 1, pen);
        sink.Span(y, ir + 1, r, pen);
        if (fill)
            sink.Span(y, il, ir, brush);
    });
}

inline void DrawEllipticSector(TBitmap& target, const TDrawing& d, int x1, int y1, int x2, int y2, int x3, int y3,
                               int x4, int y4, bool pie)
{
    const Box box = Normalised(x1, y1, x2, y2);
    EllipseShape e(box);
    if (e.Empty())
        return;
    // Rays from the box centre, doubled and with y pointing up.
    const i64 cx2 = box.Left + box.Right;
    const i64 cy2 = box.Top + box.Bottom;
    const Sector sector({2 * i64(x3) - cx2, cy2 - 2 * i64(y3)}, {2 * i64(x4) - cx2, cy2 - 2 * i64(y4)});
    const auto inSector = [&](i64 x, i64 y) { return sector.Contains({2 * x + 1 - cx2, cy2 - 2 * y - 1}); };

    PixelSink sink(target);
    e.CacheRows(-1, sink.Height());
    const bool fill = pie && d.BrushSolid;
    const Rgb32 brush = PixelOf(d.Brush);
    const Rgb32 pen = PixelOf(d.Pen);
    const i64 width = sink.Width();
    std::vector<i64> breaks;
    ForEachEllipseRow(e, sink.Height(), [&](i64 y, i64 l, i64 r, i64 il, i64 ir) {
        const auto outline = [&](i64 from, i64 to) {
            const i64 xEnd = std::min<i64>(to, width - 1);
            for (i64 x = std::max<i64>(from, 0); x <= xEnd; ++x)
                if (inSector(x, y))
                    sink.Put(x, y, pen);
        };
        if (il > ir) {
            outline(l, r);
            return;
        }
        outline(l, il - 1);
        outline(ir + 1, r);
        if (!fill)
            return;
        const i64 from = std::max<i64>(il, 0);
        const i64 to = std::min<i64>(ir, width - 1);
        if (sector.Whole()) {
            sink.Span(y, from, to, brush);
            return;
        }
        sector.RowBreaks(cx2, cy2 - 2 * y - 1, from, to, breaks);
        // Between breaks the test gives one answer for the whole run.
        i64 x = from;
        for (std::size_t k = 0; k <= breaks.size(); ++k) {
            const i64 runEnd = k < breaks.size() ? breaks[k] - 1 : to;
            if (x <= runEnd && inSector(x, y))
                sink.Span(y, x, runEnd, brush);
            if (k < breaks.size()) {
                if (inSector(breaks[k], y))
                    sink.Put(breaks[k], y, brush);
                x = breaks[k] + 1;
            }
        }
    });
    if (pie && !sector.Whole()) {
        const auto put = [&](i64 x, i64 y) { sink.Put(x, y, pen); };
        ForEachRadiusPixel(e, cx2, cy2, sector.Start(), +1, width, sink.Height(), put);
        ForEachRadiusPixel(e, cx2, cy2, sector.End(), -1, width, sink.Height(), put);
    }
}

inline void Polygon(TBitmap& target, const TDrawing& d, const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    PixelSink sink(target);
    const std::size_t n = points.size();
    if (d.BrushSolid && n >= 3) {
        // The points are pixel centres, as for the outline. A pixel is filled
        // when its centre lies inside the polygon by the even-odd rule; the
        // outline passes through every pixel centre on an edge, so the fill
        // is exactly what the outline encloses. Exact integer arithmetic.
        const Rgb32 brush = PixelOf(d.Brush);
        i64 minY = points[0].Y, maxY = points[0].Y;
        for (const TPoint& p : points) {
            minY = std::min<i64>(minY, p.Y);
            maxY = std::max<i64>(maxY, p.Y);
        }
        std::vector<i64> keys;
        const i64 yEnd = std::min<i64>(maxY - 1, sink.Height() - 1);
        for (i64 y = std::max<i64>(minY + 1, 0); y <= yEnd; ++y) {
            keys.clear();
            for (std::size_t i = 0; i < n; ++i) {
                const TPoint& a = points[i];
                const TPoint& b = points[(i + 1) % n];
                if ((a.Y < y) == (b.Y < y))
                    continue;
                // The edge crosses the row at c = a.X + (y - a.Y)(b.X - a.X)/(b.Y - a.Y);
                // the first pixel right of it is floor(c) + 1.
                keys.push_back(a.X + i64(FloorDiv(i128(y - a.Y) * (i64(b.X) - a.X), i64(b.Y) - a.Y)) + 1);
            }
            std::sort(keys.begin(), keys.end());
            for (std::size_t k = 0; k + 1 < keys.size(); k += 2)
                sink.Span(y, keys[k], keys[k + 1] - 1, brush);
        }
    }
    const Rgb32 pen = PixelOf(d.Pen);
    for (std::size_t i = 0; i < n; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % n];
        ForEachLinePixel(a.X, a.Y, b.X, b.Y, sink.Width(), sink.Height(),
                         [&](i64 x, i64 y) { sink.Put(x, y, pen); });
    }
}


inline void Line(TBitmap& target, const TDrawing& d, int x0, int y0, int x1, int y1)
{
    PixelSink sink(target);
    const Rgb32 pen = PixelOf(d.Pen);
    ForEachLinePixel(x0, y0, x1, y1, sink.Width(), sink.Height(), [&](i64 px, i64 py) { sink.Put(px, py, pen); });
}

} // namespace KeplerReference
