#include "spin_glyphs.h"

#include "image_file.h"

#include <QDirIterator>
#include <QFileInfo>

namespace Kepler {

QImage LoadBitmapResource(const QString& name)
{
    QDirIterator it(QStringLiteral(":/bitmaps"));
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return ReadImageFile(path, "bmp");
    }
    return {};
}

} // namespace Kepler
