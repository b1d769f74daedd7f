#pragma once
#include "text_engine.h"

// A STOP-GAP text engine for the page, until glyphs rendered by the
// desktop's own text engine are built in: it knows only the capital letters
// the picture shows ("C" and "S"), drawn from small hand-made bitmaps with
// the desktop's line height and advance. Their pixels differ from the
// desktop's; everything else in the picture is drawn alike. Any other
// character advances without ink.
class TFallbackLetters : public Kepler::TTextEngine {
public:
    Kepler::TTextMetrics LineMetrics(const Kepler::TFont& font) const override;
    int TextWidth(const Kepler::TFont& font, const std::string& text) const override;
    void DrawText(Kepler::TBitmap& target, int x, int y, const Kepler::TFont& font,
                  const std::string& text) const override;
};
