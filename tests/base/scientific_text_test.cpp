// Scientific text through std::to_chars and through printf, the fallback
// where the standard library has no floating-point to_chars: both must give
// the same digits and exponent for every value the program formats, since
// the readouts and the gauge's tick labels round on them.
#include "decimal_text.h"
#include "scientific_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using namespace Kepler;

namespace {

// printf writes the locale's decimal point; to_chars always a '.'.
std::string WithPoint(std::string text)
{
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// Finite doubles over the whole range, from their bit patterns.
std::vector<double> RandomDoubles(std::size_t count)
{
    std::mt19937_64 random(20261211);
    std::vector<double> values;
    while (values.size() < count) {
        const double v = std::bit_cast<double>(std::uint64_t(random()));
        if (std::isfinite(v))
            values.push_back(std::fabs(v));
    }
    return values;
}

// What the program formats: readout angles in tenths, tick values of scales
// such as -1 to 1 or 0 to 0.3 in steps of 1, 2 and 5 times a power of ten.
std::vector<double> ProgramValues()
{
    std::vector<double> values = {0.0, 315.582, 303.739, 0.0655, 0.085, 0.05, 0.15, 0.25, 2.5, 1e-300, 1e300,
                                  std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()};
    for (int tenth = -20; tenth <= 3600; ++tenth)
        values.push_back(std::fabs(tenth / 10.0));
    for (int e = -6; e <= 6; ++e)
        for (const double m : {1.0, 2.0, 5.0})
            for (int k = 0; k <= 20; ++k)
                values.push_back(k * m * std::pow(10.0, e));
    return values;
}

TEST(ScientificTextTest, PrintfGivesWhatToCharsGivesForDoubles)
{
    if (!HasFloatToChars())
        GTEST_SKIP() << "this standard library has no floating-point to_chars to compare with";
    std::vector<double> values = ProgramValues();
    const std::vector<double> random = RandomDoubles(2000);
    values.insert(values.end(), random.begin(), random.end());
    int compared = 0;
    for (const double v : values) {
        for (const int decimals : {0, 1, 3, 4, 16, 20, 766}) {
            ASSERT_EQ(WithPoint(ScientificTextPrintf(v, decimals)), ScientificText(v, decimals))
                << "value " << v << " with " << decimals << " decimals";
            ++compared;
        }
    }
    EXPECT_GT(compared, 40000);
}

TEST(ScientificTextTest, PrintfGivesWhatToCharsGivesForLongDoubles)
{
    if (!HasFloatToChars())
        GTEST_SKIP() << "this standard library has no floating-point to_chars to compare with";
    std::vector<long double> values;
    for (const double v : ProgramValues())
        values.push_back(v);
    // Tick steps are worked out in long double: thirds and logarithms.
    for (int k = 1; k <= 300; ++k)
        values.push_back(std::pow(10.0L, k / 30.0L) / 3.0L);
    for (const long double v : values) {
        for (const int decimals : {0, 1, 2, 5, 17, 63}) {
            ASSERT_EQ(WithPoint(ScientificTextPrintf(v, decimals)), ScientificText(v, decimals))
                << "value " << double(v) << " with " << decimals << " decimals";
        }
    }
}

TEST(ScientificTextTest, DecimalTextWorksOnEitherPath)
{
    // The exact digits and the rounded ones that the readouts and labels use,
    // as they come out here (on the desktop through to_chars, in a browser
    // through printf); the comparisons above tie the two together.
    const TDecimalDigits tenth = ExactDecimalDigits(0.1);
    EXPECT_EQ(tenth.Digits, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(tenth.Exponent, -1);
    EXPECT_EQ(ExactDecimalDigits(std::numeric_limits<double>::denorm_min()).Digits.size(), 751u);
    struct Case {
        long double value;
        int count;
        const char* digits;
        int exponent;
    };
    const Case cases[] = {
        {315.582L, 4, "3156", 2},
        {0.0655L, 1, "7", -2},
        {9.96L, 2, "10", 1},
        {1.0L, 3, "100", 0},
    };
    for (const Case& c : cases) {
        const TDecimalDigits d = SignificantDecimalDigits(c.value, c.count);
        EXPECT_EQ(d.Digits, c.digits) << double(c.value);
        EXPECT_EQ(d.Exponent, c.exponent) << double(c.value);
    }
    EXPECT_EQ(FixedDecimalText(ExactDecimalDigits(315.582), 1, 4), "315.6");
    EXPECT_EQ(FixedDecimalText(ExactDecimalDigits(0.0655), 1, 4), "0.1");
}

} // namespace
