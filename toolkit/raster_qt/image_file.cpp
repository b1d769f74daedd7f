#include "image_file.h"

#include <QImageReader>

namespace Kepler {

QImage ReadImageFile(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

} // namespace Kepler
