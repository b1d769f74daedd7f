#pragma once
#include <cstdint>

namespace Kepler {

// The local calendar date. Free of Qt so that the simulation core can use it.
struct TLocalDate {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0; // 1 to 12
    std::uint16_t Day = 0;   // 1 to 31
};

// Today's date from the system clock.
TLocalDate CurrentLocalDate();

} // namespace Kepler
