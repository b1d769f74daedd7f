#include "qt_text_engine.h"
#include "qt_bitmap.h"
#include "qt_colors.h"
#include "qt_font.h"

#include <QFontMetrics>
#include <QPainter>

namespace Kepler {

namespace {

// Bitmaps are measured as the images they are; every one has the same
// resolution, so one stands for all.
const QImage& MeasuringDevice()
{
    static const QImage device(1, 1, QImage::Format_RGB32);
    return device;
}

} // namespace

QFont TQtTextEngine::CanvasFont(const TFont& font)
{
    QFont f = ToQFont(font);
    // Small interface text reads best as crisp, fully hinted glyphs.
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

TTextMetrics TQtTextEngine::LineMetrics(const TFont& font) const
{
    return ClassicTextMetrics(CanvasFont(font));
}

int TQtTextEngine::TextWidth(const TFont& font, const std::string& text) const
{
    return QFontMetrics(CanvasFont(font), &MeasuringDevice()).horizontalAdvance(QString::fromStdString(text));
}

void TQtTextEngine::DrawText(TBitmap& target, int x, int y, const TFont& font, const std::string& text) const
{
    QImage image = QtImage(target);
    if (image.isNull())
        return;
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(CanvasFont(font));
    p.setPen(ToQColor(font.Color()));
    p.drawText(QPoint(x, y), QString::fromStdString(text));
}

} // namespace Kepler
