#include "accessibility_notify.h"

#include <QAccessible>
#include <utility>

namespace {

TAccessibilityWatcher& Watcher()
{
    static TAccessibilityWatcher watcher;
    return watcher;
}

} // namespace

void NotifyAccessibility(QAccessibleEvent& event)
{
    if (Watcher())
        Watcher()(event);
    QAccessible::updateAccessibility(&event);
}

void AnnounceValueChange(QObject* object, const QVariant& value)
{
    QAccessibleValueChangeEvent event(object, value);
    NotifyAccessibility(event);
}

TAccessibilityWatcher SetAccessibilityWatcher(TAccessibilityWatcher watcher)
{
    return std::exchange(Watcher(), std::move(watcher));
}
