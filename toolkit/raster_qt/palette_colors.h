#pragma once
#include "system_colors.h"

namespace Kepler {

// System colours from the running application's palette (a default palette
// before a QGuiApplication exists).
class TPaletteColors : public TSystemColors {
public:
    TColor Resolve(TColor systemColor) const override;
};

} // namespace Kepler
