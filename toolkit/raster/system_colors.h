#pragma once
#include "KeplerControls/colors.h"

namespace Kepler {

// Where system colours (clBtnFace and the others) come from. The raster
// layer knows no desktop; the Qt layer registers one that reads the running
// palette.
class TSystemColors {
public:
    virtual ~TSystemColors() = default;
    // The plain colour a system colour shows as; called for system colours only.
    virtual TColor Resolve(TColor systemColor) const = 0;
};

// Registers the source of system colours; null returns to the classic
// desktop's colours. The source must outlive its registration.
void SetSystemColors(const TSystemColors* source);
const TSystemColors* SystemColors();

} // namespace Kepler
