// libFuzzer target for the gauge's image loading path: header checks,
// decoding, the cover mask and drawing the cover through its mask.
#include "KeplerControls/bitmap.h"
#include "qt_bitmap.h"
#include "bmp_reader.h"
#include "cover_mask.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <utility>

using namespace Kepler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TBitmap cover;
    try {
        DecodeBmp(std::move(bytes), QStringLiteral("fuzz input"), cover);
    } catch (const EMeterImageError&) {
        return 0;
    }
    TBitmap mask;
    AssignStoredImage(mask, StoredImage(cover), cover.BitsPerPixel());
    MakeCoverMask(mask);

    TBitmap face(32, 32);
    DrawCover(face.Canvas(), 16, 16, cover, mask);
    return 0;
}
