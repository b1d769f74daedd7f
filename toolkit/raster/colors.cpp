#include "KeplerControls/colors.h"
#include "system_colors.h"

namespace Kepler {

namespace {

const TSystemColors* registered = nullptr;
// Counts the changes of the registered source and of its colours.
std::uint64_t version = 0;
std::uint64_t sourceVersionSeen = 0;

// The system colours as the desktop's default palette shows them, for a
// program without a palette to ask: a picture drawn here then looks as it
// does on the desktop.
TColor ClassicSystemColor(TColor c)
{
    switch (c) {
    case clWindow: return clWhite;
    case clWindowText: return clBlack;
    case clBtnShadow: return RGB(159, 159, 159);
    case clBtnHighlight: return clWhite;
    case clBtnFace:
    default: return RGB(239, 239, 239);
    }
}

} // namespace

void SetSystemColors(const TSystemColors* source)
{
    registered = source;
    sourceVersionSeen = source ? source->Version() : 0;
    ++version;
}

std::uint64_t SystemColorsVersion()
{
    const std::uint64_t sourceVersion = registered ? registered->Version() : 0;
    if (sourceVersion != sourceVersionSeen) {
        sourceVersionSeen = sourceVersion;
        ++version;
    }
    return version;
}

const TSystemColors* SystemColors() { return registered; }

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c))
        return c & 0xFFFFFFu;
    return (registered ? registered->Resolve(c) : ClassicSystemColor(c)) & 0xFFFFFFu;
}

} // namespace Kepler
