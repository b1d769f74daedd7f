#pragma once
#include "shift_state.h"

#include <functional>

class QObject;

// A plain notification with the component that raised it.
using TNotifyEvent = std::function<void(QObject* Sender)>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// A mouse press or release at (X, Y) in the sender's coordinates.
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
