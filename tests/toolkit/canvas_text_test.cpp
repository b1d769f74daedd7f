#include "canvas_test_support.h"

#include <gtest/gtest.h>

using namespace Kepler;

namespace {

constexpr TColor kBackground = clLime;
constexpr TColor kText = clNavy;

struct TextCanvas {
    TextCanvas() : Bitmap(80, 30)
    {
        Bitmap.Canvas().Brush().SetColor(kBackground);
        Bitmap.Canvas().FillRect({0, 0, 80, 30});
        TFont f;
        f.SetColor(kText);
        Bitmap.Canvas().SetFont(f);
    }
    int Count(TColor c, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += Bitmap.Pixel(x, y) == c;
        return n;
    }
    TBitmap Bitmap;
};

TEST(CanvasText, MetricsGrowWithTheText)
{
    TBitmap b(1, 1);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.TextWidth(""), 0);
    EXPECT_GT(c.TextWidth("1.0"), 0);
    EXPECT_GT(c.TextWidth("-1.0"), c.TextWidth("1.0"));
    EXPECT_GE(c.TextHeight("0"), 11); // an 11 pixel em needs at least that
    EXPECT_LE(c.TextHeight("0"), 16);
    TFont big;
    big.SetHeight(-21);
    c.SetFont(big);
    EXPECT_GT(c.TextHeight("0"), 20);
}

// With a clear brush the glyphs are the only change: inside the text box
// every pixel is either the untouched background or the text colour (the
// glyphs are not blended), and nothing around the box changes.
TEST(CanvasText, ClearBrushLeavesTheBackground)
{
    TextCanvas t;
    TCanvas& c = t.Bitmap.Canvas();
    c.Brush().SetStyle(bsClear);
    const std::string text = "1.0 Hg";
    const int w = c.TextWidth(text), h = c.TextHeight(text);
    c.TextOut(5, 5, text);
    const int inBox = w * h;
    const int glyph = t.Count(kText, 5, 5, 5 + w, 5 + h);
    EXPECT_GT(glyph, 10);
    EXPECT_EQ(t.Count(kBackground, 5, 5, 5 + w, 5 + h) + glyph, inBox);
    EXPECT_EQ(t.Count(kBackground, 0, 0, 80, 30) + glyph, 80 * 30);
}

// With a solid brush the TextWidth x TextHeight box at the text's top-left
// corner is painted in the brush colour under the glyphs, and only that box.
TEST(CanvasText, SolidBrushPaintsTheBox)
{
    TextCanvas t;
    TCanvas& c = t.Bitmap.Canvas();
    c.Brush().SetColor(clYellow);
    const std::string text = "1.0 Hg";
    const int w = c.TextWidth(text), h = c.TextHeight(text);
    c.TextOut(5, 5, text);
    const int glyph = t.Count(kText, 5, 5, 5 + w, 5 + h);
    EXPECT_GT(glyph, 10);
    EXPECT_EQ(t.Count(clYellow, 5, 5, 5 + w, 5 + h) + glyph, w * h);
    EXPECT_EQ(t.Bitmap.Pixel(5, 5), clYellow); // top-left corner is background
    EXPECT_EQ(t.Bitmap.Pixel(4, 5), kBackground);
    EXPECT_EQ(t.Bitmap.Pixel(5, 4), kBackground);
    EXPECT_EQ(t.Bitmap.Pixel(5 + w, 5), kBackground);
    EXPECT_EQ(t.Bitmap.Pixel(5, 5 + h), kBackground);
    EXPECT_EQ(t.Count(clYellow, 0, 0, 80, 30), t.Count(clYellow, 5, 5, 5 + w, 5 + h));
}

// The text's top-left corner is at the given point: a capital's top sits a
// little below y, and the first glyph starts near x.
TEST(CanvasText, PlacedByItsTopLeftCorner)
{
    TextCanvas t;
    TCanvas& c = t.Bitmap.Canvas();
    c.Brush().SetStyle(bsClear);
    c.TextOut(10, 8, "H");
    int top = 100, left = 100;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            if (t.Bitmap.Pixel(x, y) == kText) {
                top = std::min(top, y);
                left = std::min(left, x);
            }
    EXPECT_GE(top, 8);
    EXPECT_LE(top, 8 + 4);
    EXPECT_GE(left, 10);
    EXPECT_LE(left, 10 + 2);
}

} // namespace
