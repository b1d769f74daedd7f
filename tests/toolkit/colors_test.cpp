#include "KeplerControls/colors.h"
#include "qt_colors.h"
#include "plain_test_platform.h"
#include "qt_platform.h"
#include "qt_raster_face.h"
#include "system_colors.h"
#include "test_platform.h"
#include "text_engine.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

using namespace Kepler;

namespace {

// Red sits in the low byte of ours and in the third byte of Qt's.
TEST(Colors, ConvertToAndFromQt)
{
    EXPECT_EQ(ToQRgb(clOrange), qRgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(ToQRgb(RGB(0x12, 0x34, 0x56)), 0xFF123456u);
    EXPECT_EQ(ToQColor(clNavy), QColor(0, 0, 0x80));
    EXPECT_EQ(FromQRgb(0xFF123456u), RGB(0x12, 0x34, 0x56));
    // Alpha does not reach our colours.
    EXPECT_EQ(FromQRgb(0x00123456u), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3, 4)), RGB(1, 2, 3));
    // System colours are resolved on the way out.
    const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(ToQRgb(clBtnFace), face.rgb() | 0xFF000000u);
}

TEST(Colors, RedIsTheLowByte)
{
    EXPECT_EQ(GetRValue(clOrange), 0xFF);
    EXPECT_EQ(GetGValue(clOrange), 0x80);
    EXPECT_EQ(GetBValue(clOrange), 0x00);
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412u);
}

TEST(Colors, PlainColoursPassThrough)
{
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clCream), clCream);
    // A high byte that does not name a system colour is dropped.
    EXPECT_EQ(ColorToRGB(0x01563412u), 0x563412u);
}

// System colours follow the running application's palette when resolved.
TEST(Colors, SystemColoursComeFromThePalette)
{
    const QPalette pal = QGuiApplication::palette();
    EXPECT_EQ(ColorToRGB(clBtnFace), FromQColor(pal.color(QPalette::Active, QPalette::Button)));
    EXPECT_EQ(ColorToRGB(clBtnShadow), FromQColor(pal.color(QPalette::Active, QPalette::Dark)));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), FromQColor(pal.color(QPalette::Active, QPalette::Light)));
    EXPECT_EQ(ColorToRGB(clWindowText),
              FromQColor(pal.color(QPalette::Active, QPalette::WindowText)));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
}

// A program without Qt's face draws the system colours as the desktop's
// default palette shows them, so a picture looks the same with either.
TEST(Colors, TheClassicColoursAreTheDefaultPalettes)
{
    const QPalette pal = QGuiApplication::palette();
    const TPlainTestPlatform plain;
    const struct {
        TColor System;
        QPalette::ColorRole Role;
    } cases[] = {
        {clWindow, QPalette::Base},        {clWindowText, QPalette::WindowText},
        {clBtnFace, QPalette::Button},     {clBtnShadow, QPalette::Dark},
        {clBtnHighlight, QPalette::Light},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToRGB(c.System), FromQColor(pal.color(QPalette::Active, c.Role))) << c.System;
}

// The Qt face is registered at start, as the one platform that gives text,
// system colours and all else; registering it again later leaves whatever
// a program installed since in place.
TEST(Colors, TheQtFaceIsRegisteredOnce)
{
    TPlatform& face = Platform();
    ASSERT_NE(dynamic_cast<TQtPlatform*>(&face), nullptr);
    const TSystemColors* colors = SystemColors();
    ASSERT_NE(colors, nullptr);
    EXPECT_NE(TextEngine(), nullptr);
    {
        class TFixed : public TSystemColors {
        public:
            TColor Resolve(TColor) const override { return clRed; }
        } fixed;
        TTestPlatform test;
        test.Colors = &fixed;
        RegisterQtRasterFace();
        EXPECT_EQ(&Platform(), &test);
        EXPECT_EQ(SystemColors(), &fixed);
        EXPECT_EQ(ColorToRGB(clBtnFace), clRed);
    }
    EXPECT_EQ(&Platform(), &face);
    EXPECT_EQ(SystemColors(), colors);
}

// A new palette makes kept drawings with system colours out of date.
TEST(Colors, ANewPaletteChangesTheSystemColoursVersion)
{
    const QPalette saved = QGuiApplication::palette();
    const std::uint64_t before = SystemColorsVersion();
    EXPECT_EQ(SystemColorsVersion(), before);
    QPalette changed = saved;
    changed.setColor(QPalette::Button, QColor(10, 20, 30));
    QGuiApplication::setPalette(changed);
    const std::uint64_t after = SystemColorsVersion();
    EXPECT_NE(after, before);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(10, 20, 30));
    QGuiApplication::setPalette(saved);
    EXPECT_NE(SystemColorsVersion(), after);
}

} // namespace
