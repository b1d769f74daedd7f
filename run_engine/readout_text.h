#pragma once
#include <string>

namespace Kepler {

// An angle in degrees as the readouts show it: one decimal (at most four
// significant digits), halves away from zero, the given decimal separator,
// no sign on a value that rounds to zero, then " °". UTF-8.
std::string ReadoutText(double degrees, const std::string& decimalSeparator);

} // namespace Kepler
