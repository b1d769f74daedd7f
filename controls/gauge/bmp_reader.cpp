#include "bmp_reader.h"

#include <QFile>

namespace Kepler {

void ReadBitmapFile(const QString& fileName, TBitmap& target)
{
    try {
        ReadBmpFile(QFile::encodeName(fileName).toStdString(), target);
    } catch (const EBitmapReadError& e) {
        throw EMeterImageError(e.what());
    }
}

} // namespace Kepler
