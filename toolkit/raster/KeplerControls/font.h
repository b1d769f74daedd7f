#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/colors.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>

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

    TFont();

    // Family name.
    const QString& Name() const { return FName; }
    void SetName(const QString& v);
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

    // The Qt font this description renders with: the family resolved through
    // ResolveFontFamily, the height converted to a pixel size.
    QFont ToQFont() const;

    // Called after a setter or Assign() changed the font.
    std::function<void()> OnChange;

private:
    void Changed();

    QString FName;
    int FHeight;
    TFontStyles FStyle;
    TColor FColor;
    std::uint8_t FCharset;
};

// A line of text measured the classic way: ascent and descent from the
// font's OS/2 table (usWinAscent, usWinDescent) scaled to its pixel size,
// each rounded to whole pixels. Qt prefers the typographic metrics of fonts
// that ask for them, which gives lines a few pixels shorter than the window
// and the gauge were laid out for. A font without that table keeps Qt's
// metrics. Widths are Qt's in any case.
struct TTextMetrics {
    // Pixels above the baseline.
    int Ascent = 0;
    // Pixels below the baseline.
    int Descent = 0;
    // Height of a line.
    int Height() const { return Ascent + Descent; }
};
KEPLERCONTROLS_EXPORT TTextMetrics ClassicTextMetrics(const QFont& font); // the line metrics of font, measured as above

// "Tahoma" resolves to a real Tahoma when the system has one, otherwise to
// the Tahoma-compatible font that Debian's fonts-wine ships (registered on
// first use), and finally to DejaVu Sans. Other names pass through.
// Needs a QGuiApplication.
KEPLERCONTROLS_EXPORT QString ResolveFontFamily(const QString& name);

} // namespace Kepler
