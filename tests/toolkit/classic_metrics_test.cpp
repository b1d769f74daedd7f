// Text height and baseline the classic way: from the font's OS/2 table
// (usWinAscent + usWinDescent), scaled to the pixel size. The Tahoma that
// the program resolves to (unitsPerEm 2048, usWinAscent 2049, usWinDescent
// 423) gives an 11 pixel line 13 pixels high and a 21 pixel one 25; Qt's
// typographic metrics would give 11 and 22. Widths stay Qt's.
#include "canvas_test_support.h"
#include "qt_bitmap.h"
#include "qt_font.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace Kepler;

namespace {

QFont Tahoma(int pixels, bool bold = false)
{
    TFont f;
    f.SetHeight(-pixels);
    f.SetStyle(bold ? fsBold : 0);
    return ToQFont(f);
}

TEST(ClassicTextMetrics, TahomaLinesAsDesigned)
{
    const struct {
        int Pixels;
        bool Bold;
        int Ascent, Descent;
    } cases[] = {{11, false, 11, 2}, {11, true, 11, 2}, {12, true, 12, 2}, {21, false, 21, 4}};
    for (const auto& c : cases) {
        const TTextMetrics m = ClassicTextMetrics(Tahoma(c.Pixels, c.Bold));
        EXPECT_EQ(m.Ascent, c.Ascent) << c.Pixels << (c.Bold ? " bold" : "");
        EXPECT_EQ(m.Descent, c.Descent) << c.Pixels << (c.Bold ? " bold" : "");
        EXPECT_EQ(m.Height(), c.Ascent + c.Descent);
    }
}

// A positive font height is the cell height: 13 gives the 11 pixel em.
TEST(ClassicTextMetrics, CellHeightGivesTheEmSize)
{
    TFont f;
    f.SetHeight(13);
    EXPECT_EQ(ToQFont(f).pixelSize(), 11);
    f.SetHeight(25);
    EXPECT_EQ(ToQFont(f).pixelSize(), 21);
}

TEST(ClassicTextMetrics, CanvasMeasuresHeightClassicallyAndWidthWithQt)
{
    TBitmap b(40, 20);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.TextHeight("0.0"), 13);
    QFont crisp = Tahoma(11);
    crisp.setHintingPreference(QFont::PreferFullHinting);
    crisp.setStyleStrategy(QFont::NoAntialias);
    const QImage device = QtImage(b);
    EXPECT_EQ(c.TextWidth("0.0"), QFontMetrics(crisp, &device).horizontalAdvance(QStringLiteral("0.0")));
}

// The baseline lies at the classic ascent: an "H" drawn at row 2 stands on
// row 2 + 11 - 1 = 12; with a solid brush the box is 13 rows high.
TEST(ClassicTextMetrics, CanvasTextStandsOnTheClassicBaseline)
{
    SmallCanvas s(30, 30);
    TCanvas& c = s.Canvas();
    TFont f;
    f.SetColor(kPen);
    c.SetFont(f);
    c.Brush().SetStyle(bsClear);
    c.TextOut(3, 2, "H");
    int top = 99, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (s.Bitmap.Pixel(x, y) == kPen) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(bottom, 12);
    EXPECT_EQ(top, 12 - 7) << "an 8 pixel capital";

    SmallCanvas solid(30, 30);
    solid.Canvas().SetFont(f);
    solid.Canvas().TextOut(3, 2, "H");
    EXPECT_EQ(solid.At(3, 14), 'o');
    EXPECT_EQ(solid.At(3, 15), '.');
}

} // namespace
