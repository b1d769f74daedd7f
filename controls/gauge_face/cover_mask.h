#pragma once
#include "cover_draw.h"

namespace Kepler {

class TBitmap;

// Turns a copy of the anchor cover picture into its transparency mask:
// white where the picture's stored pixel value is 0 (transparent), black
// everywhere else (opaque).
//
// Pictures of one byte per pixel have their stored bytes rewritten in place
// (0 becomes 255, anything else 0) and keep the file's palette, so the mask
// shows the file's colours 255 and 0. Every other format is converted pixel
// by pixel over the whole picture.
void MakeCoverMask(TBitmap& bitmap);

} // namespace Kepler
