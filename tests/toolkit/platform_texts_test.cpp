// What the platform says in text passes as UTF-8: the error box's message
// and the user's decimal separator.
#include "platform.h"
#include "show_exception.h"
#include "test_platform.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <QStringList>

using namespace Kepler;

namespace {

// The suites run under the German locale.
TEST(PlatformTexts, TheDecimalSeparatorIsTheLocales)
{
    EXPECT_EQ(Platform().DecimalSeparator(), ",");
    EXPECT_EQ(Platform().DecimalSeparator(), QLocale().decimalPoint().toStdString());
    TTestPlatform platform;
    platform.Separator = "٫"; // Arabic, two bytes in UTF-8
    EXPECT_EQ(Platform().DecimalSeparator(), "\xD9\xAB");
}

TEST(PlatformTexts, ErrorMessagesKeepEveryCharacter)
{
    TTestPlatform platform;
    QStringList shown;
    platform.OnShowError = [&](const QString& message) { shown.append(message); };
    const struct {
        QString Message;
        QString Shown;
    } cases[] = {
        {QStringLiteral("Verzögerung ungültig"), QStringLiteral("Verzögerung ungültig.")},
        {QStringLiteral("  Schritt 5 € zu groß. "), QStringLiteral("Schritt 5 € zu groß.")},
        {QStringLiteral("Ende 😀"), QStringLiteral("Ende 😀.")},
    };
    for (const auto& c : cases)
        ShowException(c.Message);
    ASSERT_EQ(shown.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(shown[i], cases[i].Shown);
}

} // namespace
