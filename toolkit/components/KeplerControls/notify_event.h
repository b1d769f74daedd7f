#pragma once
#include "KeplerControls/shift_state.h"

#include <functional>
#include <optional>

class QObject;

namespace Kepler {

// A plain notification with the component that raised it.
using TNotifyEvent = std::function<void(QObject* Sender)>;

enum TMouseButton { mbLeft, mbRight, mbMiddle }; // the mouse buttons a handler can tell apart

// The button of a mouse message, if it is one of the three a handler can tell apart.
inline std::optional<TMouseButton> MouseButtonFromQt(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return std::nullopt;
    }
}

// A mouse press or release at (X, Y) in the sender's coordinates.
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// The pointer moved to (X, Y) in the sender's coordinates.
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;

// A key went down or up. Key is Qt's key code; a handler that sets it to 0
// takes the key for itself, so the control does not act on it.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;

// A character was typed. A handler may replace it, or set it to 0 to drop it.
using TKeyPressEvent = std::function<void(QObject* Sender, char16_t& Key)>;

} // namespace Kepler
