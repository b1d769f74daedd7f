#pragma once
#include "KeplerControls/colors.h"

#include <cstdint>
#include <functional>
#include <string>

namespace Kepler {

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

inline constexpr std::uint8_t DEFAULT_CHARSET = 1;

// A font description in the usual sign convention for its height: a negative
// height is the character height in pixels (the em size), a positive one the
// cell height (ascent plus descent), 0 the toolkit's default size.
class TFont {
public:
    static constexpr int DefaultHeight = -11;

    TFont();

    // The family name, UTF-8.
    const std::string& Name() const { return FName; }
    void SetName(const std::string& v);
    int Height() const { return FHeight; }
    void SetHeight(int v);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    std::uint8_t Charset() const { return FCharset; }
    void SetCharset(std::uint8_t v);

    // Copies name, height, style, colour and character set; fires OnChange
    // once when anything differed.
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;
    // Fonts are equal when they draw alike; the change handler is not part of
    // what a font describes.
    friend bool operator==(const TFont& a, const TFont& b) { return a.SameAs(b); }

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
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};

} // namespace Kepler
