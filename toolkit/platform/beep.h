#pragma once

namespace Kepler {

// The platform's alert sound.
void MessageBeep();

} // namespace Kepler
