#pragma once
#include "KeplerControls/control.h"
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

// The drag and dock signals every control class declares. Connected tells
// whether a receiver listens to a signal, which only the class may ask.
template <typename TSender, typename TConnected>
bool EmitDragSignal(TSender& s, const TDragSignal& d, TConnected connected)
{
    switch (d.Kind) {
    case TDragSignal::DragDrop:
        s.DragDrop(d.Other, d.X, d.Y);
        return connected(&TSender::DragDrop);
    case TDragSignal::DragOver:
        s.DragOver(d.Other, d.X, d.Y, d.State, *d.Accept);
        return connected(&TSender::DragOver);
    case TDragSignal::EndDrag:
        s.EndDrag(d.Other, d.X, d.Y);
        // The signal, not TControl's EndDrag(bool) beside it.
        return connected(static_cast<void (TSender::*)(QObject*, int, int)>(&TSender::EndDrag));
    case TDragSignal::StartDrag:
        s.StartDrag();
        return connected(&TSender::StartDrag);
    case TDragSignal::EndDock:
        s.EndDock(d.Other, d.X, d.Y);
        return connected(&TSender::EndDock);
    case TDragSignal::StartDock:
        s.StartDock();
        return connected(&TSender::StartDock);
    }
    return false;
}

} // namespace Kepler
