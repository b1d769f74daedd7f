#include "tick_counter.h"

#include "platform.h"

namespace Kepler {

std::uint32_t GetTickCount()
{
    return Platform().TickCount();
}

} // namespace Kepler
