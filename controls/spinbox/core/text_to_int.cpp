#include "text_to_int.h"

namespace Kepler {

namespace {

int DigitValue(char16_t u, int base)
{
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (base == 16 && u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (base == 16 && u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d;
}

} // namespace

std::optional<std::int32_t> TextToInt(std::u16string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt; // nothing, a lone sign or a lone prefix

    // Decimal: up to 2^31 with a minus sign, 2^31 - 1 without; hex: 2^32 - 1.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = DigitValue(text[i], base);
        if (d < 0)
            return std::nullopt;
        value = value * std::uint64_t(base) + std::uint64_t(d);
        if (value > limit)
            return std::nullopt;
    }
    // Negation in 32-bit unsigned arithmetic: wraps like the bit pattern does.
    std::uint32_t bits = std::uint32_t(value);
    if (negative)
        bits = 0u - bits;
    return std::int32_t(bits);
}

} // namespace Kepler
