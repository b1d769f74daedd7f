#pragma once
#include "system_colors.h"

namespace Kepler {

// System colours from the running application's palette (a default palette
// before a QGuiApplication exists).
class TPaletteColors : public TSystemColors {
public:
    TColor Resolve(TColor systemColor) const override;
    // The palette's own key, which Qt changes with every new palette.
    std::uint64_t Version() const override;
};

} // namespace Kepler
