#include "scientific_text.h"

#include <charconv>
#include <cstdio>
#include <version>

namespace Kepler {

namespace {

// Enough for the exact expansion of any double (767 significant digits) or
// the 64 digits asked of a long double, with sign, point and exponent.
constexpr int BufferSize = 800;

template <typename Float>
std::string Printed(const char* format, Float value, int decimals)
{
    char buf[BufferSize];
    const int n = std::snprintf(buf, sizeof buf, format, decimals, value);
    if (n < 0)
        return {};
    return std::string(buf, std::size_t(n < BufferSize ? n : BufferSize - 1));
}

#if defined(__cpp_lib_to_chars)
template <typename Float>
std::string Converted(Float value, int decimals)
{
    char buf[BufferSize];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, decimals);
    if (r.ec != std::errc())
        return ScientificTextPrintf(value, decimals);
    return std::string(buf, r.ptr);
}
#endif

} // namespace

std::string ScientificTextPrintf(double value, int decimals) { return Printed("%.*e", value, decimals); }

std::string ScientificTextPrintf(long double value, int decimals) { return Printed("%.*Le", value, decimals); }

#if defined(__cpp_lib_to_chars)

bool HasFloatToChars() { return true; }

std::string ScientificText(double value, int decimals) { return Converted(value, decimals); }

std::string ScientificText(long double value, int decimals) { return Converted(value, decimals); }

#else

bool HasFloatToChars() { return false; }

std::string ScientificText(double value, int decimals) { return ScientificTextPrintf(value, decimals); }

std::string ScientificText(long double value, int decimals) { return ScientificTextPrintf(value, decimals); }

#endif

} // namespace Kepler
