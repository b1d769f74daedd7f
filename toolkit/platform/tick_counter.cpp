#include "tick_counter.h"

#include "platform.h"

std::uint32_t GetTickCount()
{
    return Platform().TickCount();
}
