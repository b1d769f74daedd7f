#pragma once

namespace Kepler {

// Both anomalies, both radii and the mean body's mark for the current day.
void ComputeOrbitStep();
// The planet's mark from the stored true anomaly and radius.
void ComputePlanetPixel();

} // namespace Kepler
