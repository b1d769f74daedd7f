#pragma once
#include "KeplerControls/mouse_input.h"
#include "KeplerControls/notify_event.h"

namespace Kepler {

// The controls raise each On... event as a pair: the handler, when one is
// assigned, and then the Qt signal of the same name without "On".

template <typename TSender>
void RaiseNotify(const TNotifyEvent& handler, TSender* sender, void (TSender::*signal)())
{
    if (handler)
        handler(sender);
    (sender->*signal)();
}

// A press or release; messages without a button raise nothing.
template <typename TSender>
void RaiseMouse(const TMouseEvent& handler, TSender* sender,
                void (TSender::*signal)(TMouseButton, TShiftState, int, int), const TMouseMessage& m)
{
    NotifyMouse(handler, sender, m);
    if (m.Button)
        (sender->*signal)(*m.Button, m.Shift, m.X, m.Y);
}

template <typename TSender>
void RaiseMouseMove(const TMouseMoveEvent& handler, TSender* sender, void (TSender::*signal)(TShiftState, int, int),
                    const TMouseMessage& m)
{
    NotifyMouseMove(handler, sender, m);
    (sender->*signal)(m.Shift, m.X, m.Y);
}

} // namespace Kepler
