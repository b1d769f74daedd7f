#include "beep.h"

#include "platform.h"

namespace Kepler {

void MessageBeep()
{
    Platform().Beep();
}

} // namespace Kepler
