#include "meter.h"

// Background and anchor cover images. For now the names are only kept; the
// files are not read yet, so painting draws without them.

void TMeter::SetBackGroundImg(const QString& v)
{
    FBakGndFName = v;
    Paint();
}

void TMeter::SetAnchorImage(const QString& v)
{
    FACoverFName = v;
    Paint();
}

// Reads the named images again at the end of loading.
void TMeter::ReloadImages() {}
