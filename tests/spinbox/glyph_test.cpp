#include "KeplerControls/spin_button.h"
#include "spin_glyphs.h"
#include "timer_speed_button.h"
#include "qt_bitmap.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

constexpr QRgb Olive = qRgb(128, 128, 0);
constexpr QRgb Black = qRgb(0, 0, 0);

struct GlyphCase {
    const char* Name;
    int Black[6][2]; // first and last black column per row; {-1, -1} for none
};

const GlyphCase Glyphs[] = {
    {"SpinUp", {{-1, -1}, {4, 4}, {3, 5}, {2, 6}, {1, 7}, {-1, -1}}},
    {"SPINDOWN", {{-1, -1}, {1, 7}, {2, 6}, {3, 5}, {4, 4}, {-1, -1}}},
};

} // namespace

TEST(SpinGlyphs, BuiltInArrowsAreBlackTrianglesOnOlive)
{
    for (const GlyphCase& g : Glyphs) {
        const QImage image = LoadBitmapResource(QString::fromLatin1(g.Name));
        ASSERT_EQ(image.size(), QSize(9, 6)) << g.Name;
        EXPECT_EQ(image.depth(), 8) << g.Name; // a 4-bit file loads as indexed
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool black = x >= g.Black[y][0] && x <= g.Black[y][1];
                EXPECT_EQ(image.pixel(x, y), black ? Black : Olive) << g.Name << " " << x << "," << y;
            }
    }
    EXPECT_TRUE(LoadBitmapResource("spinup").isNull() == false);
    EXPECT_TRUE(LoadBitmapResource("SpinSideways").isNull());
}

TEST(SpinGlyphs, TransparentColourIsTheBottomLeftPixel)
{
    TSpinButton pair;
    const QImage up = pair.UpButton()->GlyphImage(bsUp);
    EXPECT_EQ(qAlpha(up.pixel(0, 0)), 0);
    EXPECT_EQ(up.pixel(4, 1), 0xFF000000u);
    // Any other bottom-left colour is the transparent one instead.
    QImage custom(2, 1, QImage::Format_RGB32);
    custom.setPixel(0, 0, qRgb(255, 0, 0));
    custom.setPixel(1, 0, qRgb(0, 0, 255));
    TBitmap b;
    AssignImage(b, custom);
    pair.SetUpGlyph(&b);
    EXPECT_EQ(qAlpha(pair.UpButton()->GlyphImage(bsUp).pixel(0, 0)), 0);
    EXPECT_EQ(pair.UpButton()->GlyphImage(bsUp).pixel(1, 0), qRgb(0, 0, 255));
    pair.SetUpGlyph(nullptr); // back to the built-in arrow
    EXPECT_EQ(pair.UpGlyph().Width(), 9);
    EXPECT_EQ(pair.UpNumGlyphs(), 1);
}

TEST(SpinGlyphs, StateImagesAndEtchedDisabledImage)
{
    // NumGlyphs images of 1 by 2 pixels, coloured red, green, blue, white in
    // their top pixel over a grey bottom row.
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    const TButtonState states[] = {bsUp, bsDisabled, bsDown, bsHeldDown};
    TSpeedButton button;
    for (int n = 2; n <= 4; ++n) {
        QImage strip(n, 2, QImage::Format_RGB32);
        strip.fill(qRgb(128, 128, 128));
        for (int i = 0; i < n; ++i)
            strip.setPixel(i, 0, colours[i]);
        button.SetGlyph(strip);
        button.SetNumGlyphs(n);
        for (int s = 0; s < 4; ++s) {
            const QRgb expected = s < n ? colours[s] : colours[0]; // missing: the first
            EXPECT_EQ(button.GlyphImage(states[s]).pixel(0, 0), expected) << n << " images, state " << s;
        }
    }
    // One image: the disabled look is generated, shadow with a highlight copy.
    TSpinButton pair;
    const QImage etched = pair.UpButton()->GlyphImage(bsDisabled);
    const QImage normal = pair.UpButton()->GlyphImage(bsUp);
    EXPECT_EQ(etched.size(), normal.size());
    const TColor shadow = ColorToRGB(clBtnShadow);
    EXPECT_EQ(etched.pixel(4, 1), qRgb(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow)));
    const TColor light = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(etched.pixel(8, 5), qRgb(GetRValue(light), GetGValue(light), GetBValue(light)));
    EXPECT_EQ(qAlpha(etched.pixel(0, 0)), 0);
}

TEST(SpinGlyphs, GlyphIsCentredByTheFormula)
{
    struct Case {
        int W, H;
        QPoint Origin;
    };
    const Case cases[] = {{15, 8, {3, 1}}, {15, 10, {3, 2}}, {15, 9, {3, 2}}, {16, 8, {4, 1}}, {5, 3, {-1, -1}}};
    TSpeedButton button;
    button.SetGlyph(LoadBitmapResource("SpinUp"));
    for (const Case& c : cases) {
        button.resize(c.W, c.H);
        EXPECT_EQ(button.GlyphOrigin(), c.Origin) << c.W << "x" << c.H;
    }
}

namespace {

// The box around the black pixels of a widget's rendering.
QRect BlackBox(QWidget& w)
{
    const QImage image = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFFu) == 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// A pressed half moves its arrow one pixel right and down, whatever the
// style would shift a push button's contents by.
TEST(SpinGlyphs, PressedHalfMovesTheArrowOnePixelRightAndDown)
{
    TSpinButton pair;
    pair.SetBounds(0, 0, 15, 17);
    for (TTimerSpeedButton* half : {pair.UpButton(), pair.DownButton()}) {
        const QRect up = BlackBox(*half);
        ASSERT_EQ(up.size(), QSize(7, 4));
        EXPECT_EQ(up.topLeft(), half->GlyphOrigin() + QPoint(1, 1));
        QTest::mousePress(half, Qt::LeftButton, {}, QPoint(3, 3));
        ASSERT_EQ(half->State(), bsDown);
        EXPECT_EQ(BlackBox(*half), up.translated(1, 1));
        QTest::mouseRelease(half, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(BlackBox(*half), up);
    }
}
