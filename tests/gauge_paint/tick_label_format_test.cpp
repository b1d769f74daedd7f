// Label text: fixed-point, 18 significant digits, halves up, no locale.
#include "meter_ticks.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <limits>

using namespace Kepler;

namespace {

struct LabelCase {
    long double value;
    int decimals;
    const char* text;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const LabelCase& c, std::ostream* os)
{
    *os << std::setprecision(21) << c.value << " with " << c.decimals << " decimals";
}

const LabelCase kLabelCases[] = {
    {1, 1, "1.0"},
    {-1, 1, "-1.0"},
    {0, 1, "0.0"},
    {-0.0L, 1, "0.0"}, // negative zero is not below zero
    {0.25, 1, "0.3"},  // halves go up
    {2.5, 0, "3"},
    {-2.5, 0, "-3"},   // ... in magnitude
    {-0.04, 1, "-0.0"}, // the sign stays on a value rounded to zero
    {-1e-30L, 4, "-0.0000"},
    {1000, 0, "1000"},
    {0.05, 2, "0.05"},
    {1234.5678, 4, "1234.5678"},
    {9.96, 1, "10.0"}, // carry into a new digit
    // The double 0.95 is 0.949999999999999955..., so it rounds down.
    {0.95, 1, "0.9"},
    {3 * 0.2L, 1, "0.6"},
    // Only 18 significant digits are taken; the rest are zeros.
    {123456789012345678901.0L, 0, "123456789012345679000"},
    {6.6e35L, 0, "660000000000000000000000000000000000"},
    // Past 6.6e35: a mantissa with the decimals and a power of ten.
    {1e36L, 1, "1.0E+36"},
    {-9.99e40L, 1, "-1.0E+41"},
    {2.5e300L, 0, "3E+300"},
    {std::numeric_limits<long double>::max(), 4, "1.1897E+4932"},
    {std::numeric_limits<long double>::infinity(), 1, "INF"},
    {-std::numeric_limits<long double>::infinity(), 1, "-INF"},
    {std::numeric_limits<long double>::quiet_NaN(), 1, "NAN"},
};

class TickLabelFormatTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(TickLabelFormatTest, FormatsFixedPoint)
{
    const LabelCase& c = GetParam();
    EXPECT_EQ(FormatTickLabel(c.value, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, TickLabelFormatTest, ::testing::ValuesIn(kLabelCases));

} // namespace
