#pragma once

namespace Kepler {

class TSpinEdit;

// How the spin box presents itself to assistive technology: as a spin box
// with its value, its limits and its step, like the toolkit's own.

// Registers the spin box's accessible interface with Qt; later calls do nothing.
void InstallSpinEditAccessibility();

// Tells assistive technology that the spin box's value may have changed.
void AnnounceSpinEditValue(TSpinEdit& edit);

} // namespace Kepler
