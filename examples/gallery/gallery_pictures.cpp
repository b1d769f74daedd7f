#include "gallery_pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

namespace {

// A cream face that darkens towards the rim, with a faint ring pattern.
QImage Face()
{
    QImage face(120, 90, QImage::Format_RGB32);
    QPainter p(&face);
    QRadialGradient shade(QPointF(60, 60), 80);
    shade.setColorAt(0, QColor(0xFF, 0xFB, 0xF0));
    shade.setColorAt(1, QColor(0xC8, 0xBE, 0xA0));
    p.fillRect(face.rect(), shade);
    p.setPen(QColor(0xB4, 0xAA, 0x8C));
    for (int r = 10; r < 100; r += 10)
        p.drawEllipse(QPointF(60, 60), r, r);
    return face;
}

// A brass cap on palette index 0 (black), which the cover's mask keeps
// transparent.
QImage Cover()
{
    constexpr int Size = 25;
    QImage cover(Size, Size, QImage::Format_Indexed8);
    cover.setColorTable({qRgb(0, 0, 0), qRgb(0xB5, 0x8B, 0x2D), qRgb(0xF0, 0xD2, 0x78), qRgb(0x5A, 0x41, 0x0F)});
    const double c = (Size - 1) / 2.0;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const double dx = x - c;
            const double dy = y - c;
            const double d2 = dx * dx + dy * dy;
            int index = 0;
            if (d2 <= c * c)
                index = d2 >= (c - 2) * (c - 2) ? 3 : (dx + dy < -4 ? 2 : 1);
            cover.setPixel(x, y, uint(index));
        }
    }
    return cover;
}

} // namespace

bool WriteGalleryPictures(const QString& folder, QString& faceFile, QString& coverFile)
{
    faceFile = QDir(folder).filePath(QStringLiteral("face.bmp"));
    coverFile = QDir(folder).filePath(QStringLiteral("cover.bmp"));
    return Face().save(faceFile, "BMP") && Cover().save(coverFile, "BMP");
}
