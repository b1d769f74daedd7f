#pragma once
#include "KeplerControls/bitmap.h"

#include <string>

// "x, y: a instead of b" for the first pixel in which two faces differ,
// "sizes differ" when they are not the same size, empty when they are the
// same: a failed comparison says where to look.
inline std::string FirstDifference(const Kepler::TBitmap& a, const Kepler::TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return std::to_string(x) + ", " + std::to_string(y) + ": " + std::to_string(a.Pixel(x, y))
                       + " instead of " + std::to_string(b.Pixel(x, y));
    return {};
}
