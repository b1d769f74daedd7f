#pragma once

class QAccessibleEvent;
class QObject;
class QVariant;

namespace Kepler {

// Passes an event (a value change, say) on to assistive technology through
// the platform.
void NotifyAccessibility(QAccessibleEvent& event);

// Tells assistive technology that the object now shows the value.
void AnnounceValueChange(QObject* object, const QVariant& value);

} // namespace Kepler
