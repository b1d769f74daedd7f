#include "cover_mask.h"
#include "indexed_picture.h"

#include "KeplerControls/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <utility>

namespace Kepler {

namespace {

// Rewritten in place: the mask of the largest picture allowed needs no
// second copy of its indices or pixels. The bitmap keeps the file's pixel
// format, palette included: the rewritten indices show in the file's
// colours 255 and 0.
void OneBytePerPixelMask(TBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    TStoredPicture picture = bitmap.TakeStored();
    for (std::uint8_t& index : picture.Indices)
        index = index == 0 ? 255 : 0;
    AssignIndexedPicture(bitmap, w, h, std::move(picture));
}

// Any other picture becomes a mask pixel by pixel, in place: white where
// the picture's pixel (its index, for 1 and 4 bits) is zero, black
// elsewhere; the bitmap keeps the file's depth, without a palette.
void PixelByPixelMask(TBitmap& bitmap)
{
    constexpr std::uint32_t white = 0xFFFFFFFFu, black = 0xFF000000u;
    const int bitsPerPixel = bitmap.BitsPerPixel();
    const TStoredPicture stored = bitmap.TakeStored();
    std::uint32_t* pixels = bitmap.Bits();
    const std::size_t count = std::size_t(bitmap.Width()) * std::size_t(bitmap.Height());
    for (std::size_t i = 0; i < count; ++i) {
        const bool zero = stored.Indexed ? stored.Indices[i] == 0 : (pixels[i] & 0x00FFFFFFu) == 0;
        pixels[i] = zero ? white : black;
    }
    bitmap.SetStored({bitsPerPixel, false, {}, {}});
}

} // namespace

void MakeCoverMask(TBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    const TStoredPicture* stored = bitmap.Stored();
    if (stored && stored->Indexed && stored->BitsPerPixel == 8)
        OneBytePerPixelMask(bitmap);
    else
        PixelByPixelMask(bitmap);
}

} // namespace Kepler
