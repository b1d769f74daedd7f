#pragma once
// Records what the controls tell assistive technology, for one test.
#include "accessibility_notify.h"

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
        FPrevious = SetAccessibilityWatcher([this](QAccessibleEvent& event) {
            if (event.type() == QAccessible::ValueChanged)
                ValueChanges.push_back(
                    {event.object(), static_cast<QAccessibleValueChangeEvent&>(event).value()});
        });
    }
    ~AccessibleEvents() { SetAccessibilityWatcher(std::move(FPrevious)); }
    AccessibleEvents(const AccessibleEvents&) = delete;
    AccessibleEvents& operator=(const AccessibleEvents&) = delete;

    std::vector<ValueChange> ValueChanges;

private:
    TAccessibilityWatcher FPrevious;
};
