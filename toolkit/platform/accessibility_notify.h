#pragma once
#include "announcement.h"

namespace Kepler {

// Tells assistive technology, through the platform, that the object now
// shows the value.
void AnnounceValueChange(TAccessObject object, TAccessValue value);

} // namespace Kepler
