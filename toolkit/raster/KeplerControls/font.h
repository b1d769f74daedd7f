#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"

#include <cstdint>
#include <functional>
#include <string>

namespace Kepler {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 }; // bits of TFontStyles
using TFontStyles = std::uint8_t; // a set of TFontStyle bits

inline constexpr std::uint8_t DEFAULT_CHARSET = 1; // the character set of a new font

// A font description in the usual sign convention for its height: a negative
// height is the character height in pixels (the em size), a positive one the
// cell height (ascent plus descent), 0 the toolkit's default size.
class KEPLERCONTROLS_EXPORT TFont {
public:
    // Height of a new font: 11-pixel characters.
    static constexpr int DefaultHeight = -11;

    // Tahoma with 11-pixel characters, plain, in the window-text colour.
    TFont();

    // Family name, UTF-8.
    const std::string& Name() const { return FName; }
    void SetName(const std::string& v);
    // Height in the sign convention above.
    int Height() const { return FHeight; }
    void SetHeight(int v);
    // Bold, italic, underline and strike-out, as TFontStyle bits.
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles v);
    // Colour of text drawn in the font.
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    // Character set; stored and read back only.
    std::uint8_t Charset() const { return FCharset; }
    void SetCharset(std::uint8_t v);

    // Copies name, height, style, colour and character set; fires OnChange
    // once when anything differed.
    void Assign(const TFont& other);
    // Whether both describe the same font, change handler aside.
    bool SameAs(const TFont& other) const;
    // Fonts are equal when they draw alike; the change handler is not part of
    // what a font describes.
    friend bool operator==(const TFont& a, const TFont& b) { return a.SameAs(b); }

    // Called after a setter or Assign() changed the font.
    std::function<void()> OnChange;

private:
    void Changed();

    std::string FName;
    int FHeight;
    TFontStyles FStyle;
    TColor FColor;
    std::uint8_t FCharset;
};

// The height of a line of text: ascent above the baseline, descent below.
struct TTextMetrics {
    // Pixels above the baseline.
    int Ascent = 0;
    // Pixels below the baseline.
    int Descent = 0;
    // Height of a line.
    int Height() const { return Ascent + Descent; }
};

} // namespace Kepler
