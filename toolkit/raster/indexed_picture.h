#pragma once
#include "KeplerControls/bitmap.h"

namespace Kepler {

// Replaces the pixels with a palette picture of width by height indices,
// one byte a pixel, rows top down, and its colours, and keeps the picture
// as stored beside them. Each index shows its palette colour made opaque;
// an index beyond the palette shows black. The old pixels are let go before
// the new ones are made, so the largest picture allowed is never held twice.
void AssignIndexedPicture(TBitmap& bitmap, int width, int height, TStoredPicture picture);

} // namespace Kepler
