#pragma once
#include "text_engine.h"

#include <QFont>

namespace Kepler {

// Text on canvases through Qt's fonts: lines as high as the classic metrics
// say (ClassicTextMetrics), widths as Qt measures them, glyphs crisp and
// fully hinted, drawn without smoothing. Needs a QGuiApplication.
class TQtTextEngine : public TTextEngine {
public:
    TTextMetrics LineMetrics(const TFont& font) const override;
    int TextWidth(const TFont& font, const std::string& text) const override;
    void DrawText(TBitmap& target, int x, int y, const TFont& font, const std::string& text) const override;

    // The Qt font a canvas draws the description with.
    static QFont CanvasFont(const TFont& font);
};

} // namespace Kepler
