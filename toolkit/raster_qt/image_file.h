#pragma once
#include "KeplerControls/bitmap.h"

#include <QImage>
#include <QString>

namespace Kepler {

// Reads an image file in a known format, and only in that format. Left to
// guess, Qt would load every image format plug-in to ask each about the
// file, which costs start-up time for pictures the program knows.
QImage ReadImageFile(const QString& path, const char* format);

// Reads an image file in a known format into the bitmap, which takes the
// picture's size. A picture that decodes to 32-bit pixels is decoded
// straight into the bitmap's own buffer, so a large picture is never held
// twice. Returns false when the file cannot be read; the bitmap is then
// white (at the picture's size where that was known).
bool ReadImageFileInto(TBitmap& bitmap, const QString& path, const char* format);

} // namespace Kepler
