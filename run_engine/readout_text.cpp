#include "readout_text.h"

#include "decimal_text.h"

#include <cmath>

namespace Kepler {

std::string ReadoutText(double degrees, const std::string& decimalSeparator)
{
    std::string text;
    if (std::isnan(degrees)) {
        text.append("NAN");
    } else if (std::isinf(degrees)) {
        text.append(degrees < 0 ? "-INF" : "INF");
    } else {
        // Rounded on the exact binary value, not on a shortened one.
        const std::string body = FixedDecimalText(ExactDecimalDigits(std::fabs(degrees)), 1, 4);
        if (degrees < 0 && !IsZeroDecimalText(body))
            text.push_back('-');
        for (const char c : body) {
            if (c == '.')
                text.append(decimalSeparator);
            else
                text.push_back(c);
        }
    }
    text.append(" \u00B0");
    return text;
}

} // namespace Kepler
