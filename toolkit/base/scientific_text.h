#pragma once
// A number in scientific notation, "d.ddd...e+XX", with a given count of
// digits after the first. The standard library's std::to_chars writes it
// where it has floating-point support; elsewhere (emscripten's library has
// none) the C library's printf does, which gives the same text. Both are
// offered so that they can be compared where both exist.
#include <string>

namespace Kepler {

// Through std::to_chars when the library has it, otherwise through printf.
std::string ScientificText(double value, int decimals);
std::string ScientificText(long double value, int decimals);
// Through printf, always. The decimal point follows the C library's locale
// (a comma under German settings); readers take only the digits and the
// exponent.
std::string ScientificTextPrintf(double value, int decimals);
std::string ScientificTextPrintf(long double value, int decimals);

// Whether ScientificText uses std::to_chars here.
bool HasFloatToChars();

} // namespace Kepler
