#include "colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

TColor FromQColor(const QColor& q)
{
    return RGB(std::uint8_t(q.red()), std::uint8_t(q.green()), std::uint8_t(q.blue()));
}

} // namespace

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
    case clBtnText: return FromQColor(pal.color(QPalette::Active, QPalette::ButtonText));
    case clBtnHighlight: return FromQColor(pal.color(QPalette::Active, QPalette::Light));
    default: return FromQColor(pal.color(QPalette::Active, QPalette::Window));
    }
}
