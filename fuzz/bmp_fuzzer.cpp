// libFuzzer target for the gauge's image loading path: header checks,
// decoding, the cover mask and drawing the cover through its mask.
#include "bitmap.h"
#include "bmp_reader.h"
#include "canvas.h"
#include "cover_mask.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TBitmap cover;
    try {
        const TDecodedBitmap decoded = DecodeBmp(bytes, QStringLiteral("fuzz input"));
        cover.AssignStored(decoded.Stored, decoded.BitsPerPixel);
    } catch (const EMeterImageError&) {
        return 0;
    }
    TBitmap mask;
    mask.AssignStored(cover.Stored(), cover.BitsPerPixel());
    MakeCoverMask(mask);

    TBitmap face(32, 32);
    TCanvas& canvas = face.Canvas();
    const TRect rect{16 - cover.Width() / 2, 16 - cover.Height() / 2, 16 - cover.Width() / 2 + cover.Width(),
                     16 - cover.Height() / 2 + cover.Height()};
    canvas.SetCopyMode(cmSrcAnd);
    canvas.StretchDraw(rect, mask);
    canvas.SetCopyMode(cmSrcPaint);
    canvas.StretchDraw(rect, cover);
    return 0;
}
