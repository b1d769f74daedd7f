#pragma once
#include <QIcon>

namespace Kepler {

// Widget box icons, drawn rather than shipped so that they stay sharp.
QIcon GaugeIcon();
QIcon SpinEditIcon();
QIcon SpinButtonIcon();

} // namespace Kepler
