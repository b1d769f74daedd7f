// The readouts under the user's settings: the window hands the runs its
// locale's decimal separator, and Qt's default locale alone chooses it.
#include "desktop_run.h"
#include "form1.h"
#include "form_controls.h"
#include "injected_platform.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <clocale>

using namespace Kepler;

namespace {

struct SeparatorCase {
    QLocale::Language Language;
    QLocale::Territory Territory;
    const char* Separator;
    const char* LastReadout; // both readouts when the first run ends
};

// A failing case is named, not dumped as bytes.
void PrintTo(const SeparatorCase& c, std::ostream* os) { *os << QLocale::languageToString(c.Language).toStdString(); }

class ReadoutSeparatorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(ReadoutSeparatorTest, AWholeRunShowsTheLocalesSeparator)
{
    const SeparatorCase& c = GetParam();
    InjectedPlatform platform;
    QLocale::setDefault(QLocale(c.Language, c.Territory));
    TForm1 form;
    const TForm1Controls controls(form);
    EXPECT_EQ(form.DecimalSeparator(), c.Separator);

    form.BtnStartClick();
    platform.Drive([&] { return form.Run().Depth() > 0; });
    EXPECT_EQ(controls.EdtmA->text(), QString::fromUtf8(c.LastReadout));
    EXPECT_EQ(controls.EdtwA->text(), QString::fromUtf8(c.LastReadout));
}

INSTANTIATE_TEST_SUITE_P(Locales, ReadoutSeparatorTest,
    ::testing::Values(
        SeparatorCase{QLocale::German, QLocale::Germany, ",", "-0,1 °"},
        SeparatorCase{QLocale::English, QLocale::UnitedStates, ".", "-0.1 °"},
        SeparatorCase{QLocale::Turkish, QLocale::Turkey, ",", "-0,1 °"}));

// The C library's locale is German while the tests run; it takes no part.
TEST(ReadoutSeparatorLocaleTest, TheCLibrarysLocaleTakesNoPart)
{
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    InjectedPlatform platform;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TForm1 form;
    EXPECT_EQ(form.DecimalSeparator(), ".");
}

} // namespace
