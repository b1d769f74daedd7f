#pragma once
#include <cstdint>

namespace Kepler {

// The platform's millisecond counter, 32 bits unsigned, wrapping after 2^32 ms.
std::uint32_t GetTickCount();

} // namespace Kepler
