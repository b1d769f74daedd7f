#include "KeplerControls/canvas.h"
#include "KeplerControls/bitmap.h"

namespace Kepler {

// The canvas's drawing is spread over files by job: lines, rectangles and
// polygons (canvas_shapes.cpp), ellipses, pies and arcs (canvas_ellipses.cpp),
// copies of bitmaps (canvas_blits.cpp) and text (canvas_text.cpp). Shapes are
// rasterised pixel by pixel, by the classic rules for edges, end points and
// ellipses the pictures are designed for (a general painter's rules differ).
// Only text goes elsewhere, to the registered text engine.

TCanvas::TCanvas(TBitmap& target) : FTarget(target) {}

void TCanvas::MoveTo(int x, int y) { FPenPos = {x, y}; }

TColor TCanvas::Pixel(int x, int y) const { return FTarget.Pixel(x, y); }

void TCanvas::SetPixel(int x, int y, TColor c) { FTarget.SetPixel(x, y, c); }

} // namespace Kepler
