#pragma once
#include "KeplerControls/keplercontrols_export.h"
#include "KeplerControls/notify_event.h"

#include <QPoint>
#include <optional>

class QMouseEvent;

namespace Kepler {

// A Qt pointer message in the controls' terms: the button, if it is one of
// the three a handler can tell apart (none for a move), the keys and
// buttons held, ssDouble on the second press of a double click, and the
// position relative to origin (the corner of the control's client area).
struct TMouseMessage {
    // The button pressed or released; none for a move.
    std::optional<TMouseButton> Button;
    // Keys and buttons held; ssDouble on a double click's second press.
    TShiftState Shift = 0;
    // Position relative to the origin.
    int X = 0;
    // Position relative to the origin.
    int Y = 0;
};
KEPLERCONTROLS_EXPORT TMouseMessage MouseMessage(const QMouseEvent& e, QPoint origin = {}); // the Qt mouse event as a message relative to origin

// Calls a press or release handler, if there is one and the message has a button.
KEPLERCONTROLS_EXPORT void NotifyMouse(const TMouseEvent& handler, QObject* sender, const TMouseMessage& m);
// Calls a move handler, if there is one.
KEPLERCONTROLS_EXPORT void NotifyMouseMove(const TMouseMoveEvent& handler, QObject* sender, const TMouseMessage& m);

// A left press arms a click; the release of the left button ends it and
// makes a click when the pointer is then over the control.
class TClickTracker {
public:
    // Notes a press; a left one arms a click.
    void Press(TMouseButton button)
    {
        if (button == mbLeft)
            FArmed = true;
    }
    // True when this release makes a click.
    bool Release(TMouseButton button, bool over)
    {
        if (button != mbLeft || !FArmed)
            return false;
        FArmed = false;
        return over;
    }
    // Forgets an armed click.
    void Cancel() { FArmed = false; }
    // From the left press until its release.
    bool Armed() const { return FArmed; }

private:
    bool FArmed = false;
};

} // namespace Kepler
