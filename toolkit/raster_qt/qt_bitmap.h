#pragma once
#include "KeplerControls/bitmap.h"
#include "indexed_picture.h"

#include <QImage>
#include <QString>

namespace Kepler {

// The bitmap's pixels as an RGB32 image, without a copy: what Qt draws into
// the image lands in the bitmap. The image is valid while the bitmap keeps
// its size and buffer (SetSize, Assign... and Swap end it); take copy() to
// keep the picture as it is now. The read-only form copies on any write.
QImage QtImage(TBitmap& bitmap);
QImage QtImage(const TBitmap& bitmap);

// Replaces the pixels with a copy of the image converted to RGB32.
void AssignImage(TBitmap& bitmap, const QImage& image);

// Replaces the pixels with a picture as its file stored it: a palette
// picture (Indexed8) keeps its indices and colours beside the RGB32 pixels
// shown; any other is kept as the pixels shown. Hand the picture over with
// std::move where it is large: it is let go before the pixels are made.
void AssignStoredImage(TBitmap& bitmap, QImage stored, int bitsPerPixel);
// The picture as last stored by AssignStoredImage: Indexed8 for palette
// pictures, otherwise (and for a bitmap never given one) a copy of the
// pixels shown.
QImage StoredImage(const TBitmap& bitmap);

bool SaveToPng(const TBitmap& bitmap, const QString& path);

} // namespace Kepler
