#pragma once
// Global names of the outside program's own that the controls' library also
// uses inside its namespace; with the controls' headers included they must
// neither clash nor be ambiguous.
#include <font.h>
#include <timer.h>

struct TColor {
    int Rgb = 0;
};
struct TPoint {
    int X = 0, Y = 0;
};
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
extern const TColor clRed;
enum TOwnAlign { alNone, alTop };
unsigned GetTickCount();
void ProcessMessages();
void MessageBeep();

namespace detail {
int SaturateToInt32(double v);
}

// Uses each of the names once, so that the compiler sees them all.
int SumOfOwnNames();
