#include "KeplerControls/colors.h"
#include "platform.h"
#include "system_colors.h"

namespace Kepler {

namespace {

// Counts the changes of the platform's source and of its colours.
std::uint64_t version = 0;
const TSystemColors* sourceSeen = nullptr;
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

std::uint64_t SystemColorsVersion()
{
    const TSystemColors* source = SystemColors();
    const std::uint64_t sourceVersion = source ? source->Version() : 0;
    if (source != sourceSeen || sourceVersion != sourceVersionSeen) {
        sourceSeen = source;
        sourceVersionSeen = sourceVersion;
        ++version;
    }
    return version;
}

const TSystemColors* SystemColors() { return Platform().SystemColors(); }

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c))
        return c & 0xFFFFFFu;
    const TSystemColors* source = SystemColors();
    return (source ? source->Resolve(c) : ClassicSystemColor(c)) & 0xFFFFFFu;
}

} // namespace Kepler
