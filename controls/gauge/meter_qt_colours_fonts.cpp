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

QFont TMeter::FontCaptionQFont() const { return ToQFont(FFontCaption); }
void TMeter::SetFontCaptionQFont(const QFont& v) { SetFontCaption(FontFromQFont(v)); }
QFont TMeter::FontQFont() const { return ToQFont(FFont); }

} // namespace Kepler
