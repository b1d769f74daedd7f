#pragma once
// Records what the controls tell assistive technology, for one test, as the
// Qt events the Qt face makes of the announcements.
#include "qt_announcement.h"
#include "test_platform.h"

#include <QAccessible>
#include <QVariant>
#include <vector>

class AccessibleEvents {
public:
    struct ValueChange {
        QObject* Object;
        QVariant Value;
    };

    AccessibleEvents()
    {
        FPlatform.OnAnnounce = [this](const Kepler::TAnnouncement& announcement) {
            const std::unique_ptr<QAccessibleEvent> event = Kepler::QtAccessibleEvent(announcement);
            if (event && event->type() == QAccessible::ValueChanged)
                ValueChanges.push_back(
                    {event->object(), static_cast<QAccessibleValueChangeEvent&>(*event).value()});
        };
    }
    AccessibleEvents(const AccessibleEvents&) = delete;
    AccessibleEvents& operator=(const AccessibleEvents&) = delete;

    std::vector<ValueChange> ValueChanges;

private:
    TTestPlatform FPlatform;
};
