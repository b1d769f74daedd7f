#pragma once
// Decimal text of numbers without the C library's locale: digits come from
// std::to_chars, rounding is done on the digit string, and the caller adds
// sign and decimal separator. The readouts and the gauge's tick labels both
// round here.
#include <string>

namespace Kepler {

// The decimal digits of a magnitude: Digits "d0d1d2..." stand for
// d0.d1d2... times 10^Exponent. Zero is "0" with exponent 0.
struct TDecimalDigits {
    std::string Digits;
    int Exponent = 0;
};

// Every digit of the binary value, however many there are.
TDecimalDigits ExactDecimalDigits(double magnitude);
// The value rounded to `count` significant digits (to nearest, as to_chars
// does).
TDecimalDigits SignificantDecimalDigits(long double magnitude, int count);

// Keeps the first `count` digits; a first dropped digit of 5 or more rounds
// the magnitude up (halves away from zero). A carry out of the first digit
// raises the exponent, so the result keeps `count` digits.
TDecimalDigits RoundDecimalDigits(TDecimalDigits d, int count);

// Fixed-point text "123.4" with exactly `decimals` digits after a "." (none
// and no point for 0), rounded halves away from zero at the last decimal or,
// when that comes first, at the `significant`-th significant digit (the
// places between it and the point become zeros). No sign, no grouping.
std::string FixedDecimalText(const TDecimalDigits& d, int decimals, int significant = 1 << 30);

// Whether a text from FixedDecimalText shows only zeros.
bool IsZeroDecimalText(const std::string& text);

} // namespace Kepler
