#pragma once
#include "KeplerControls/colors.h"

#include <QColor>

namespace Kepler {

// Between our colours (red in the low byte, system colours by index) and
// Qt's (0xAARRGGBB). System colours are resolved from the running palette
// first; Qt's colours come out opaque, and any alpha going in is dropped.
QRgb ToQRgb(TColor c);
QColor ToQColor(TColor c);
TColor FromQRgb(QRgb p);
TColor FromQColor(const QColor& c);

// Writes a QColor through a colour setter; an invalid QColor (Qt's "no
// colour") changes nothing.
template <typename Control>
void WriteQColor(Control& control, void (Control::*set)(TColor), const QColor& c)
{
    if (c.isValid())
        (control.*set)(FromQColor(c));
}

} // namespace Kepler
