#pragma once
#include "KeplerControls/font.h"

#include <string>

namespace Kepler {

class TBitmap;

// How a canvas measures and draws text. The raster layer has no fonts of its
// own; the platform gives one (the Qt face's renders with Qt's). Texts are
// UTF-8.
class TTextEngine {
public:
    virtual ~TTextEngine() = default;
    // Ascent and descent of a line in the font.
    virtual TTextMetrics LineMetrics(const TFont& font) const = 0;
    // The advance of the text in the font, in pixels.
    virtual int TextWidth(const TFont& font, const std::string& text) const = 0;
    // Draws the glyphs in the font's colour, the text's left end at x and
    // its baseline at y, leaving the background as it is.
    virtual void DrawText(TBitmap& target, int x, int y, const TFont& font, const std::string& text) const = 0;
};

// The engine every canvas uses, the installed platform's; null leaves
// canvases without text (nothing drawn, width and height 0).
const TTextEngine* TextEngine();

} // namespace Kepler
