#pragma once

namespace Kepler {

class TBitmap;
class TCanvas;

// Draws the anchor cover centred on (cx, cy) at its own size, with its
// transparent pixels showing what lies below: the mask is ANDed onto the
// canvas first, then the cover ORed over it. Leaves the canvas in
// cmSrcPaint copy mode.
void DrawCover(TCanvas& canvas, int cx, int cy, const TBitmap& cover, const TBitmap& mask);

} // namespace Kepler
