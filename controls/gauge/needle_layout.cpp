#include "KeplerControls/needle_layout.h"

namespace Kepler {

void TNeedleLayout::Changed()
{
    if (OnChange)
        OnChange(this);
}

} // namespace Kepler
