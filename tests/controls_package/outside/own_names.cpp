#include "own_names.h"

#include <KeplerControls/meter.h>
#include <KeplerControls/spin_edit.h>

const TColor clRed{0xFF0000};

unsigned GetTickCount() { return 7; }
void ProcessMessages() {}
void MessageBeep() {}

namespace detail {
int SaturateToInt32(double v) { return static_cast<int>(v); }
}

int SumOfOwnNames()
{
    TFont font;
    TTimer timer;
    TPoint point{1, 2};
    TRect rect{0, 0, 3, 4};
    ProcessMessages();
    MessageBeep();
    return font.Size + timer.Interval + point.X + rect.Right + (clRed.Rgb >> 16) + alTop +
           static_cast<int>(GetTickCount()) + detail::SaturateToInt32(1.5);
}
