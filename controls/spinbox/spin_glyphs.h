#pragma once
#include <QImage>
#include <QString>

namespace Kepler {

// A built-in bitmap by resource name, compared without regard to case
// ("SpinUp" finds "SPINUP"). A null image when there is none.
QImage LoadBitmapResource(const QString& name);

} // namespace Kepler
