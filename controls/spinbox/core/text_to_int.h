#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace Kepler {

// The runtime's integer conversion: leading spaces, one optional sign, then
// decimal digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X") and hex
// digits, running to the end. Decimal values must lie in the signed 32-bit
// range; hexadecimal ones must fit in 32 bits and are taken as that bit
// pattern, negated after a "-". Anything else is not a number.
std::optional<std::int32_t> TextToInt(std::u16string_view text);

} // namespace Kepler
