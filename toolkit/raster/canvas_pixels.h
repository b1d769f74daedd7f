#pragma once
// What the canvas's drawing files share: wide integers, clipped pixel writes
// into the bitmap's buffer, the classic line walk and normalised boxes.
//
// All coordinates are widened to 64 bits (products to 128 bits) and every
// loop runs over the part inside the bitmap only, so coordinates near the
// ends of the int range neither overflow nor take long.
#include "KeplerControls/bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace Kepler::CanvasPixels {

using i64 = std::int64_t;
__extension__ using i128 = __int128;

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


using Rgb32 = std::uint32_t;

// Clipped pixel writes into the bitmap's buffer.
class PixelSink {
public:
    explicit PixelSink(TBitmap& bitmap)
        : FBits(bitmap.Bits()), FStride(bitmap.Width()), FW(bitmap.Width()), FH(bitmap.Height())
    {
    }

    i64 Width() const { return FW; }
    i64 Height() const { return FH; }

    void Put(i64 x, i64 y, Rgb32 c)
    {
        if (x < 0 || y < 0 || x >= FW || y >= FH)
            return;
        FBits[y * FStride + x] = c;
    }

    // Columns x1..x2 inclusive of row y.
    void Span(i64 y, i64 x1, i64 x2, Rgb32 c)
    {
        if (y < 0 || y >= FH)
            return;
        x1 = std::max<i64>(x1, 0);
        x2 = std::min<i64>(x2, FW - 1);
        if (x1 > x2)
            return;
        Rgb32* row = FBits + y * FStride;
        std::fill(row + x1, row + x2 + 1, c);
    }

    // Rows y1..y2 and columns x1..x2 inclusive: the first row is filled,
    // the others are copies of it, which runs at the speed of memory.
    void Block(i64 y1, i64 y2, i64 x1, i64 x2, Rgb32 c)
    {
        y1 = std::max<i64>(y1, 0);
        y2 = std::min<i64>(y2, FH - 1);
        x1 = std::max<i64>(x1, 0);
        x2 = std::min<i64>(x2, FW - 1);
        if (y1 > y2 || x1 > x2)
            return;
        Span(y1, x1, x2, c);
        const Rgb32* first = FBits + y1 * FStride + x1;
        const std::size_t bytes = std::size_t(x2 - x1 + 1) * sizeof(Rgb32);
        for (i64 y = y1 + 1; y <= y2; ++y)
            std::memcpy(FBits + y * FStride + x1, first, bytes);
    }

private:
    Rgb32* FBits;
    i64 FStride;
    i64 FW;
    i64 FH;
};

// The pixels of the line from (x0, y0) towards (x1, y1), end point excluded,
// restricted to columns 0..w-1 and rows 0..h-1. One pixel per step along the
// longer axis; the other coordinate is the exact line rounded half up, so the
// path does not depend on the direction the line is drawn in.
template <typename Put>
void ForEachLinePixel(i64 x0, i64 y0, i64 x1, i64 y1, i64 w, i64 h, Put put)
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
    if (lo > hi)
        return;
    // n = n0 + floor(N / D) with N = 2 (m - m0) nd + md and D = 2 md, both
    // taken with the sign that makes D positive. Kept as N = q D + r,
    // 0 <= r < D: each step adds 2 nd, at most D in size, so the pixels
    // cost additions only, and the first one division.
    const i64 sign = md > 0 ? 1 : -1;
    const i64 D = 2 * md * sign;
    const i64 step = 2 * nd * sign;
    const i128 N = (i128(2) * (lo - m0) * nd + md) * sign;
    i64 q = i64(FloorDiv(N, D));
    i64 r = i64(N - i128(q) * D);
    const i64 nLimit = xMajor ? h : w;
    for (i64 m = lo; m <= hi; ++m) {
        const i64 n = n0 + q;
        if (n >= 0 && n < nLimit) {
            if (xMajor)
                put(m, n);
            else
                put(n, m);
        }
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

// A box normalised to left < right, top < bottom (right and bottom excluded).
struct Box {
    i64 Left, Top, Right, Bottom;
    bool Empty() const { return Left == Right || Top == Bottom; }
};

inline Box Normalised(i64 x1, i64 y1, i64 x2, i64 y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

} // namespace Kepler::CanvasPixels
