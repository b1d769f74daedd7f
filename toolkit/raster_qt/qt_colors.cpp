#include "qt_colors.h"
#include "pixel.h"

namespace Kepler {

// A bitmap's pixels are laid out as Qt's RGB32, so the conversions are the
// raster layer's own.
QRgb ToQRgb(TColor c) { return PixelOf(c); }

QColor ToQColor(TColor c) { return QColor::fromRgb(ToQRgb(c)); }

TColor FromQRgb(QRgb p) { return ColorOfPixel(p); }

TColor FromQColor(const QColor& c) { return FromQRgb(c.rgb()); }

} // namespace Kepler
