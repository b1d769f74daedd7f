#include "KeplerControls/colors.h"
#include "qt_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace Kepler {

QRgb ToQRgb(TColor c)
{
    c = ColorToRGB(c);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

QColor ToQColor(TColor c)
{
    return QColor::fromRgb(ToQRgb(c));
}

TColor FromQRgb(QRgb p)
{
    return RGB(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
}

TColor FromQColor(const QColor& c)
{
    return FromQRgb(c.rgb());
}

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c))
        return c & 0xFFFFFFu;
    const QPalette pal = qGuiApp ? QGuiApplication::palette() : QPalette();
    switch (c) {
    case clWindow: return FromQColor(pal.color(QPalette::Active, QPalette::Base));
    case clWindowText: return FromQColor(pal.color(QPalette::Active, QPalette::WindowText));
    case clBtnFace: return FromQColor(pal.color(QPalette::Active, QPalette::Button));
    case clBtnShadow: return FromQColor(pal.color(QPalette::Active, QPalette::Dark));
    case clBtnHighlight: return FromQColor(pal.color(QPalette::Active, QPalette::Light));
    default: return FromQColor(pal.color(QPalette::Active, QPalette::Window));
    }
}

} // namespace Kepler
