#pragma once
#include "KeplerControls/font.h"

#include <QFont>
#include <QString>

namespace Kepler {

// The Qt font a description renders with: the family resolved through
// ResolveFontFamily, the height converted to a pixel size.
QFont ToQFont(const TFont& font);

// The description of a Qt font: its family, its size as a pixel height
// (points taken at the design density of 96 pixels per inch) and its style;
// colour and character set are the defaults.
TFont FontFromQFont(const QFont& q);

// The Qt font to report for a description last given as the Qt font
// `given`: `given` itself, in the unit it came in (a size in points stays
// in points, as Designer and .ui files keep sizes only in points), for as
// long as the description still says what `given` says (family, size and
// style); once the description was changed another way, the description
// as ToQFont makes it.
QFont QFontAsGiven(const QFont& given, const TFont& now);

// The font's name as Qt text.
inline QString FontName(const TFont& font) { return QString::fromStdString(font.Name()); }

// A line of text measured the classic way: ascent and descent from the
// font's OS/2 table (usWinAscent, usWinDescent) scaled to its pixel size,
// each rounded to whole pixels. Qt prefers the typographic metrics of fonts
// that ask for them, which gives lines a few pixels shorter than the window
// and the gauge were laid out for. A font without that table keeps Qt's
// metrics. Widths are Qt's in any case.
TTextMetrics ClassicTextMetrics(const QFont& font);

// "Tahoma" resolves to a real Tahoma when the system has one, otherwise to
// the Tahoma-compatible font that Debian's fonts-wine ships (registered on
// first use), and finally to DejaVu Sans. Other names pass through.
// Needs a QGuiApplication.
QString ResolveFontFamily(const QString& name);

} // namespace Kepler
