#pragma once
#include "KeplerControls/canvas.h"
#include "meter_paint_values.h"
#include "KeplerControls/needle_style.h"

#include <vector>

namespace Kepler {

// The seven points of a needle pointing at alphaDeg degrees, in drawing
// order: the end of the first head flank, the tip, the end of the second
// flank, where the shaft meets the head on the second flank's side, the
// shaft's two ends at the centre, and where the shaft meets the head on the
// first flank's side. Each coordinate is rounded half to even.
std::vector<TPoint> NeedleOutline(const TNeedleStyle& n, double alphaDeg, const TMeterPaintValues& pv);

} // namespace Kepler
