#include "qt_raster_face.h"

#include "qt_platform.h"

namespace Kepler {

void RegisterQtRasterFace()
{
    // Lives as long as the program, past anything that draws or announces.
    static TQtPlatform face;
    static const bool registered = [] {
        if (TPlatform* other = InstallPlatform(&face))
            InstallPlatform(other);
        return true;
    }();
    (void)registered;
}

} // namespace Kepler
