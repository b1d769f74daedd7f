#include "KeplerControls/canvas.h"
#include "canvas_pixels.h"
#include "pixel.h"

#include <algorithm>
#include <vector>

namespace Kepler {

using namespace CanvasPixels;

void TCanvas::LineTo(int x, int y)
{
    PixelSink sink(FTarget);
    const Rgb32 pen = PixelOf(FPen.Color());
    ForEachLinePixel(FPenPos.X, FPenPos.Y, x, y, sink.Width(), sink.Height(),
                     [&](i64 px, i64 py) { sink.Put(px, py, pen); });
    FPenPos = {x, y};
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const Box b = Normalised(x1, y1, x2, y2);
    if (b.Empty())
        return;
    PixelSink sink(FTarget);
    if (FBrush.Style() == bsSolid)
        sink.Block(b.Top + 1, b.Bottom - 2, b.Left + 1, b.Right - 2, PixelOf(FBrush.Color()));
    const Rgb32 pen = PixelOf(FPen.Color());
    sink.Span(b.Top, b.Left, b.Right - 1, pen);
    sink.Span(b.Bottom - 1, b.Left, b.Right - 1, pen);
    const i64 yEnd = std::min<i64>(b.Bottom - 1, sink.Height() - 1);
    for (i64 y = std::max<i64>(b.Top, 0); y <= yEnd; ++y) {
        sink.Put(b.Left, y, pen);
        sink.Put(b.Right - 1, y, pen);
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (FBrush.Style() != bsSolid)
        return;
    const Box b = Normalised(r.Left, r.Top, r.Right, r.Bottom);
    PixelSink(FTarget).Block(b.Top, b.Bottom - 1, b.Left, b.Right - 1, PixelOf(FBrush.Color()));
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    PixelSink sink(FTarget);
    const std::size_t n = points.size();
    if (FBrush.Style() == bsSolid && n >= 3) {
        // The points are pixel centres, as for the outline. A pixel is filled
        // when its centre lies inside the polygon by the even-odd rule; the
        // outline passes through every pixel centre on an edge, so the fill
        // is exactly what the outline encloses. Exact integer arithmetic.
        const Rgb32 brush = PixelOf(FBrush.Color());
        i64 minY = points[0].Y, maxY = points[0].Y;
        for (const TPoint& p : points) {
            minY = std::min<i64>(minY, p.Y);
            maxY = std::max<i64>(maxY, p.Y);
        }
        const i64 y0 = std::max<i64>(minY + 1, 0);
        const i64 y1 = std::min<i64>(maxY - 1, sink.Height() - 1);
        // An edge from a to b crosses the rows y with a.Y < y <= b.Y (or the
        // other way round) at c = a.X + (y - a.Y)(b.X - a.X)/(b.Y - a.Y); the
        // first pixel right of it is floor(c) + 1. From row to row the
        // quotient grows by a fixed step and a remainder carries, so each
        // row costs additions only.
        struct Edge {
            i64 From, To; // the rows it crosses, within the bitmap
            i64 X;        // a.X
            i64 Q, R;     // floor((y - a.Y)(b.X - a.X)/(b.Y - a.Y)) = Q, with remainder R, 0 <= R < D
            i64 StepQ, StepR, D;
        };
        std::vector<Edge> edges;
        edges.reserve(n);
        for (std::size_t i = 0; i < n && y0 <= y1; ++i) {
            const TPoint& a = points[i];
            const TPoint& b = points[(i + 1) % n];
            if (a.Y == b.Y)
                continue;
            const i64 from = std::max<i64>(std::min(a.Y, b.Y) + i64(1), y0);
            const i64 to = std::min<i64>(std::max(a.Y, b.Y), y1);
            if (from > to)
                continue;
            const i64 sign = b.Y > a.Y ? 1 : -1;
            const i64 D = (i64(b.Y) - a.Y) * sign;
            const i64 dx = (i64(b.X) - a.X) * sign;
            const i128 N = i128(from - a.Y) * dx;
            const i64 q = i64(FloorDiv(N, D));
            const i64 stepQ = i64(FloorDiv(dx, D));
            edges.push_back({from, to, a.X, q, i64(N - i128(q) * D), stepQ, dx - stepQ * D, D});
        }
        std::vector<i64> keys;
        keys.reserve(edges.size());
        for (i64 y = y0; y <= y1 && !edges.empty(); ++y) {
            keys.clear();
            for (Edge& e : edges) {
                if (y < e.From || y > e.To)
                    continue;
                keys.push_back(e.X + e.Q + 1);
                e.Q += e.StepQ;
                e.R += e.StepR;
                if (e.R >= e.D) {
                    e.R -= e.D;
                    ++e.Q;
                }
            }
            std::sort(keys.begin(), keys.end());
            for (std::size_t k = 0; k + 1 < keys.size(); k += 2)
                sink.Span(y, keys[k], keys[k + 1] - 1, brush);
        }
    }
    const Rgb32 pen = PixelOf(FPen.Color());
    for (std::size_t i = 0; i < n; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[(i + 1) % n];
        ForEachLinePixel(a.X, a.Y, b.X, b.Y, sink.Width(), sink.Height(),
                         [&](i64 x, i64 y) { sink.Put(x, y, pen); });
    }
}

} // namespace Kepler
