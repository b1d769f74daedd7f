#include "KeplerControls/colors.h"
#include "system_colors.h"

namespace Kepler {

namespace {

const TSystemColors* registered = nullptr;

// The colours of a classic desktop, for a program without a palette to ask.
TColor ClassicSystemColor(TColor c)
{
    switch (c) {
    case clWindow: return clWhite;
    case clWindowText: return clBlack;
    case clBtnShadow: return RGB(160, 160, 160);
    case clBtnHighlight: return clWhite;
    case clBtnFace:
    default: return RGB(240, 240, 240);
    }
}

} // namespace

void SetSystemColors(const TSystemColors* source) { registered = source; }

const TSystemColors* SystemColors() { return registered; }

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c))
        return c & 0xFFFFFFu;
    return (registered ? registered->Resolve(c) : ClassicSystemColor(c)) & 0xFFFFFFu;
}

} // namespace Kepler
