#pragma once
#include "KeplerControls/colors.h"

#include <cstdint>

namespace Kepler {

// Where system colours (clBtnFace and the others) come from. The raster
// layer knows no desktop; the platform gives a source (the Qt face's reads
// the running palette).
class TSystemColors {
public:
    virtual ~TSystemColors() = default;
    // The plain colour a system colour shows as; called for system colours only.
    virtual TColor Resolve(TColor systemColor) const = 0;
    // Changes whenever the colours Resolve gives may have changed (the
    // palette it reads was replaced, say); a source whose colours never
    // change keeps it.
    virtual std::uint64_t Version() const { return 0; }
};

// The installed platform's source of system colours; null: the classic
// desktop's colours.
const TSystemColors* SystemColors();
// Changes whenever a system colour may resolve differently than before:
// the platform gives another source, or the source's colours changed.
// A kept drawing with system colours in it is current while this stays.
std::uint64_t SystemColorsVersion();

} // namespace Kepler
