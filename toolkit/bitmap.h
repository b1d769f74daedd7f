#pragma once
#include "colors.h"

#include <QImage>
#include <QString>
#include <memory>

class TCanvas;

// A width by height buffer of 32-bit pixels (Qt's RGB32 layout, so Qt can
// show it and save it directly). A new or resized bitmap is white.
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    bool Empty() const { return FImage.isNull(); }
    void SetSize(int width, int height);

    // The canvas that draws into this bitmap; it lives as long as the bitmap.
    TCanvas& Canvas();

    // Pixel access in TColor order (red in the low byte); outside reads as
    // black and outside writes are ignored.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    // Replaces the pixels with a copy of the given image converted to RGB32.
    void Assign(const QImage& image);

    const QImage& Image() const { return FImage; }
    QImage& Image() { return FImage; }

    bool SaveToPng(const QString& path) const;

private:
    QImage FImage;
    std::unique_ptr<TCanvas> FCanvas;
};
