#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "qt_colors.h"

namespace Kepler {

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height)
{
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        FImage = QImage();
        FStored = QImage();
        return;
    }
    if (width == FImage.width() && height == FImage.height())
        return;
    FStored = QImage();
    FImage = QImage(width, height, QImage::Format_RGB32);
    FImage.fill(0xFFFFFFFFu);
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(*this);
    return *FCanvas;
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= FImage.width() || y >= FImage.height())
        return clBlack;
    return FromQRgb(reinterpret_cast<const QRgb*>(FImage.constScanLine(y))[x]);
}

void TBitmap::SetPixel(int x, int y, TColor c)
{
    if (x < 0 || y < 0 || x >= FImage.width() || y >= FImage.height())
        return;
    reinterpret_cast<QRgb*>(FImage.scanLine(y))[x] = ToQRgb(c);
}

void TBitmap::Assign(const QImage& image)
{
    FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    FStored = QImage();
}

void TBitmap::AssignStored(const QImage& stored, int bitsPerPixel)
{
    Assign(stored);
    FStored = stored;
    FBitsPerPixel = bitsPerPixel;
}

bool TBitmap::SaveToPng(const QString& path) const
{
    return FImage.save(path, "PNG");
}

} // namespace Kepler
