#pragma once

namespace Kepler {

// Installs the Qt face (TQtPlatform) as the platform: Qt's event loop,
// timers, message box, beep and accessibility, its text and the running
// palette's system colours. The program calls it at start-up and every
// control's constructor calls it, so a Qt program using the controls needs
// nothing extra. Only the first call acts, and only when no other platform
// is installed by then: a platform a program or a test installed stays.
void RegisterQtRasterFace();

} // namespace Kepler
