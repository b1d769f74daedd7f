#pragma once

namespace Kepler {

class TMeter;

// How the gauge presents itself to assistive technology: a read-only dial
// with its value, its scale's limits, and the widget's accessible name and
// description (which say what the values mean in the program at hand).

// Registers the gauge's accessible interface with Qt; later calls do nothing.
void InstallMeterAccessibility();

// Tells assistive technology that the gauge's value has changed.
void AnnounceMeterValue(TMeter& meter);

} // namespace Kepler
