#include "indexed_picture.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace Kepler {

void AssignIndexedPicture(TBitmap& bitmap, int width, int height, TStoredPicture picture)
{
    std::array<std::uint32_t, 256> shown;
    shown.fill(0xFF000000u);
    for (std::size_t i = 0; i < picture.Palette.size() && i < shown.size(); ++i)
        shown[i] = 0xFF000000u | picture.Palette[i];
    picture.Indexed = true;
    bitmap.SetSize(0, 0); // forgets the old pixels first
    bitmap.SetSize(width, height);
    // A picture with fewer indices than pixels leaves the rest white.
    std::uint32_t* out = bitmap.Bits();
    const std::size_t count = out ? std::min(picture.Indices.size(), std::size_t(width) * std::size_t(height)) : 0;
    for (std::size_t i = 0; i < count; ++i)
        out[i] = shown[picture.Indices[i]];
    bitmap.SetStored(std::move(picture));
}

} // namespace Kepler
