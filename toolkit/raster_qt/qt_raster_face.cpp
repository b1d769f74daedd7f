#include "qt_raster_face.h"

#include "palette_colors.h"
#include "qt_text_engine.h"

namespace Kepler {

void RegisterQtRasterFace()
{
    // Both live as long as the program, past anything that draws.
    static const TQtTextEngine textEngine;
    static const TPaletteColors paletteColors;
    static const bool registered = [] {
        SetTextEngine(&textEngine);
        SetSystemColors(&paletteColors);
        return true;
    }();
    (void)registered;
}

} // namespace Kepler
