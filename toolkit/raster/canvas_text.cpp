#include "KeplerControls/canvas.h"
#include "canvas_pixels.h"
#include "text_engine.h"

namespace Kepler {

using namespace CanvasPixels;

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    const TTextEngine* engine = TextEngine();
    if (!engine || FTarget.Empty() || text.empty())
        return;
    const TTextMetrics line = engine->LineMetrics(FFont);
    const i64 w = engine->TextWidth(FFont, text);
    const i64 h = line.Height();
    // Glyphs may reach a little outside their advance box (italics); text
    // wholly outside is skipped, which also keeps absurd coordinates away from
    // the engine.
    const i64 margin = h + 2;
    if (i64(x) + w + margin < 0 || i64(x) - margin >= FTarget.Width() || i64(y) + h + margin < 0
        || i64(y) - margin >= FTarget.Height())
        return;
    if (FBrush.Style() == bsSolid)
        FillRect({x, y, int(x + w), int(y + h)});
    engine->DrawText(FTarget, x, int(i64(y) + line.Ascent), FFont, text);
}

int TCanvas::TextWidth(const std::string& text) const
{
    const TTextEngine* engine = TextEngine();
    return engine && !text.empty() ? engine->TextWidth(FFont, text) : 0;
}

int TCanvas::TextHeight(const std::string&) const
{
    const TTextEngine* engine = TextEngine();
    return engine ? engine->LineMetrics(FFont).Height() : 0;
}

} // namespace Kepler
