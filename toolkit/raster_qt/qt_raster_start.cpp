// Hands the raster layer Qt's text and the running palette before main runs,
// so every canvas of a program that links this library draws text and
// system colours without being told.
#include "palette_colors.h"
#include "qt_text_engine.h"

namespace Kepler {

namespace {

struct TQtRasterStart {
    TQtRasterStart()
    {
        SetTextEngine(&TextEngine);
        SetSystemColors(&PaletteColors);
    }
    TQtTextEngine TextEngine;
    TPaletteColors PaletteColors;
};

const TQtRasterStart start;

} // namespace

} // namespace Kepler

// Nothing calls into this file, so a linker taking only what is called from
// the static library would leave it out; the library's link options name
// this symbol as needed, which keeps the file in every program.
extern "C" {
extern const int kepler_raster_qt_start;
const int kepler_raster_qt_start = 1;
}
