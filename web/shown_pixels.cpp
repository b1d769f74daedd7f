#include "shown_pixels.h"

#include <algorithm>
#include <bit>

namespace {

// The page's machines (WebAssembly, and the tests' hosts) keep words
// little-endian, so the bytes R, G, B, A are the word 0xAABBGGRR.
static_assert(std::endian::native == std::endian::little);

// 0xFFRRGGBB to 0xFFBBGGRR: red and blue change places.
std::uint32_t CanvasWord(std::uint32_t pixel)
{
    return 0xFF000000u | (pixel & 0xFFu) << 16 | (pixel & 0xFF00u) | (pixel >> 16 & 0xFFu);
}

} // namespace

TShownPixels::TRect TShownPixels::Take(const Kepler::TBitmap& bitmap)
{
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width != FWidth || height != FHeight) {
        FWidth = width;
        FHeight = height;
        // No canvas pixel is transparent: every pixel counts as changed.
        FPixels.assign(std::size_t(width) * std::size_t(height), 0);
    }
    const std::uint32_t* in = bitmap.Bits();
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = in + std::size_t(y) * std::size_t(width);
        std::uint32_t* out = FPixels.data() + std::size_t(y) * std::size_t(width);
        int first = -1, last = -1;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t word = CanvasWord(row[x]);
            if (word != out[x]) {
                out[x] = word;
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first < 0)
            continue;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    if (right < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}
