#include "KeplerControls/canvas.h"
#include "canvas_pixels.h"

#include <algorithm>
#include <vector>

namespace Kepler {

using namespace CanvasPixels;

namespace {

// The source pixel for each destination pixel of a scaled copy: the one under
// the destination pixel's centre, the left (upper) one when the centre falls
// on a border, so that halving takes every other pixel from the first on.
// A destination running backwards (size < 0) mirrors the same choice.
i64 SourceIndex(i64 dest, i64 start, i64 size, i64 sourceSize)
{
    const i128 s = CeilDiv((i128(2) * (dest - start) + 1) * sourceSize, i128(2) * size) - 1;
    return i64(std::clamp<i128>(s, 0, sourceSize - 1));
}

Rgb32 Combine(Rgb32 dest, Rgb32 src, TCopyMode mode)
{
    switch (mode) {
    case cmSrcAnd: return 0xFF000000u | (dest & src);
    case cmSrcPaint: return 0xFF000000u | dest | src;
    case cmSrcCopy:
    default: return 0xFF000000u | src;
    }
}

void CopyScaled(TBitmap& dest, i64 left, i64 top, i64 right, i64 bottom, const TBitmap& source,
                TCopyMode mode)
{
    if (dest.Empty() || source.Empty() || left == right || top == bottom)
        return;
    // Drawing a bitmap onto itself reads the pixels as they were before.
    std::vector<Rgb32> copy;
    const Rgb32* src = source.Bits();
    if (&source == &dest) {
        copy.assign(src, src + std::size_t(source.Width()) * std::size_t(source.Height()));
        src = copy.data();
    }
    const i64 sw = source.Width(), sh = source.Height();
    const Box b = Normalised(left, top, right, bottom);
    const i64 x0 = std::max<i64>(b.Left, 0), x1 = std::min<i64>(b.Right, dest.Width()) - 1;
    const i64 y0 = std::max<i64>(b.Top, 0), y1 = std::min<i64>(b.Bottom, dest.Height()) - 1;
    if (x0 > x1 || y0 > y1)
        return;
    Rgb32* const bits = dest.Bits();
    const i64 dw = dest.Width();
    if (right - left == sw && bottom - top == sh) {
        // Unscaled: whole rows at a time.
        for (i64 y = y0; y <= y1; ++y) {
            const Rgb32* s = src + (y - top) * sw + (x0 - left);
            Rgb32* d = bits + y * dw + x0;
            const std::size_t n = std::size_t(x1 - x0 + 1);
            // One branch per mode outside the loop, so each loop is a plain
            // pass over the row. A bitmap's pixels are opaque, so a plain
            // copy of them is a memory copy.
            if (mode == cmSrcCopy)
                std::memcpy(d, s, n * sizeof(Rgb32));
            else if (mode == cmSrcAnd)
                std::transform(s, s + n, d, d, [](Rgb32 a, Rgb32 b) { return Combine(b, a, cmSrcAnd); });
            else if (mode == cmSrcPaint)
                std::transform(s, s + n, d, d, [](Rgb32 a, Rgb32 b) { return Combine(b, a, cmSrcPaint); });
            else
                std::transform(s, s + n, d, d, [](Rgb32 a, Rgb32 b) { return Combine(b, a, cmSrcCopy); });
        }
        return;
    }
    std::vector<i64> sx(std::size_t(x1 - x0 + 1));
    for (i64 x = x0; x <= x1; ++x)
        sx[std::size_t(x - x0)] = SourceIndex(x, left, right - left, sw);
    for (i64 y = y0; y <= y1; ++y) {
        const Rgb32* s = src + SourceIndex(y, top, bottom - top, sh) * sw;
        Rgb32* d = bits + y * dw;
        for (i64 x = x0; x <= x1; ++x)
            d[x] = Combine(d[x], s[sx[std::size_t(x - x0)]], mode);
    }
}

} // namespace

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& source)
{
    CopyScaled(FTarget, rect.Left, rect.Top, rect.Right, rect.Bottom, source, FCopyMode);
}

void TCanvas::Draw(int x, int y, const TBitmap& source)
{
    CopyScaled(FTarget, x, y, i64(x) + source.Width(), i64(y) + source.Height(), source, FCopyMode);
}

} // namespace Kepler
