#pragma once
#include <QIcon>

// Widget box icons, drawn rather than shipped so that they stay sharp.
QIcon GaugeIcon();
QIcon SpinEditIcon();
QIcon SpinButtonIcon();
