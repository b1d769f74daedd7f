#pragma once

namespace Kepler {

// Gives the raster layer Qt's text and the running palette's system colours.
// The program calls it at start-up and every control's constructor calls it,
// so a Qt program using the controls needs nothing extra; later calls do
// nothing.
void RegisterQtRasterFace();

} // namespace Kepler
