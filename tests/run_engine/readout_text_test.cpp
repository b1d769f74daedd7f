#include "readout_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace Kepler;

namespace {

struct ReadoutCase {
    double Degrees;
    const char* Comma; // German and Turkish settings
    const char* Point; // English settings
};

// A failing case is named, not dumped as bytes.
void PrintTo(const ReadoutCase& c, std::ostream* os) { *os << c.Degrees << "°"; }

class ReadoutTextTest : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutTextTest, OneDecimalHalvesAwayFromZeroGivenSeparator)
{
    const ReadoutCase& c = GetParam();
    EXPECT_EQ(ReadoutText(c.Degrees, ","), c.Comma);
    EXPECT_EQ(ReadoutText(c.Degrees, "."), c.Point);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadoutTextTest,
    ::testing::Values(
        ReadoutCase{315.582, "315,6 °", "315.6 °"},
        ReadoutCase{303.739, "303,7 °", "303.7 °"},
        ReadoutCase{-0.0655, "-0,1 °", "-0.1 °"},
        ReadoutCase{-0.0850, "-0,1 °", "-0.1 °"},
        // Rounds to zero: no sign.
        ReadoutCase{-0.04, "0,0 °", "0.0 °"},
        ReadoutCase{-0.0, "0,0 °", "0.0 °"},
        ReadoutCase{0.0, "0,0 °", "0.0 °"},
        // Exact halves go away from zero.
        ReadoutCase{0.25, "0,3 °", "0.3 °"},
        ReadoutCase{-0.25, "-0,3 °", "-0.3 °"},
        ReadoutCase{12.75, "12,8 °", "12.8 °"},
        // 0.05 is stored a little above, 0.15 a little below the half.
        ReadoutCase{0.05, "0,1 °", "0.1 °"},
        ReadoutCase{0.15, "0,1 °", "0.1 °"},
        ReadoutCase{359.96, "360,0 °", "360.0 °"},
        ReadoutCase{-1.52424, "-1,5 °", "-1.5 °"},
        ReadoutCase{9.96, "10,0 °", "10.0 °"},
        ReadoutCase{342.19365957837795, "342,2 °", "342.2 °"},
        // No thousands separator.
        ReadoutCase{1234.5, "1235,0 °", "1235.0 °"},
        // At most four significant digits, also before the separator.
        ReadoutCase{12345.6, "12350,0 °", "12350.0 °"},
        ReadoutCase{-98765.4, "-98770,0 °", "-98770.0 °"}));

TEST(ReadoutTextSpecialTest, NonFiniteValuesAreNamed)
{
    EXPECT_EQ(ReadoutText(std::numeric_limits<double>::quiet_NaN(), ","), "NAN °");
    EXPECT_EQ(ReadoutText(std::numeric_limits<double>::infinity(), ","), "INF °");
    EXPECT_EQ(ReadoutText(-std::numeric_limits<double>::infinity(), ","), "-INF °");
}

// A face may hand in a separator of more than one byte.
TEST(ReadoutTextSpecialTest, TheSeparatorIsTakenWhole)
{
    EXPECT_EQ(ReadoutText(-1.52424, "\u066B"), "-1\u066B5 °");
}

// The C library's locale takes no part, under each of the users' locales.
TEST(ReadoutTextSpecialTest, TheCLibrarysLocaleTakesNoPart)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* locale : {"de_DE.UTF-8", "en_US.UTF-8", "tr_TR.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
            << "the locale " << locale << " is missing; bash scripts/install-deps.sh generates it";
        EXPECT_EQ(ReadoutText(315.582, "."), "315.6 °") << locale;
        EXPECT_EQ(ReadoutText(-0.0850, ","), "-0,1 °") << locale;
    }
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
