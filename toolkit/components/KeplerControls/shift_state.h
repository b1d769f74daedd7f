#pragma once
#include <Qt>
#include <cstdint>

namespace Kepler {

// The modifier keys and mouse buttons held during a mouse message.
enum TShiftStateFlag : std::uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = std::uint8_t; // a set of TShiftStateFlag bits

inline TShiftState ShiftStateFromQt(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) // the keys and buttons Qt reports, as a shift state
{
    TShiftState s = 0;
    if (keys & Qt::ShiftModifier)
        s |= ssShift;
    if (keys & Qt::AltModifier)
        s |= ssAlt;
    if (keys & Qt::ControlModifier)
        s |= ssCtrl;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

} // namespace Kepler
