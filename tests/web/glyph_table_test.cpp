// The web page's built-in glyphs against the desktop's text engine: the same
// line metrics and advances, and text drawn glyph by glyph at those
// advances gives the desktop's pixels, letter for letter and in words.
#include "built_in_glyphs.h"

#include "KeplerControls/bitmap.h"
#include "KeplerControls/canvas.h"
#include "qt_raster_face.h"
#include "text_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Kepler;

namespace {

class GlyphTableTest : public ::testing::Test {
protected:
    GlyphTableTest()
    {
        RegisterQtRasterFace();
        desktop = TextEngine();
        font.SetColor(clBlack);
    }

    // How many pixels differ when the page's and the desktop's engine draw
    // the text on white, the pen at (8, 20).
    int DifferingDrawn(const std::string& text) const
    {
        const int width = int(text.size()) * 12 + 16;
        TBitmap p(width, 28), d(width, 28);
        page.DrawText(p, 8, 20, font, text);
        desktop->DrawText(d, 8, 20, font, text);
        return Differing(p, d);
    }

    static int Differing(const TBitmap& a, const TBitmap& b)
    {
        int n = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                n += a.Pixel(x, y) != b.Pixel(x, y);
        return n;
    }

    const TTextEngine* desktop = nullptr;
    TBuiltInGlyphs page;
    TFont font;
};

TEST_F(GlyphTableTest, LineMetricsAreTheDesktops)
{
    const TTextMetrics d = desktop->LineMetrics(font);
    const TTextMetrics p = page.LineMetrics(font);
    EXPECT_EQ(p.Ascent, d.Ascent);
    EXPECT_EQ(p.Descent, d.Descent);
}

TEST_F(GlyphTableTest, EveryCharacterAsOnTheDesktop)
{
    std::vector<std::string> characters;
    for (char c = 32; c < 127; ++c)
        characters.emplace_back(1, c);
    for (const char* c : {"°", "Ä", "Ö", "Ü", "ß", "ä", "ö", "ü"})
        characters.emplace_back(c);
    for (const std::string& c : characters) {
        EXPECT_EQ(page.TextWidth(font, c), desktop->TextWidth(font, c)) << c;
        EXPECT_EQ(DifferingDrawn(c), 0) << c;
    }
}

TEST_F(GlyphTableTest, WordsGlyphByGlyphAsOnTheDesktop)
{
    for (const std::string text : {"C", "S", "CS", "Verzögerung", "-1,0 0,0 1,0", "315,6 °", "-0.5 0.25",
                                   "Zeitschritte in Tagen", "m. < w. Anomalie (-1)"}) {
        EXPECT_EQ(page.TextWidth(font, text), desktop->TextWidth(font, text)) << text;
        EXPECT_EQ(DifferingDrawn(text), 0) << text;
    }
}

TEST_F(GlyphTableTest, UnknownAndBrokenTextDrawsNothing)
{
    TBitmap b(40, 28);
    page.DrawText(b, 8, 20, font, "\xE2\x82\xAC\xFF\xC3");
    EXPECT_EQ(Differing(b, TBitmap(40, 28)), 0);
    EXPECT_EQ(page.TextWidth(font, "\xE2\x82\xAC\xFF\xC3"), 0);
}

} // namespace
