// Qt's own texts (context menus of the edits) come in German.
#include "german_qt_texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <gtest/gtest.h>

namespace {

TEST(GermanQtTexts, EditContextMenuSpeaksGerman)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(dir + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translations are not installed";
    ASSERT_TRUE(InstallGermanQtTexts());
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("Alles auswählen"));
    // A second call keeps the one translator.
    EXPECT_TRUE(InstallGermanQtTexts());
}

} // namespace
