// The colour and font properties as Qt sees them.
#include "KeplerControls/meter.h"
#include "qt_colors.h"
#include "qt_font.h"

namespace Kepler {

QColor TMeter::ColorBakGQColor() const { return ToQColor(ColorBakG()); }
void TMeter::SetColorBakGQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetColorBakG, v); }
QColor TMeter::ColorCoverQColor() const { return ToQColor(ColorCover()); }
void TMeter::SetColorCoverQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetColorCover, v); }
QColor TMeter::ColorScaleQColor() const { return ToQColor(ColorScale()); }
void TMeter::SetColorScaleQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetColorScale, v); }
QColor TMeter::ColorSclBkLowQColor() const { return ToQColor(ColorSclBkLow()); }
void TMeter::SetColorSclBkLowQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetColorSclBkLow, v); }
QColor TMeter::ColorSclBkNormQColor() const { return ToQColor(ColorSclBkNorm()); }
void TMeter::SetColorSclBkNormQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetColorSclBkNorm, v); }
QColor TMeter::ColorSclBkHighQColor() const { return ToQColor(ColorSclBkHigh()); }
void TMeter::SetColorSclBkHighQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetColorSclBkHigh, v); }
QColor TMeter::LimWatchActColorQColor() const { return ToQColor(LimWatchActColor()); }
void TMeter::SetLimWatchActColorQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetLimWatchActColor, v); }
QColor TMeter::LimWatchPsvColorQColor() const { return ToQColor(LimWatchPsvColor()); }
void TMeter::SetLimWatchPsvColorQColor(const QColor& v) { WriteQColor(*this, &TMeter::SetLimWatchPsvColor, v); }

// Fonts read back in the unit they were given: a caption font given in
// points (by Designer, a .ui file, a program) reads back in points, so that
// a form saved again keeps its size.
QFont TMeter::FontCaptionQFont() const { return QFontAsGiven(FFontCaptionGiven, FFontCaption); }

void TMeter::SetFontCaptionQFont(const QFont& v)
{
    FFontCaptionGiven = v;
    SetFontCaption(FontFromQFont(v));
}

// The widget's font is the label font as given the Qt way, while no font
// description given with SetFont() has replaced it.
QFont TMeter::FontQFont() const { return QFontAsGiven(font(), FFont); }

} // namespace Kepler
