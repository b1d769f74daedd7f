#include "fallback_letters.h"

#include "KeplerControls/bitmap.h"
#include "KeplerControls/colors.h"

#include <array>
#include <cstdint>

using namespace Kepler;

namespace {

// The 11-pixel Tahoma line: 11 above the baseline, 2 below.
constexpr TTextMetrics Line{11, 2};
constexpr int Advance = 7;
constexpr int GlyphRows = 8; // capital height, standing on the baseline

struct TLetter {
    char Character;
    std::array<const char*, GlyphRows> Rows;
};

constexpr TLetter Letters[] = {
    {'C', {" ####", "#    #", "#", "#", "#", "#", "#    #", " ####"}},
    {'S', {" ####", "#    #", "#", " ####", "     #", "     #", "#    #", " ####"}},
};

const TLetter* Find(char c)
{
    for (const TLetter& l : Letters)
        if (l.Character == c)
            return &l;
    return nullptr;
}

} // namespace

TTextMetrics TFallbackLetters::LineMetrics(const TFont&) const { return Line; }

int TFallbackLetters::TextWidth(const TFont&, const std::string& text) const
{
    return int(text.size()) * Advance;
}

void TFallbackLetters::DrawText(TBitmap& target, int x, int y, const TFont& font, const std::string& text) const
{
    const TColor inkColor = ColorToRGB(font.Color());
    for (const char c : text) {
        if (const TLetter* letter = Find(c)) {
            for (int row = 0; row < GlyphRows; ++row) {
                const char* ink = letter->Rows[std::size_t(row)];
                for (int col = 0; ink[col] != '\0'; ++col)
                    if (ink[col] == '#')
                        target.SetPixel(x + col, y - GlyphRows + row, inkColor);
            }
        }
        x += Advance;
    }
}
