#include "image_file.h"

#include "qt_bitmap.h"

#include <QImageReader>

namespace Kepler {

namespace {

void KnownFormatOnly(QImageReader& reader)
{
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
}

void MakeWhite(TBitmap& bitmap, int width, int height)
{
    bitmap.SetSize(0, 0); // forgets the old pixels and any stored picture
    bitmap.SetSize(width, height);
}

} // namespace

QImage ReadImageFile(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    KnownFormatOnly(reader);
    return reader.read();
}

bool ReadImageFileInto(TBitmap& bitmap, const QString& path, const char* format)
{
    QImageReader reader(path, format);
    KnownFormatOnly(reader);
    const QSize size = reader.size();
    if (size.isValid() && reader.imageFormat() == QImage::Format_RGB32) {
        MakeWhite(bitmap, size.width(), size.height());
        // The reader decodes into an image of the right size and format as
        // it is, here the bitmap's own pixels.
        QImage target = QtImage(bitmap);
        const bool read = reader.read(&target);
        if (read && target.constBits() == reinterpret_cast<const uchar*>(bitmap.Bits()))
            return true;
        if (read && !target.isNull()) {
            AssignImage(bitmap, target);
            return true;
        }
        MakeWhite(bitmap, size.width(), size.height());
        return false;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        MakeWhite(bitmap, bitmap.Width(), bitmap.Height());
        return false;
    }
    AssignImage(bitmap, image);
    return true;
}

} // namespace Kepler
