#include "injected_platform.h"
#include "run_loop.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace Kepler;

namespace {

struct FormatCase {
    double Degrees;
    const char* German;
    const char* English;
};

// A failing case is named, not dumped as bytes.
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.Degrees << "°"; }

class ReadoutFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ReadoutFormatTest, OneDecimalHalvesAwayFromZeroLocaleSeparator)
{
    const FormatCase& c = GetParam();
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatReadout(c.Degrees), QString::fromUtf8(c.German));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FormatReadout(c.Degrees), QString::fromUtf8(c.English));
    QLocale::setDefault(saved);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadoutFormatTest,
    ::testing::Values(
        FormatCase{315.582, "315,6 °", "315.6 °"},
        FormatCase{303.739, "303,7 °", "303.7 °"},
        FormatCase{-0.0655, "-0,1 °", "-0.1 °"},
        FormatCase{-0.0850, "-0,1 °", "-0.1 °"},
        // Rounds to zero: no sign.
        FormatCase{-0.04, "0,0 °", "0.0 °"},
        FormatCase{-0.0, "0,0 °", "0.0 °"},
        FormatCase{0.0, "0,0 °", "0.0 °"},
        // Exact halves go away from zero.
        FormatCase{0.25, "0,3 °", "0.3 °"},
        FormatCase{-0.25, "-0,3 °", "-0.3 °"},
        FormatCase{12.75, "12,8 °", "12.8 °"},
        // 0.05 is stored a little above, 0.15 a little below the half.
        FormatCase{0.05, "0,1 °", "0.1 °"},
        FormatCase{0.15, "0,1 °", "0.1 °"},
        FormatCase{359.96, "360,0 °", "360.0 °"},
        FormatCase{-1.52424, "-1,5 °", "-1.5 °"},
        FormatCase{9.96, "10,0 °", "10.0 °"},
        // No thousands separator.
        FormatCase{1234.5, "1235,0 °", "1235.0 °"},
        // At most four significant digits, also before the separator.
        FormatCase{12345.6, "12350,0 °", "12350.0 °"},
        FormatCase{-98765.4, "-98770,0 °", "-98770.0 °"}));

// The C library's locale is German while the tests run; Qt's default locale
// alone chooses the separator.
TEST(ReadoutFormatLocaleTest, TheCLibrarysLocaleTakesNoPart)
{
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FormatReadout(-0.0655), QStringLiteral("-0.1 \u00B0"));
    EXPECT_EQ(FormatReadout(342.19365957837795), QStringLiteral("342.2 \u00B0"));
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    EXPECT_EQ(FormatReadout(-0.0850), QStringLiteral("-0,1 \u00B0"));
    QLocale::setDefault(saved);
}

} // namespace
