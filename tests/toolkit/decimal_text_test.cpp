// Decimal text from digit strings: exact digits, rounding halves away from
// zero, fixed-point text with a limit on significant digits. None of it
// looks at the C library's locale, which is German while these tests run.
#include "decimal_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <iomanip>
#include <limits>

using namespace Kepler;

namespace {

TEST(DecimalTextTest, ExactDigitsOfTheBinaryValue)
{
    const TDecimalDigits tenth = ExactDecimalDigits(0.1);
    EXPECT_EQ(tenth.Digits, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(tenth.Exponent, -1);
    const TDecimalDigits quarter = ExactDecimalDigits(0.25);
    EXPECT_EQ(quarter.Digits, "25");
    EXPECT_EQ(quarter.Exponent, -1);
    const TDecimalDigits zero = ExactDecimalDigits(0.0);
    EXPECT_EQ(zero.Digits, "0");
    EXPECT_EQ(zero.Exponent, 0);
    // The smallest double: 751 significant digits, all of them.
    const TDecimalDigits tiny = ExactDecimalDigits(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(tiny.Exponent, -324);
    EXPECT_EQ(tiny.Digits.size(), 751u);
    EXPECT_EQ(tiny.Digits.substr(0, 6), "494065");
    EXPECT_EQ(ExactDecimalDigits(std::numeric_limits<double>::max()).Exponent, 308);
}

TEST(DecimalTextTest, SignificantDigits)
{
    const TDecimalDigits d = SignificantDecimalDigits(0.95, 18); // the double, not 0.95L
    EXPECT_EQ(d.Digits, "949999999999999956");
    EXPECT_EQ(d.Exponent, -1);
    EXPECT_EQ(SignificantDecimalDigits(1000, 3).Digits, "100");
    EXPECT_EQ(SignificantDecimalDigits(1000, 3).Exponent, 3);
}

struct RoundCase {
    const char* Digits;
    int Exponent;
    int Count;
    const char* Rounded;
    int RoundedExponent;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const RoundCase& c, std::ostream* os)
{
    *os << c.Digits << " E" << c.Exponent << " to " << c.Count << " digits";
}

class RoundDecimalDigitsTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimalDigitsTest, HalvesAwayFromZero)
{
    const RoundCase& c = GetParam();
    const TDecimalDigits r = RoundDecimalDigits({c.Digits, c.Exponent}, c.Count);
    EXPECT_EQ(r.Digits, c.Rounded);
    EXPECT_EQ(r.Exponent, c.RoundedExponent);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundDecimalDigitsTest,
    ::testing::Values(RoundCase{"125", 0, 2, "13", 0}, // a half goes up
        RoundCase{"1249", 0, 2, "12", 0},
        RoundCase{"995", 2, 2, "10", 3}, // a carry out of the first digit
        RoundCase{"5", 0, 3, "500", 0}, // missing digits are zeros
        RoundCase{"15", 0, 0, "2", 0})); // at least one digit stays

struct FixedCase {
    double Value;
    int Decimals;
    int Significant;
    const char* Text;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const FixedCase& c, std::ostream* os)
{
    *os << std::setprecision(17) << c.Value << " with " << c.Decimals << " decimals of "
           << c.Significant << " significant digits";
}

class FixedDecimalTextTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedDecimalTextTest, FromExactDigits)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(FixedDecimalText(ExactDecimalDigits(c.Value), c.Decimals, c.Significant), c.Text);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedDecimalTextTest,
    ::testing::Values(FixedCase{315.582, 1, 4, "315.6"},
        FixedCase{0.0655, 1, 4, "0.1"},
        FixedCase{0.04, 1, 4, "0.0"},
        FixedCase{0.0, 1, 4, "0.0"},
        FixedCase{0.25, 1, 4, "0.3"}, // an exact half goes up
        FixedCase{0.15, 1, 4, "0.1"}, // the double lies below the half
        FixedCase{0.05, 1, 4, "0.1"}, // ... and this one above it
        FixedCase{0.06, 1, 4, "0.1"}, // rounds up into the first decimal
        FixedCase{9.96, 1, 4, "10.0"},
        FixedCase{1234.5, 1, 4, "1235.0"}, // precision cuts the decimal
        FixedCase{12345.6, 1, 4, "12350.0"}, // ... and the ones
        FixedCase{9999.5, 1, 4, "10000.0"},
        FixedCase{1e12 + 0.5, 1, 4, "1000000000000.0"},
        FixedCase{2.5, 0, 18, "3"},
        FixedCase{1000, 0, 18, "1000"},
        FixedCase{0.0001, 3, 18, "0.000"},
        FixedCase{0.0005, 3, 18, "0.001"}));

TEST(DecimalTextTest, ZeroTexts)
{
    EXPECT_TRUE(IsZeroDecimalText("0.0"));
    EXPECT_TRUE(IsZeroDecimalText("0"));
    EXPECT_FALSE(IsZeroDecimalText("0.1"));
    EXPECT_FALSE(IsZeroDecimalText("10"));
}

TEST(DecimalTextTest, TheCLibrarysGermanCommaTakesNoPart)
{
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(FixedDecimalText(ExactDecimalDigits(1.25), 2), "1.25");
    EXPECT_EQ(FixedDecimalText(SignificantDecimalDigits(1.25L, 18), 1), "1.3");
}

} // namespace
