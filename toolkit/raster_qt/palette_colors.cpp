#include "palette_colors.h"
#include "qt_colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace Kepler {

TColor TPaletteColors::Resolve(TColor c) const
{
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

std::uint64_t TPaletteColors::Version() const
{
    return qGuiApp ? std::uint64_t(QGuiApplication::palette().cacheKey()) : 0;
}

} // namespace Kepler
