#include "spin_glyphs.h"

#include "KeplerControls/bitmap.h"
#include "qt_bitmap.h"
#include "read_bmp.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <vector>

namespace Kepler {

namespace {

// The glyphs are the program's own BMP files, read by the same reader as
// any other bitmap; only their bytes come from Qt's resources.
QImage ReadBitmapResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    TBitmap bitmap;
    try {
        DecodeBmp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), path.toStdString(), bitmap);
    } catch (const EBitmapReadError&) {
        return {};
    }
    return StoredImage(bitmap);
}

} // namespace

QImage LoadBitmapResource(const QString& name)
{
    QDirIterator it(QStringLiteral(":/bitmaps"));
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return ReadBitmapResource(path);
    }
    return {};
}

} // namespace Kepler
