#include "decimal_text.h"
#include "scientific_text.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace Kepler {

namespace {

// Splits the scientific form "d.ddde+XX" into digits and exponent; the
// decimal point, whatever character it is, is skipped.
TDecimalDigits FromScientific(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    TDecimalDigits d;
    const char* p = first;
    for (; p != last && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits += *p;
    if (p != last)
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, d.Exponent);
    return d;
}

// Adds one to a string of decimal digits.
void Increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Whether digit i rounds the digits before it up (digits out of range are
// zeros).
bool RoundsUp(const TDecimalDigits& d, int i)
{
    return i >= 0 && i < int(d.Digits.size()) && d.Digits[std::size_t(i)] >= '5';
}

} // namespace

TDecimalDigits ExactDecimalDigits(double magnitude)
{
    // A double's exact expansion has at most 767 significant digits; asking
    // for that many makes to_chars write them all without rounding.
    constexpr int exactDigits = 767;
    TDecimalDigits d = FromScientific(ScientificText(magnitude, exactDigits - 1));
    const std::size_t last = d.Digits.find_last_not_of('0');
    d.Digits.erase(last == std::string::npos ? 1 : last + 1);
    return d;
}

TDecimalDigits SignificantDecimalDigits(long double magnitude, int count)
{
    const int precision = std::clamp(count, 1, 64) - 1;
    return FromScientific(ScientificText(magnitude, precision));
}

TDecimalDigits RoundDecimalDigits(TDecimalDigits d, int count)
{
    count = std::max(count, 1);
    const bool up = RoundsUp(d, count);
    d.Digits.resize(std::size_t(count), '0');
    if (up) {
        Increment(d.Digits);
        if (int(d.Digits.size()) > count) { // 9.99 became 10.00
            d.Digits.pop_back();
            ++d.Exponent;
        }
    }
    return d;
}

std::string FixedDecimalText(const TDecimalDigits& d, int decimals, int significant)
{
    decimals = std::max(decimals, 0);
    // Position of the last shown decimal, counted in digits of d: n digits
    // lie before it. The significant digits may end earlier.
    const int toDecimals = d.Exponent + decimals + 1;
    const int n = std::min(toDecimals, std::max(significant, 1));
    std::string kept;
    if (n > 0)
        kept = d.Digits.substr(0, std::size_t(std::min(n, int(d.Digits.size()))));
    if (n > int(kept.size()))
        kept.append(std::size_t(n - int(kept.size())), '0');
    if (RoundsUp(d, n))
        Increment(kept);
    // Zeros for the places between the last significant digit and the last
    // decimal; kept is now |v| in units of the last decimal.
    if (!kept.empty() && toDecimals > n)
        kept.append(std::size_t(toDecimals - n), '0');
    if (kept.empty())
        kept.assign(1, '0');
    if (int(kept.size()) < decimals + 1)
        kept.insert(0, std::size_t(decimals + 1 - int(kept.size())), '0');
    if (decimals > 0)
        kept.insert(kept.size() - std::size_t(decimals), 1, '.');
    return kept;
}

bool IsZeroDecimalText(const std::string& text)
{
    return text.find_first_not_of("0.") == std::string::npos;
}

} // namespace Kepler
