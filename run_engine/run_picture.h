#pragma once
#include <cstdint>

namespace Kepler {

class TCanvas;

// Wipes the picture for a new run: a black frame one pixel in from the
// edge, white inside; only the outermost pixels stay.
void WipePicture(TCanvas& c);

// The marks every run starts with: the blue horizontal and centre mark, the
// Sun and the letters "C" and "S".
void DrawFixedMarks(TCanvas& c);

// A body's mark, a circle 4 pixels across at (x, y), in the pen's colour.
void DrawBody(TCanvas& c, std::int32_t x, std::int32_t y);

} // namespace Kepler
