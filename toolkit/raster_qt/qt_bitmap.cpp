#include "qt_bitmap.h"

#include <cstring>

namespace Kepler {

namespace {

constexpr qsizetype BytesPerLine(int width) { return qsizetype(width) * qsizetype(sizeof(std::uint32_t)); }

} // namespace

QImage QtImage(TBitmap& bitmap)
{
    if (bitmap.Empty())
        return QImage();
    return QImage(reinterpret_cast<uchar*>(bitmap.Bits()), bitmap.Width(), bitmap.Height(),
                  BytesPerLine(bitmap.Width()), QImage::Format_RGB32);
}

QImage QtImage(const TBitmap& bitmap)
{
    if (bitmap.Empty())
        return QImage();
    return QImage(reinterpret_cast<const uchar*>(bitmap.Bits()), bitmap.Width(), bitmap.Height(),
                  BytesPerLine(bitmap.Width()), QImage::Format_RGB32);
}

namespace {

// How Qt shows each of the 256 indices of a palette picture, read from a
// strip of all of them converted as Qt converts pictures.
std::vector<std::uint32_t> ShownIndices(const QList<QRgb>& colorTable)
{
    QImage strip(256, 1, QImage::Format_Indexed8);
    strip.setColorTable(colorTable);
    for (int i = 0; i < 256; ++i)
        strip.scanLine(0)[i] = uchar(i);
    const QImage shown = strip.convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const std::uint32_t*>(shown.constScanLine(0));
    return {first, first + 256};
}

// Fills the bitmap, sized already, from one index a pixel.
void ShowIndices(TBitmap& bitmap, const std::vector<std::uint32_t>& lookup, const uchar* indices,
                 std::ptrdiff_t stride)
{
    std::uint32_t* out = bitmap.Bits();
    for (int y = 0; y < bitmap.Height(); ++y, indices += stride)
        for (int x = 0; x < bitmap.Width(); ++x)
            *out++ = lookup[indices[x]];
}

void Resize(TBitmap& bitmap, int width, int height)
{
    bitmap.SetSize(0, 0); // forgets the old pixels first
    bitmap.SetSize(width, height);
}

} // namespace

void AssignImage(TBitmap& bitmap, const QImage& image)
{
    if (image.isNull()) {
        bitmap.SetSize(0, 0);
        return;
    }
    if (image.format() == QImage::Format_Indexed8) {
        // Straight into the bitmap: a converted copy of a picture of the
        // largest size allowed would need its memory once more.
        Resize(bitmap, image.width(), image.height());
        ShowIndices(bitmap, ShownIndices(image.colorTable()), image.constBits(), image.bytesPerLine());
        return;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    bitmap.AssignPixels(rgb.width(), rgb.height(), reinterpret_cast<const std::uint32_t*>(rgb.constBits()),
                        rgb.bytesPerLine() / qsizetype(sizeof(std::uint32_t)));
}

void AssignStoredImage(TBitmap& bitmap, QImage stored, int bitsPerPixel)
{
    if (stored.format() != QImage::Format_Indexed8) {
        AssignImage(bitmap, stored);
        if (!stored.isNull())
            bitmap.SetStored({bitsPerPixel, false, {}, {}});
        return;
    }
    // The indices are taken before the picture is let go, and the pixels
    // shown made after, so that the largest picture allowed is never held
    // three times.
    TStoredPicture picture{bitsPerPixel, true, {}, {}};
    const int w = stored.width(), h = stored.height();
    const QList<QRgb> table = stored.colorTable();
    picture.Palette.assign(table.begin(), table.end());
    picture.Indices.resize(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        std::memcpy(picture.Indices.data() + std::size_t(y) * std::size_t(w), stored.constScanLine(y), std::size_t(w));
    stored = QImage();
    AssignIndexedPicture(bitmap, w, h, std::move(picture));
}

QImage StoredImage(const TBitmap& bitmap)
{
    // Only palette pictures are kept apart from the pixels shown.
    const TStoredPicture* stored = bitmap.Stored();
    if (!stored || !stored->Indexed)
        return QtImage(bitmap).copy();
    const int w = bitmap.Width(), h = bitmap.Height();
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(stored->Palette.begin(), stored->Palette.end()));
    for (int y = 0; y < h; ++y)
        std::memcpy(image.scanLine(y), stored->Indices.data() + std::size_t(y) * std::size_t(w), std::size_t(w));
    return image;
}

bool SaveToPng(const TBitmap& bitmap, const QString& path)
{
    return QtImage(bitmap).save(path, "PNG");
}

} // namespace Kepler
