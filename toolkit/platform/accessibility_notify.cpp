#include "accessibility_notify.h"

#include "platform.h"

#include <QAccessible>

void NotifyAccessibility(QAccessibleEvent& event)
{
    Platform().Announce(event);
}

void AnnounceValueChange(QObject* object, const QVariant& value)
{
    QAccessibleValueChangeEvent event(object, value);
    NotifyAccessibility(event);
}
