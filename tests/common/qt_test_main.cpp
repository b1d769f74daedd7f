// Test entry for suites that need a QApplication. Widgets run offscreen
// unless the caller chose a platform.
//
// The suites run where the program's users are: on a German desktop. The
// locale comes in as it does for the program, through the environment that
// QApplication reads at start-up (it sets the C library's locale and Qt's
// default from it), so C library and Qt both really are German. A machine
// without that locale fails here instead of silently falling back to "C".
#include <gtest/gtest.h>

#include "qt_raster_face.h"

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* TestLocale = "de_DE.UTF-8";

bool LocaleIsGerman()
{
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    const std::lconv* conv = std::localeconv();
    return numeric && std::strcmp(numeric, TestLocale) == 0 && std::strcmp(conv->decimal_point, ",") == 0
        && QLocale().decimalPoint() == QStringLiteral(",");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", TestLocale);
    QApplication app(argc, argv);
    if (!LocaleIsGerman()) {
        std::fprintf(stderr,
            "The tests run under the locale %s, which this machine does not have "
            "(the C library reports \"%s\"). Generate it first: bash scripts/install-deps.sh\n",
            TestLocale, std::setlocale(LC_NUMERIC, nullptr));
        return 1;
    }
    // As in the program, pictures draw with Qt's text and palette.
    Kepler::RegisterQtRasterFace();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
