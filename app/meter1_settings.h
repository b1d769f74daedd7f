#pragma once

namespace Kepler { class TMeter; }

// Applies the window's stored settings to its gauge, in the stored order,
// inside the gauge's loading state. The size comes first, so the geometry is
// computed with the rims the gauge had before its own rims are applied.
void ApplyMeter1Settings(Kepler::TMeter& meter);
