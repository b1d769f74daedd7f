#pragma once
#include <QImage>
#include <QRect>

class QPainter;

namespace Kepler {

// Shows a picture whose every coordinate is one of its own pixels (the
// simulation's picture, the gauge's face) on a screen of any density.
// The picture is drawn at the painter's origin, one picture pixel per
// logical pixel; `region` is the part that needs drawing, in picture pixels.
//
// At whole-number pixel ratios each picture pixel becomes a sharp square of
// screen pixels (nearest neighbour, no smoothing). At fractional ratios a
// picture pixel cannot cover a whole number of screen pixels: the picture is
// first enlarged by pixel repetition to the next whole multiple and then
// reduced smoothly to the screen size, so a one-pixel line keeps its edges
// and is blended over at most one screen pixel instead of being blurred.
void DrawPixelImage(QPainter& painter, const QImage& image, const QRect& region);

// The picture as DrawPixelImage puts it on a screen of the given pixel
// ratio, in screen pixels; exposed for tests and for caching.
QImage ScalePixelImage(const QImage& image, double ratio);

} // namespace Kepler
