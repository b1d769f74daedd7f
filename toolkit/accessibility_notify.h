#pragma once
#include <functional>

class QAccessibleEvent;
class QObject;
class QVariant;

// Passes an event (a value change, say) on to assistive technology. Qt
// forwards such events only while an assistive technology is listening, so
// a watcher can be set to see every event the controls send, listened to or
// not; tests use it to check what a screen reader would be told.
void NotifyAccessibility(QAccessibleEvent& event);

// Tells assistive technology that the object now shows the value.
void AnnounceValueChange(QObject* object, const QVariant& value);

using TAccessibilityWatcher = std::function<void(QAccessibleEvent& event)>;
// Sets the watcher (an empty one removes it); returns the one it replaces.
TAccessibilityWatcher SetAccessibilityWatcher(TAccessibilityWatcher watcher);
