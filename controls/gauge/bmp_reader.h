#pragma once
#include "meter_image_error.h"

#include <QByteArray>
#include <QString>

namespace Kepler {

class TBitmap;

// Largest decoded picture accepted, in bytes of 32-bit pixels (a 4096 by
// 4096 square, or a long thin strip of the same area). Files are untrusted:
// a header may claim any size, and it is checked before anything is
// allocated.
inline constexpr long long MaxBitmapBytes = 64LL * 1024 * 1024;

// Decodes the bytes of a BMP file into target, which takes the picture as
// the file stores it: palette formats (1, 4, 8 bits) keep the file's own
// indices and palette order, one byte per pixel, beside the pixels shown;
// 16, 24 and 32 bits become the pixels shown, each channel widened to 8
// bits. The bytes are let go as soon as they are no longer needed (hand
// them over with std::move). Throws EMeterImageError, naming fileName, for
// anything that is not a sound, supported bitmap; target is then undefined.
void DecodeBmp(QByteArray bytes, const QString& fileName, TBitmap& target);

// Reads a BMP file into target. On failure throws EMeterImageError and
// leaves target exactly as it was.
void ReadBitmapFile(const QString& fileName, TBitmap& target);

} // namespace Kepler
