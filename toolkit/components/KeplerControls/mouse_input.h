#pragma once
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
    std::optional<TMouseButton> Button;
    TShiftState Shift = 0;
    int X = 0;
    int Y = 0;
};
TMouseMessage MouseMessage(const QMouseEvent& e, QPoint origin = {});

// Calls a press or release handler, if there is one and the message has a button.
void NotifyMouse(const TMouseEvent& handler, QObject* sender, const TMouseMessage& m);
// Calls a move handler, if there is one.
void NotifyMouseMove(const TMouseMoveEvent& handler, QObject* sender, const TMouseMessage& m);

// A left press arms a click; the release of the left button ends it and
// makes a click when the pointer is then over the control.
class TClickTracker {
public:
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
    void Cancel() { FArmed = false; }
    // From the left press until its release.
    bool Armed() const { return FArmed; }

private:
    bool FArmed = false;
};

} // namespace Kepler
