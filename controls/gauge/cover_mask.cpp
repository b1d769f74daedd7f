#include "cover_mask.h"
#include "qt_bitmap.h"

#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "saturating.h"

#include <QImage>
#include <cstdint>

namespace Kepler {

namespace {

bool IsPaletteFormat(QImage::Format f)
{
    return f == QImage::Format_Indexed8 || f == QImage::Format_Mono || f == QImage::Format_MonoLSB;
}

QImage OneBytePerPixelMask(const QImage& stored)
{
    QImage mask = stored.copy();
    const int w = mask.width();
    for (int y = 0; y < mask.height(); ++y) {
        uchar* row = mask.scanLine(y);
        for (int x = 0; x < w; ++x)
            row[x] = row[x] == 0 ? 255 : 0;
    }
    // The bitmap keeps the file's pixel format, palette included: the
    // rewritten indices show in the file's colours 255 and 0.
    return mask;
}

QImage PixelByPixelMask(const QImage& stored)
{
    QImage mask(stored.size(), QImage::Format_RGB32);
    const bool palette = IsPaletteFormat(stored.format());
    const QImage colours = palette ? QImage() : stored.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        const auto* in = palette ? nullptr : reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            const bool zero = palette ? stored.pixelIndex(x, y) == 0 : (in[x] & 0x00FFFFFFu) == 0;
            out[x] = zero ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        }
    }
    return mask;
}

} // namespace

void MakeCoverMask(TBitmap& bitmap)
{
    const QImage stored = StoredImage(bitmap);
    if (stored.isNull())
        return;
    const int bitsPerPixel = bitmap.BitsPerPixel();
    if (bitsPerPixel == 8 && stored.format() == QImage::Format_Indexed8)
        AssignStoredImage(bitmap, OneBytePerPixelMask(stored), 8);
    else
        AssignStoredImage(bitmap, PixelByPixelMask(stored), bitsPerPixel);
}

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
