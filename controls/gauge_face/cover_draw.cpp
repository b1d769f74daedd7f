#include "cover_draw.h"

#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "saturating.h"

#include <cstdint>

namespace Kepler {

void DrawCover(TCanvas& canvas, int cx, int cy, const TBitmap& cover, const TBitmap& mask)
{
    const int w = cover.Width(), h = cover.Height();
    // The dial centre may lie far out (rims accept any integer).
    const std::int64_t x0 = std::int64_t(cx) - w / 2, y0 = std::int64_t(cy) - h / 2;
    const TRect rect{SaturateToInt32(x0), SaturateToInt32(y0), SaturateToInt32(x0 + w), SaturateToInt32(y0 + h)};
    canvas.SetCopyMode(cmSrcAnd);
    canvas.StretchDraw(rect, mask);
    canvas.SetCopyMode(cmSrcPaint);
    canvas.StretchDraw(rect, cover);
}

} // namespace Kepler
