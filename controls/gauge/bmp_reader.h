#pragma once
#include "meter_image_error.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class TBitmap;

// Largest picture side accepted, in pixels. Files are untrusted: a header
// may claim any size, and it is checked before anything is allocated.
inline constexpr int MaxBitmapSide = 4096;

// A bitmap as its file stores it: palette formats keep their indices.
struct TDecodedBitmap {
    QImage Stored;
    int BitsPerPixel = 0;
};

// Decodes the bytes of a BMP file. Throws EMeterImageError, naming
// fileName, for anything that is not a sound, supported bitmap.
TDecodedBitmap DecodeBmp(const QByteArray& bytes, const QString& fileName);

// Reads a BMP file into target. On failure throws EMeterImageError and
// leaves target exactly as it was.
void ReadBitmapFile(const QString& fileName, TBitmap& target);
