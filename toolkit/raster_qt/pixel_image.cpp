#include "pixel_image.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace Kepler {

namespace {

bool IsWholeNumber(double ratio)
{
    return std::abs(ratio - std::round(ratio)) < 1e-6;
}

} // namespace

QImage ScalePixelImage(const QImage& image, double ratio)
{
    if (image.isNull() || !(ratio > 0))
        return image;
    const QSize size = image.size();
    if (IsWholeNumber(ratio)) {
        const int k = int(std::round(ratio));
        return k == 1 ? image : image.scaled(size * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    const int k = int(std::ceil(ratio));
    const QImage enlarged = image.scaled(size * k, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QSize screen(int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio)));
    return enlarged.scaled(screen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void DrawPixelImage(QPainter& painter, const QImage& image, const QRect& region)
{
    if (image.isNull())
        return;
    const double ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (IsWholeNumber(ratio)) {
        // The painter's own scaling repeats pixels; only the region is drawn.
        const QRect r = region.intersected(image.rect());
        painter.drawImage(r, image, r);
    } else {
        // The reduction mixes neighbours, so the picture is scaled whole and
        // clipped, which keeps partial repaints free of seams.
        painter.setClipRect(region, Qt::IntersectClip);
        painter.drawImage(QRectF(image.rect()), ScalePixelImage(image, ratio));
    }
    painter.restore();
}

} // namespace Kepler
