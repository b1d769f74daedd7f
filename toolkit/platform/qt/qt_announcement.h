#pragma once
#include "announcement.h"

#include <QAccessibleEvent>
#include <memory>

class QObject;

namespace Kepler {

// The handle of a QObject in announcements, and the QObject back.
TAccessObject AccessObject(QObject* object);
QObject* QtObject(TAccessObject object);

// The Qt event an announcement stands for; null when it names no object.
std::unique_ptr<QAccessibleEvent> QtAccessibleEvent(const TAnnouncement& announcement);

} // namespace Kepler
