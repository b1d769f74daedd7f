#include "built_in_glyphs.h"

#include "KeplerControls/bitmap.h"
#include "KeplerControls/colors.h"

#include <string_view>
#include <vector>

using namespace Kepler;

namespace {

struct TGlyph {
    char32_t Code;
    int Advance;
    // The ink's top-left corner from the pen: the text's left end on the baseline.
    int Left;
    int Top;
    // Rows of the ink, '#' for a pixel drawn.
    std::vector<const char*> Rows;
};

struct TGlyphTable {
    int Ascent;
    int Descent;
    std::vector<TGlyph> Glyphs;
};

const TGlyphTable& Table()
{
    static const TGlyphTable table =
#include "tahoma_11_glyphs.inc"
        ;
    return table;
}

const TGlyph* Find(char32_t code)
{
    for (const TGlyph& g : Table().Glyphs)
        if (g.Code == code)
            return &g;
    return nullptr;
}

// The code points of UTF-8 text; a broken sequence gives U+FFFD.
std::vector<char32_t> CodePoints(std::string_view text)
{
    std::vector<char32_t> codes;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int more = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        char32_t code = more == 0 ? lead : more == 1 ? lead & 0x1F : more == 2 ? lead & 0x0F : lead & 0x07;
        ++i;
        for (; more > 0; --more, ++i) {
            if (i >= text.size() || (static_cast<unsigned char>(text[i]) >> 6) != 2) {
                more = -1;
                break;
            }
            code = code << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
        }
        codes.push_back(more < 0 ? U'\uFFFD' : code);
    }
    return codes;
}

} // namespace

TTextMetrics TBuiltInGlyphs::LineMetrics(const TFont&) const { return {Table().Ascent, Table().Descent}; }

int TBuiltInGlyphs::TextWidth(const TFont&, const std::string& text) const
{
    int width = 0;
    for (const char32_t c : CodePoints(text))
        if (const TGlyph* g = Find(c))
            width += g->Advance;
    return width;
}

void TBuiltInGlyphs::DrawText(TBitmap& target, int x, int y, const TFont& font, const std::string& text) const
{
    const TColor ink = ColorToRGB(font.Color());
    for (const char32_t c : CodePoints(text)) {
        const TGlyph* g = Find(c);
        if (!g)
            continue;
        for (std::size_t row = 0; row < g->Rows.size(); ++row)
            for (int col = 0; g->Rows[row][col] != '\0'; ++col)
                if (g->Rows[row][col] == '#')
                    target.SetPixel(x + g->Left + col, y + g->Top + int(row), ink);
        x += g->Advance;
    }
}
