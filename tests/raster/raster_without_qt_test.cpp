// The raster layer drawing on its own, without Qt: shapes and copies by the
// classic rules, text through whatever engine the platform gives (here a
// fake), system colours through whatever source it gives.
#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "system_colors.h"
#include "plain_test_platform.h"
#include "text_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace Kepler;

namespace {

// Rows of a 10x10 bitmap as text: '#' for the colour asked about, '.' else.
std::vector<std::string> Rows(const TBitmap& b, TColor c)
{
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x)
            row += b.Pixel(x, y) == c ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// Each character is 2 pixels wide; a line is 3 above the baseline and 1
// below. Drawing marks the pixel where the text starts on its baseline.
class TFakeTextEngine : public TTextEngine {
public:
    TTextMetrics LineMetrics(const TFont&) const override { return {3, 1}; }
    int TextWidth(const TFont&, const std::string& text) const override { return 2 * int(text.size()); }
    void DrawText(TBitmap& target, int x, int y, const TFont& font, const std::string& text) const override
    {
        Drawn.push_back(text);
        target.SetPixel(x, y, font.Color());
    }
    mutable std::vector<std::string> Drawn;
};

class RasterWithoutQt : public ::testing::Test {
protected:
    TPlainTestPlatform Platform;
    TBitmap Bitmap{10, 10};
    TCanvas& Canvas = Bitmap.Canvas();
};

TEST_F(RasterWithoutQt, DrawsLinesBoxesAndFillsByTheClassicRules)
{
    Canvas.MoveTo(0, 0);
    Canvas.LineTo(9, 0); // end point left out
    Canvas.Pen().SetColor(clRed);
    Canvas.Brush().SetColor(clBlue);
    Canvas.Rectangle(2, 2, 6, 5); // right and bottom edges left out
    Canvas.FillRect({7, 7, 9, 10});
    EXPECT_EQ(Rows(Bitmap, clBlack)[0], "#########.");
    const std::vector<std::string> expectedRed{"..........", "..........", "..####....", "..#..#....",
                                               "..####....", "..........", "..........", "..........",
                                               "..........", ".........."};
    EXPECT_EQ(Rows(Bitmap, clRed), expectedRed);
    const std::vector<std::string> expectedBlue{"..........", "..........", "..........", "...##.....",
                                                "..........", "..........", "..........", ".......##.",
                                                ".......##.", ".......##."};
    EXPECT_EQ(Rows(Bitmap, clBlue), expectedBlue);
}

TEST_F(RasterWithoutQt, CopiesCombineByTheCopyMode)
{
    TBitmap source(2, 1);
    source.SetPixel(0, 0, RGB(0x0F, 0xF0, 0x00));
    source.SetPixel(1, 0, clBlack);
    Bitmap.SetPixel(3, 3, RGB(0xFF, 0x0F, 0x0F));
    Canvas.SetCopyMode(cmSrcAnd);
    Canvas.Draw(3, 3, source);
    EXPECT_EQ(Bitmap.Pixel(3, 3), RGB(0x0F, 0x00, 0x00));
    EXPECT_EQ(Bitmap.Pixel(4, 3), clBlack);
    Canvas.Brush().SetColor(clBlack);
    Canvas.FillRect({0, 0, 10, 2});
    Canvas.SetCopyMode(cmSrcPaint);
    Canvas.StretchDraw({0, 0, 4, 2}, source); // each source pixel twice in both directions
    EXPECT_EQ(Rows(Bitmap, RGB(0x0F, 0xF0, 0x00))[0], "##........");
    EXPECT_EQ(Rows(Bitmap, RGB(0x0F, 0xF0, 0x00))[1], "##........");
    EXPECT_EQ(Rows(Bitmap, clBlack)[1], "..########");
}

TEST_F(RasterWithoutQt, WithoutATextEngineTextIsNeitherDrawnNorMeasured)
{
    Canvas.Brush().SetColor(clRed); // a solid brush would paint the text's box
    Canvas.TextOut(1, 1, "Hallo");
    EXPECT_EQ(Canvas.TextWidth("Hallo"), 0);
    EXPECT_EQ(Canvas.TextHeight("Hallo"), 0);
    EXPECT_EQ(Rows(Bitmap, clWhite), std::vector<std::string>(10, "##########"));
}

TEST_F(RasterWithoutQt, TextGoesThroughThePlatformsEngine)
{
    TFakeTextEngine engine;
    Platform.Text = &engine;
    Canvas.Font().SetColor(clGreen);
    EXPECT_EQ(Canvas.TextWidth("äb"), 6); // UTF-8: "ä" is two bytes
    EXPECT_EQ(Canvas.TextHeight("ab"), 4);

    Canvas.Brush().SetColor(clRed);
    Canvas.TextOut(1, 2, "abc"); // box 6 by 4 in the brush colour, baseline at 2 + 3
    EXPECT_EQ(engine.Drawn, std::vector<std::string>{"abc"});
    EXPECT_EQ(Bitmap.Pixel(1, 5), clGreen);
    const std::vector<std::string> expectedRed{"..........", "..........", ".######...", ".######...",
                                               ".######...", "..#####...", "..........", "..........",
                                               "..........", ".........."};
    EXPECT_EQ(Rows(Bitmap, clRed), expectedRed);

    Canvas.Brush().SetStyle(bsClear);
    Canvas.TextOut(500, 500, "far out"); // wholly outside: the engine is not asked to draw
    EXPECT_EQ(engine.Drawn.size(), 1u);
}

class TFixedSystemColors : public TSystemColors {
public:
    TColor Resolve(TColor) const override { return RGB(1, 2, 3); }
};

TEST_F(RasterWithoutQt, SystemColoursComeFromThePlatformsSource)
{
    Canvas.Brush().SetColor(clBtnFace);
    Canvas.FillRect({0, 0, 1, 1});
    EXPECT_EQ(Bitmap.Pixel(0, 0), RGB(239, 239, 239)); // the desktop's default palette's
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);

    TFixedSystemColors fixed;
    Platform.Colors = &fixed;
    Canvas.FillRect({0, 0, 1, 1});
    EXPECT_EQ(Bitmap.Pixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clRed | 0x01000000u), clRed); // plain colours lose their high byte only
}

TEST_F(RasterWithoutQt, TheContentKeyChangesWithThePixels)
{
    TBitmap other(10, 10);
    EXPECT_NE(Bitmap.ContentKey(), other.ContentKey());
    const auto before = Bitmap.ContentKey();
    EXPECT_EQ(std::as_const(Bitmap).Bits()[0], 0xFFFFFFFFu); // reading changes nothing
    EXPECT_EQ(Bitmap.ContentKey(), before);
    Canvas.Brush().SetColor(clRed);
    Canvas.FillRect({0, 0, 1, 1});
    const auto drawn = Bitmap.ContentKey();
    EXPECT_NE(drawn, before);
    Bitmap.Swap(other); // the pixels change places, and their keys with them
    EXPECT_EQ(other.ContentKey(), drawn);
    EXPECT_EQ(other.Pixel(0, 0), clRed);
    EXPECT_EQ(Bitmap.Pixel(0, 0), clWhite);
}

} // namespace
