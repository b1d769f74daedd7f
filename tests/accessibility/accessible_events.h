#pragma once
// Records what the controls tell assistive technology, for one test.
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
        FPlatform.OnAnnounce = [this](QAccessibleEvent& event) {
            if (event.type() == QAccessible::ValueChanged)
                ValueChanges.push_back(
                    {event.object(), static_cast<QAccessibleValueChangeEvent&>(event).value()});
        };
    }
    AccessibleEvents(const AccessibleEvents&) = delete;
    AccessibleEvents& operator=(const AccessibleEvents&) = delete;

    std::vector<ValueChange> ValueChanges;

private:
    TTestPlatform FPlatform;
};
