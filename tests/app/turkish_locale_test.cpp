// Under Turkish settings "i" and "I" are not each other's case ("I" lowers
// to a dotless "ı", "i" uppers to a dotted "İ"). Names the program looks up
// must not depend on that, and the readouts take only the separator.
#include "desktop_run.h"
#include "form1.h"
#include "form_controls.h"
#include "injected_platform.h"

#include "KeplerControls/spin_button.h"
#include "KeplerControls/spin_edit.h"
#include "spin_glyphs.h"
#include "timer_speed_button.h"

#include <QLineEdit>
#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace Kepler;

namespace {

class TurkishLocaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FSavedC = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "tr_TR.UTF-8"), nullptr)
            << "the locale tr_TR.UTF-8 is missing; bash scripts/install-deps.sh generates it";
        FSavedQt = QLocale();
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, FSavedC.c_str());
        QLocale::setDefault(FSavedQt);
    }

private:
    std::string FSavedC;
    QLocale FSavedQt;
};

TEST_F(TurkishLocaleTest, TheLocaleReallyHasItsOwnI)
{
    EXPECT_EQ(QLocale().toLower(QStringLiteral("SPINUP")), QStringLiteral("spınup"));
    EXPECT_EQ(QLocale().toUpper(QStringLiteral("spinup")), QStringLiteral("SPİNUP"));
}

TEST_F(TurkishLocaleTest, SpinGlyphsAreFoundInAnyCase)
{
    for (const char* name : {"SPINUP", "SPINDOWN", "spinup", "spindown", "SpinUp", "SpinDown"})
        EXPECT_FALSE(LoadBitmapResource(QString::fromLatin1(name)).isNull()) << name;
    // Turkish case forms are other names.
    EXPECT_TRUE(LoadBitmapResource(QStringLiteral("SPİNUP")).isNull());
    EXPECT_TRUE(LoadBitmapResource(QStringLiteral("spınup")).isNull());
}

TEST_F(TurkishLocaleTest, WindowBuiltUnderTurkishSettingsHasItsGlyphsAndReadouts)
{
    InjectedPlatform platform;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    TForm1 form;
    const TForm1Controls controls(form);
    EXPECT_FALSE(controls.SpinEdit1->Button()->UpButton()->Glyph().Empty());
    EXPECT_FALSE(controls.SpinEdit1->Button()->DownButton()->Glyph().Empty());

    form.BtnStartClick();
    platform.Drive([&] { return form.Run().Depth() > 0; });
    EXPECT_EQ(controls.EdtmA->text(), QStringLiteral("-0,1 °"));
    EXPECT_EQ(controls.EdtwA->text(), QStringLiteral("-0,1 °"));
}

} // namespace
