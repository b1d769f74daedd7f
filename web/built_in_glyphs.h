#pragma once
#include "text_engine.h"

// The page's text engine: glyphs that the desktop's own text engine
// rendered (Tahoma, 11-pixel characters, regular; tahoma_11_glyphs.inc, made
// by tests/web/make_glyph_table), drawn one by one at their integer
// advances, which gives the desktop's pixels. Every font draws with these
// glyphs, so far the only ones the page needs (the picture's letters); a
// character without a glyph advances nothing and draws nothing.
class TBuiltInGlyphs : public Kepler::TTextEngine {
public:
    Kepler::TTextMetrics LineMetrics(const Kepler::TFont& font) const override;
    int TextWidth(const Kepler::TFont& font, const std::string& text) const override;
    void DrawText(Kepler::TBitmap& target, int x, int y, const Kepler::TFont& font,
                  const std::string& text) const override;
};
