// libFuzzer target for the gauge's image loading path: header checks,
// decoding by the raster layer's reader, the cover mask and drawing the
// cover through its mask.
#include "KeplerControls/bitmap.h"
#include "cover_mask.h"
#include "qt_bitmap.h"
#include "read_bmp.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

using namespace Kepler;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TBitmap cover;
    try {
        DecodeBmp(std::vector<std::uint8_t>(data, data + size), "fuzz input", cover);
    } catch (const EBitmapReadError&) {
        return 0;
    }
    TBitmap mask;
    AssignStoredImage(mask, StoredImage(cover), cover.BitsPerPixel());
    MakeCoverMask(mask);

    TBitmap face(32, 32);
    DrawCover(face.Canvas(), 16, 16, cover, mask);
    return 0;
}
