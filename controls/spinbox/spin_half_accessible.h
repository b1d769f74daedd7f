#pragma once

namespace Kepler {

// How a spin button's halves present themselves to assistive technology:
// as push buttons named "Wert erhöhen" and "Wert verringern" that can be
// pressed, rather than as unnamed pieces of the pair.

// Registers the halves' accessible interface with Qt; later calls do nothing.
void InstallSpinHalfAccessibility();

} // namespace Kepler
