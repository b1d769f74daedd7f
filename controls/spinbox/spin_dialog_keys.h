#pragma once

class QKeyEvent;
class QWidget;

namespace Kepler {

// Whether the window takes the key for itself before the spin box sees it:
// a dialog presses its default button on Enter and cancels on Escape. A
// window without a default button leaves Enter to the spin box, whose
// filter refuses it.
bool WindowTakesKey(const QKeyEvent& e, const QWidget& w);

} // namespace Kepler
