#pragma once
#include "KeplerControls/colors.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>

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

    const QString& Name() const { return FName; }
    void SetName(const QString& v);
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

    // The Qt font this description renders with: the family resolved through
    // ResolveFontFamily, the height converted to a pixel size.
    QFont ToQFont() const;
    // The description of a Qt font: its family, its size as a pixel height
    // (points taken at the design density of 96 pixels per inch) and its
    // style; colour and character set are the defaults.
    static TFont FromQFont(const QFont& q);

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
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};
TTextMetrics ClassicTextMetrics(const QFont& font);

// "Tahoma" resolves to a real Tahoma when the system has one, otherwise to
// the Tahoma-compatible font that Debian's fonts-wine ships (registered on
// first use), and finally to DejaVu Sans. Other names pass through.
// Needs a QGuiApplication.
QString ResolveFontFamily(const QString& name);

} // namespace Kepler
