#pragma once
#include "meter_image_error.h"

#include "read_bmp.h"

#include <QString>

namespace Kepler {

class TBitmap;

// Reads a BMP file into target through the raster layer's reader. On
// failure throws EMeterImageError, naming the file and the reason, and
// leaves target exactly as it was.
void ReadBitmapFile(const QString& fileName, TBitmap& target);

} // namespace Kepler
