#include "KeplerControls/canvas.h"
#include "canvas_pixels.h"
#include "pixel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Kepler {

using namespace CanvasPixels;

namespace {

using real = long double;

// floor(v) for a finite v well inside the 64-bit range, without a call to
// the library's floor.
i64 FloorToInt(double v)
{
    const i64 t = i64(v); // toward zero
    return double(t) > v ? t - 1 : t;
}

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
        constexpr i64 exactLimit = i64(1) << 30;
        if (FW > exactLimit || FH > exactLimit) {
            // Too wide for the exact test: the estimate in extended precision
            // is the answer.
            const real w = real(FW), h = real(FH);
            const real yy = real(2 * dy + ey) / h;
            const real xMax = w * std::sqrt(std::max(real(0), 1.0L - yy * yy)); // doubled, exclusive
            return std::clamp<i64>(i64(std::floor((xMax - real(ex)) / 2)), 0, FA);
        }
        // An estimate, within a pixel or so, then the exact test walks to
        // the answer, which is the same from any start: the test holds for
        // every dx up to it and for none beyond.
        const double yy = double(2 * dy + ey) / double(FH);
        const double xMax = double(FW) * std::sqrt(std::max(0.0, 1.0 - yy * yy));
        i64 hx = std::clamp<i64>(FloorToInt((xMax - double(ex)) / 2), 0, FA);
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
void ForEachEllipseRow(const EllipseShape& e, i64 height, Row row)
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
struct IVec {
    i64 X, Y;
};

i128 Cross(IVec a, IVec b) { return i128(a.X) * b.Y - i128(a.Y) * b.X; }
i128 Dot(IVec a, IVec b) { return i128(a.X) * b.X + i128(a.Y) * b.Y; }

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
    IVec Start() const { return FU; }
    IVec End() const { return FE; }

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
    // test has the same outcome for every pixel. The places are estimated in
    // double precision: near the row they are off by far less than a pixel,
    // and the pixels on either side are tested exactly.
    void RowBreaks(i64 cx2, i64 Y, i64 from, i64 to, std::vector<i64>& breaks) const
    {
        breaks.clear();
        // f(vx) = a * vx + b, with vx = 2x + 1 - cx2.
        const auto add = [&](i64 a, double b) {
            if (a == 0)
                return;
            const double root = (-b / double(a) - 1 + double(cx2)) / 2;
            if (!(root > double(from - 4) && root < double(to + 4)))
                return;
            const i64 x = FloorToInt(root);
            for (i64 k = x - 1; k <= x + 2; ++k)
                if (k >= from && k <= to)
                    breaks.push_back(k);
        };
        const double y = double(Y);
        add(-FU.Y, double(FU.X) * y); // Cross(U, v)
        add(FU.X, double(FU.Y) * y);  // Dot(U, v)
        add(FE.Y, -y * double(FE.X)); // Cross(v, E)
        add(1, 0);                    // v itself at the centre
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
//
// The ray's cross coordinate is followed as a quotient and a remainder that
// change by at most one step each pixel: integer additions only, and one
// wide division for the first pixel. Only the columns (rows) of the
// ellipse's box are walked, as no pixel outside it belongs to the ellipse.
template <typename Put>
void ForEachRadiusPixel(const EllipseShape& e, i64 cx2, i64 cy2, IVec ray, int side, i64 w, i64 h, Put put)
{
    // Screen direction, y down.
    const i64 rx = ray.X;
    const i64 ry = -ray.Y;
    const bool xMajor = std::llabs(rx) >= std::llabs(ry);
    const i64 md = xMajor ? rx : ry; // along the major axis, never 0
    const i64 nd = xMajor ? ry : rx;
    const i64 mc2 = xMajor ? cx2 : cy2;
    const i64 nc2 = xMajor ? cy2 : cx2;
    // First pixel whose centre lies on the ray's side of the centre.
    const i64 first = i64(md > 0 ? CeilDiv(mc2 - 1, 2) : FloorDiv(mc2 - 1, 2));
    const i64 limit = (xMajor ? w : h) - 1;
    const Box& box = e.Bounds();
    const i64 lo = std::max<i64>({md > 0 ? first : 0, 0, xMajor ? box.Left : box.Top});
    const i64 hi = std::min<i64>({md > 0 ? limit : std::min<i64>(first, limit), (xMajor ? box.Right : box.Bottom) - 1});
    if (lo > hi)
        return;
    // The doubled cross coordinate at pixel m is n2 = nc2 + pm * nd / md with
    // pm = 2m + 1 - mc2, and the pixel is n = floor(n2 / 2) = floor(N / D)
    // with N = nc2 * md + pm * nd and D = 2 md, both taken with the sign that
    // makes D positive. N = q D + r, 0 <= r < D; each step adds 2 nd, at
    // most D in size, to N.
    const i64 sign = md > 0 ? 1 : -1;
    const i64 D = 2 * md * sign;
    const i64 step = 2 * nd * sign;
    const i128 N = (i128(nc2) * md + i128(2 * lo + 1 - mc2) * nd) * sign;
    i64 q = i64(FloorDiv(N, D));
    i64 r = i64(N - i128(q) * D);
    for (i64 m = lo; m <= hi; ++m) {
        i64 n = q;
        if (r == 0) {
            // Exactly between pixels n - 1 and n: keep the sector's side.
            const i64 pm = 2 * m + 1 - mc2;
            const i64 pn = 2 * n + 1 - nc2;
            const IVec v = xMajor ? IVec{pm, -pn} : IVec{pn, -pm};
            if ((side > 0 ? Cross(ray, v) : -Cross(ray, v)) < 0)
                --n;
        }
        const i64 x = xMajor ? m : n;
        const i64 y = xMajor ? n : m;
        if (e.Contains(x, y))
            put(x, y);
        r += step;
        if (r >= D) {
            r -= D;
            ++q;
        } else if (r < 0) {
            r += D;
            --q;
        }
    }
}

} // namespace

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    EllipseShape e(Normalised(x1, y1, x2, y2));
    PixelSink sink(FTarget);
    e.CacheRows(-1, sink.Height());
    const bool fill = FBrush.Style() == bsSolid;
    const Rgb32 brush = PixelOf(FBrush.Color());
    const Rgb32 pen = PixelOf(FPen.Color());
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

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    DrawEllipticSector(x1, y1, x2, y2, x3, y3, x4, y4, true);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    DrawEllipticSector(x1, y1, x2, y2, x3, y3, x4, y4, false);
}

void TCanvas::DrawEllipticSector(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                                 bool pie)
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

    PixelSink sink(FTarget);
    e.CacheRows(-1, sink.Height());
    const bool fill = pie && FBrush.Style() == bsSolid;
    const Rgb32 brush = PixelOf(FBrush.Color());
    const Rgb32 pen = PixelOf(FPen.Color());
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

} // namespace Kepler
