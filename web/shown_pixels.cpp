#include "shown_pixels.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// The page's machines (WebAssembly, and the tests' hosts) keep words
// little-endian, so the bytes R, G, B, A are the word 0xAABBGGRR.
static_assert(std::endian::native == std::endian::little);

// 0xFFRRGGBB to 0xFFBBGGRR: red and blue change places.
std::uint32_t CanvasWord(std::uint32_t pixel)
{
    return 0xFF000000u | (pixel & 0xFFu) << 16 | (pixel & 0xFF00u) | (pixel >> 16 & 0xFFu);
}

// The first pixel from `from` on where the rows differ, or `width`; two
// pixels at a time, as most rows are equal.
int FirstDifference(const std::uint32_t* a, const std::uint32_t* b, int from, int width)
{
    int x = from;
    for (; x + 2 <= width; x += 2) {
        std::uint64_t wa, wb;
        std::memcpy(&wa, a + x, sizeof wa);
        std::memcpy(&wb, b + x, sizeof wb);
        if (wa != wb)
            return a[x] != b[x] ? x : x + 1;
    }
    return x < width && a[x] != b[x] ? x : width;
}

} // namespace

TShownPixels::TRect TShownPixels::Take(const Kepler::TBitmap& bitmap)
{
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width != FWidth || height != FHeight) {
        FWidth = width;
        FHeight = height;
        // No canvas pixel is transparent, and no bitmap pixel is 0 (their
        // top byte is 0xFF): every pixel counts as changed.
        FPixels.assign(std::size_t(width) * std::size_t(height), 0);
        FTaken.assign(std::size_t(width) * std::size_t(height), 0);
    } else if (bitmap.ContentKey() == FTakenKey) {
        return {};
    }
    FTakenKey = bitmap.ContentKey();
    const std::uint32_t* in = bitmap.Bits();
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const std::size_t start = std::size_t(y) * std::size_t(width);
        const std::uint32_t* row = in + start;
        std::uint32_t* taken = FTaken.data() + start;
        std::uint32_t* out = FPixels.data() + start;
        int x = FirstDifference(row, taken, 0, width);
        if (x == width)
            continue;
        left = std::min(left, x);
        top = std::min(top, y);
        bottom = y;
        for (; x < width; x = FirstDifference(row, taken, x + 1, width)) {
            taken[x] = row[x];
            out[x] = CanvasWord(row[x]);
            right = std::max(right, x);
        }
    }
    if (right < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}
