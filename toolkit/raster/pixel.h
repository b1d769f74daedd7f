#pragma once
#include "KeplerControls/colors.h"

#include <cstdint>

namespace Kepler {

// Between our colours (red in the low byte, system colours by index) and a
// bitmap's pixels (0xFFRRGGBB). System colours are resolved first; pixels
// come out opaque, and any alpha going in is dropped.
inline std::uint32_t PixelOf(TColor c)
{
    c = ColorToRGB(c);
    return 0xFF000000u | std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}

inline TColor ColorOfPixel(std::uint32_t p)
{
    return RGB(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
}

} // namespace Kepler
