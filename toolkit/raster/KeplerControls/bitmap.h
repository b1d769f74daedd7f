#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"

#include <QImage>
#include <QString>
#include <memory>

namespace Kepler {

class TCanvas;

// A width by height buffer of 32-bit pixels (Qt's RGB32 layout, so Qt can
// show it and save it directly). A new or resized bitmap is white.
class KEPLERCONTROLS_EXPORT TBitmap {
public:
    TBitmap();
    // A white bitmap of the given size.
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Width in pixels.
    int Width() const { return FImage.width(); }
    // Height in pixels.
    int Height() const { return FImage.height(); }
    // Whether the bitmap has no pixels.
    bool Empty() const { return FImage.isNull(); }
    // Resizes the bitmap to white pixels; the same size keeps the pixels, and a
    // size of 0 or less empties it.
    void SetSize(int width, int height);

    // The canvas that draws into this bitmap; it lives as long as the bitmap.
    TCanvas& Canvas();

    // Pixel access in TColor order (red in the low byte); outside reads as
    // black and outside writes are ignored.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    // Replaces the pixels with a copy of the given image converted to RGB32.
    void Assign(const QImage& image);

    // Replaces the pixels with a picture as its file stored it: the stored
    // image keeps its format (palette indices for palette formats) beside
    // the RGB32 pixels shown. Drawing changes only the pixels shown.
    void AssignStored(const QImage& stored, int bitsPerPixel);
    // The picture as last stored by AssignStored; for a bitmap never given
    // one, the pixels shown.
    const QImage& Stored() const { return FStored.isNull() ? FImage : FStored; }
    // Bits per pixel of the stored picture: the file's, or 32.
    int BitsPerPixel() const { return FStored.isNull() ? 32 : FBitsPerPixel; }

    // The pixels as a Qt image (RGB32).
    const QImage& Image() const { return FImage; }
    QImage& Image() { return FImage; }

    // Writes the pixels shown as a PNG file; false when that fails.
    bool SaveToPng(const QString& path) const;

private:
    QImage FImage;
    QImage FStored;
    int FBitsPerPixel = 32;
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace Kepler
