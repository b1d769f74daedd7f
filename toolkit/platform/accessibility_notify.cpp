#include "accessibility_notify.h"

#include "platform.h"

#include <QAccessible>

namespace Kepler {

void NotifyAccessibility(QAccessibleEvent& event)
{
    Platform().Announce(event);
}

void AnnounceValueChange(QObject* object, const QVariant& value)
{
    QAccessibleValueChangeEvent event(object, value);
    NotifyAccessibility(event);
}

} // namespace Kepler
