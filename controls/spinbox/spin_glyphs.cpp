#include "spin_glyphs.h"

#include "image_file.h"

#include <QDirIterator>
#include <QFileInfo>

// Resources of a static library need an explicit start.
static void InitSpinboxResources()
{
    Q_INIT_RESOURCE(spinbox);
}

QImage LoadBitmapResource(const QString& name)
{
    static const bool initialised = (InitSpinboxResources(), true);
    (void)initialised;
    QDirIterator it(QStringLiteral(":/bitmaps"));
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName().compare(name, Qt::CaseInsensitive) == 0)
            return ReadImageFile(path, "bmp");
    }
    return {};
}
